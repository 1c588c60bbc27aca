#include "PreviewFormF.h"

#include "XPrinters.h"

#include <QAction>
#include <QApplication>
#include <QStyle>

namespace
{
const bool PreviewFormClassRegistered = [] {
    RegisterClasses<TPreviewForm>();
    return true;
}();

// The tool bar's images, by image index.
QIcon ActionImage(int index)
{
    static const QStyle::StandardPixmap pixmaps[] = {QStyle::SP_MediaSkipBackward,
                                                     QStyle::SP_MediaSeekBackward,
                                                     QStyle::SP_MediaSeekForward,
                                                     QStyle::SP_MediaSkipForward,
                                                     QStyle::SP_TitleBarMaxButton,
                                                     QStyle::SP_TitleBarNormalButton,
                                                     QStyle::SP_ToolBarHorizontalExtensionButton,
                                                     QStyle::SP_DialogSaveButton};
    if (index < 0 || index >= int(std::size(pixmaps)))
        return QIcon();
    return QApplication::style()->standardIcon(pixmaps[index]);
}
} // namespace

TPreviewForm::TPreviewForm(TComponent *AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("PreviewForm"));
    SetCaption(QStringLiteral("Προεπισκόπηση"));
    SetBounds(Left(), Top(), 696, 480);
    Peer()->setWindowFlag(Qt::WindowStaysOnTopHint);

    CoolBar1 = new TPanel(this);
    CoolBar1->SetName(QStringLiteral("CoolBar1"));
    CoolBar1->SetParent(this);
    CoolBar1->SetCaption(QString());
    CoolBar1->SetAlign(alTop);
    CoolBar1->SetHeight(34);
    ActionToolBar1 = new TActionToolBar(this);
    ActionToolBar1->SetName(QStringLiteral("ActionToolBar1"));
    ActionToolBar1->SetParent(CoolBar1);
    ActionToolBar1->SetAlign(alClient);

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName(QStringLiteral("StatusBar1"));
    StatusBar1->SetParent(this);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel(QString(), 100);
    StatusBar1->AddPanel(QString(), 50);

    DocPreview1 = new TXDocPreview(this);
    DocPreview1->SetName(QStringLiteral("DocPreview1"));
    DocPreview1->SetParent(this);
    DocPreview1->SetAlign(alClient);
    DocPreview1->SetPageIndex(0);
    DocPreview1->SetStyle(psActualSize);

    aFirst = NewAction("aFirst", QStringLiteral("Πρώτη σελίδα"), true, 0);
    aPrev = NewAction("aPrev", QStringLiteral("Προηγούμενη Σελίδα"), true, 1);
    aNext = NewAction("aNext", QStringLiteral("Επόμενη Σελίδα"), true, 2);
    aLast = NewAction("aLast", QStringLiteral("Τελευταία σελίδα"), true, 3);
    aZoomToFit = NewAction("aZoomToFit", QStringLiteral("Εμφάνιση ολόκληρης σελίδας"), true, 4);
    aZoomActual = NewAction("aZoomActual", QStringLiteral("Πραγματικό μέγεθος σελίδας"), false, 5);
    aZoomWidth = NewAction("aZoomWidth", QStringLiteral("Μεγαλύτερο μέγεθος"), false, 6);
    aPrint = NewAction("aPrint", QStringLiteral("Εκτύπωση"), true, 7);
    aClose = NewAction("aClose", QStringLiteral("Έξοδος"), false, -1);
    for (TAction *a : {aZoomToFit, aZoomActual, aZoomWidth}) {
        a->SetAutoCheck(true);
        a->SetGroupIndex(2);
    }
    aZoomWidth->SetChecked(true);

    aFirst->OnExecute = [this](TObject *s) { aFirstExecute(s); };
    aPrev->OnExecute = [this](TObject *s) { aPrevExecute(s); };
    aNext->OnExecute = [this](TObject *s) { aNextExecute(s); };
    aLast->OnExecute = [this](TObject *s) { aLastExecute(s); };
    aZoomToFit->OnExecute = [this](TObject *s) { aZoomToFitExecute(s); };
    aZoomActual->OnExecute = [this](TObject *s) { aZoomActualExecute(s); };
    aZoomWidth->OnExecute = [this](TObject *s) { aZoomWidthExecute(s); };
    aPrint->OnExecute = [this](TObject *s) { aPrintExecute(s); };
    aClose->OnExecute = [this](TObject *s) { aCloseExecute(s); };
    aFirst->OnUpdate = [this](TObject *s) { aFirstUpdate(s); };
    aPrev->OnUpdate = [this](TObject *s) { aPrevUpdate(s); };
    aNext->OnUpdate = [this](TObject *s) { aNextUpdate(s); };
    aLast->OnUpdate = [this](TObject *s) { aLastUpdate(s); };

    const std::initializer_list<TAction *> bar[] = {
        {aFirst, aPrev, aNext, aLast}, {aZoomToFit, aZoomActual, aZoomWidth}, {aPrint}, {aClose}};
    bool first = true;
    for (const auto &group : bar) {
        if (!first)
            ActionToolBar1->AddSeparator();
        first = false;
        for (TAction *a : group) {
            ActionToolBar1->AddAction(a);
            // The actions' enabled states follow every command.
            QObject::connect(a->Handle(), &QAction::triggered, this, [this] { UpdateActions(); });
        }
    }
    FormCreate(this);
}

