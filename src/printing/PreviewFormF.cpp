#include "PreviewFormF.h"

#include "XPrinters.h"
#include "vcl/CommandIcons.h"
#include "vcl/ComponentStream.h"

#include <QAction>
#include <QIcon>

// The form resource lives in this static library; the linker keeps it only when it is named.
static void InitPreviewFormResource()
{
    Q_INIT_RESOURCE(PreviewForm);
}

TPreviewForm *PreviewForm = nullptr;

TPreviewForm *SharedPreviewForm()
{
    if (!PreviewForm)
        PreviewForm = new TPreviewForm(Application());
    return PreviewForm;
}

namespace
{

void RegisterPreviewClasses()
{
    static const bool registered = [] {
        RegisterClasses<TPreviewForm, TXDocPreview, TAction, TActionToolBar>();
        return true;
    }();
    (void)registered;
}

// The tool bar's images, by image index: pages first, previous, next, last; the whole page, actual size,
// page width; print.
QIcon ActionImage(int index)
{
    static const char *const names[] = {"go-first",      "go-previous",    "go-next",       "go-last",
                                        "zoom-fit-best", "zoom-original", "zoom-fit-width", "document-print"};
    if (index < 0 || index >= int(std::size(names)))
        return QIcon();
    return CommandIcon(QLatin1String(names[index]));
}

} // namespace

TPreviewForm::TPreviewForm(TComponent *AOwner) : TForm(AOwner)
{
    RegisterPreviewClasses();
    InitPreviewFormResource();
    if (!InitInheritedComponent(this, &TForm::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση του παραθύρου προεπισκόπησης."));
    StatusBar1->AddPanel(QString(), 100);
    StatusBar1->AddPanel(QString(), 50);

    const std::initializer_list<TAction *> bar[] = {
        {aFirst, aPrev, aNext, aLast}, {aZoomToFit, aZoomActual, aZoomWidth}, {aPrint}, {aClose}};
    bool first = true;
    for (const auto &group : bar) {
        if (!first)
            ActionToolBar1->AddSeparator();
        first = false;
        for (TAction *a : group) {
            a->SetIcon(ActionImage(a->ImageIndex()));
            ActionToolBar1->AddAction(a);
            // The actions' enabled states follow every command, once it has returned.
            QObject::connect(a, &TAction::Executed, this, [this] { UpdateActions(); });
        }
    }
    // The keyboard reaches each tool button with Tab, and the page view takes the paging keys.
    WalkButtonsByTab(ActionToolBar1);
    DocPreview1->OnKeyDown = [this](TObject *Sender, quint16 &Key, TShiftState Shift) {
        DocPreview1KeyDown(Sender, Key, Shift);
    };
    Peer()->installEventFilter(this);
    FormCreate(this);
}

void TPreviewForm::DocPreview1KeyDown(TObject *, quint16 &Key, TShiftState Shift)
{
    if (Shift != TShiftState() && Shift != TShiftState(ssCtrl))
        return;
    TAction *action = nullptr;
    switch (Key) {
    case VK_NEXT:
        action = aNext;
        break;
    case VK_PRIOR:
        action = aPrev;
        break;
    case VK_HOME:
        action = aFirst;
        break;
    case VK_END:
        action = aLast;
        break;
    default:
        return;
    }
    Key = 0;
    UpdateActions();
    if (action->Execute())
        UpdateActions();
}

bool TPreviewForm::eventFilter(QObject *Watched, QEvent *Event)
{
    // Each showing starts in the page view, where the paging keys work.
    if (Watched == FPeer.data() && Event->type() == QEvent::Show && DocPreview1->CanFocus())
        DocPreview1->SetFocus();
    if (Watched == FPeer.data() && Event->type() == QEvent::WindowActivate)
        FormActivated(
            this,
            [this] {
                if (!Application() || FHintInstalled)
                    return;
                FActiveOldHint = Application()->OnHint;
                Application()->OnHint = BoundEvent<TNotifyEvent>(this, "ShowApplicationHint");
                FHintInstalled = true;
            },
            [this] {
                if (!Application() || !FHintInstalled)
                    return;
                Application()->OnHint = FActiveOldHint;
                FActiveOldHint = nullptr;
                FHintInstalled = false;
            });
    else if (Watched == FPeer.data() && Event->type() == QEvent::WindowDeactivate)
        FormDeactivated(this);
    return TForm::eventFilter(Watched, Event);
}

TPreviewForm::~TPreviewForm()
{
    if (HandleAllocated())
        Peer()->removeEventFilter(this);
    if (FHintInstalled && Application())
        Application()->OnHint = FActiveOldHint;
    FormDestroy(this);
    if (PreviewForm == this)
        PreviewForm = nullptr;
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
    ShowNote(QString());
    UpdateActions();
    return TForm::ShowModal();
}

void TPreviewForm::FormCreate(TObject *)
{
    if (Application()) {
        FOldHint = Application()->OnHint;
        Application()->OnHint = BoundEvent<TNotifyEvent>(this, "ShowApplicationHint");
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

void TPreviewForm::ShowNote(const QString &Note)
{
    FNote = Note;
    StatusBar1->SetPanelText(1, Note);
}

void TPreviewForm::KeyDown(quint16 &Key, TShiftState Shift)
{
    TForm::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE && Shift == TShiftState()) {
        Key = 0;
        Close();
    }
}

void TPreviewForm::ShowApplicationHint(TObject *)
{
    const QString hint = Application() ? Application()->Hint() : QString();
    StatusBar1->SetPanelText(1, hint.isEmpty() ? FNote : hint);
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