TPreviewForm::~TPreviewForm()
{
    FormDestroy(this);
}

TAction *TPreviewForm::NewAction(const char *name, const QString &caption, bool hintAsCaption, int image)
{
    auto *a = new TAction(this);
    a->SetName(QString::fromLatin1(name));
    a->SetCaption(caption);
    if (hintAsCaption)
        a->SetHint(caption);
    a->SetImageIndex(image);
    a->SetIcon(ActionImage(image));
    return a;
}

int TPreviewForm::PageCount() const
{
    return DocPreview1->DocPrinter() ? DocPreview1->DocPrinter()->PageCount() : 0;
}

void TPreviewForm::UpdateActions()
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto *a = qobject_cast<TAction *>(Components(i)))
            a->Update();
}

TModalResult TPreviewForm::ShowModal()
{
    UpdateActions();
    Peer()->setWindowState(Qt::WindowMaximized);
    return TForm::ShowModal();
}

void TPreviewForm::FormCreate(TObject *)
{
    if (Application()) {
        FOldHint = Application()->OnHint;
        Application()->OnHint = [this](TObject *s) { ShowApplicationHint(s); };
    }
}

void TPreviewForm::FormDestroy(TObject *)
{
    if (Application())
        Application()->OnHint = FOldHint;
    // The last previewed document goes with the window, and its page files with it.
    TEMFPrinter *doc = DocPreview1->DocPrinter();
    DocPreview1->SetDocPrinter(nullptr);
    delete doc;
}

void TPreviewForm::ShowApplicationHint(TObject *)
{
    StatusBar1->SetPanelText(1, Application()->Hint());
}

void TPreviewForm::UpdateStatus()
{
    StatusBar1->SetPanelText(0, QStringLiteral("Σελίδα %1 από %2").arg(DocPreview1->PageIndex()).arg(PageCount()));
}

void TPreviewForm::aFirstExecute(TObject *)
{
    DocPreview1->SetPageIndex(1);
    UpdateStatus();
}

void TPreviewForm::aPrevExecute(TObject *)
{
    DocPreview1->SetPageIndex(DocPreview1->PageIndex() - 1);
    UpdateStatus();
}

void TPreviewForm::aNextExecute(TObject *)
{
    DocPreview1->SetPageIndex(DocPreview1->PageIndex() + 1);
    UpdateStatus();
}

void TPreviewForm::aLastExecute(TObject *)
{
    DocPreview1->SetPageIndex(PageCount());
    UpdateStatus();
}

void TPreviewForm::aZoomToFitExecute(TObject *)
{
    DocPreview1->SetStyle(psFitToWindow);
}

void TPreviewForm::aZoomActualExecute(TObject *)
{
    DocPreview1->SetStyle(psActualSize);
}

void TPreviewForm::aZoomWidthExecute(TObject *)
{
    DocPreview1->SetStyle(psPageWidth);
}

void TPreviewForm::aPrintExecute(TObject *)
{
    if (OnPrint)
        OnPrint(this);
}

void TPreviewForm::aCloseExecute(TObject *)
{
    SetModalResult(mrOk);
}

void TPreviewForm::aFirstUpdate(TObject *)
{
    aFirst->SetEnabled(PageCount() >= 1);
}

void TPreviewForm::aPrevUpdate(TObject *)
{
    aPrev->SetEnabled(DocPreview1->PageIndex() - 1 >= 1);
}

void TPreviewForm::aNextUpdate(TObject *)
{
    aNext->SetEnabled(DocPreview1->PageIndex() + 1 <= PageCount());
}

void TPreviewForm::aLastUpdate(TObject *)
{
    aLast->SetEnabled(PageCount() >= 1);
}
