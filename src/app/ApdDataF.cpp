#include "ApdDataF.h"

#include "EmployerFrameF.h"

#include "XForms/DataSetPopupF.h"
#include "declaration/APDDataModuleF.h"
#include "declaration/ApdFile.h"
#include "declaration/DiskLabelF.h"
#include "declaration/TyposAPDPopupF.h"
#include "declaration/eApdOptionsF.h"
#include "platform/SafeWrite.h"
#include "printing/PreviewFormF.h"
#include "printing/XPrinters.h"
#include "printing/XVCLPrinters.h"
#include "vcl/ActnList.h"
#include "vcl/CodePage.h"
#include "vcl/ComponentStream.h"
#include "vcl/Dialogs.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <climits>

// The form resource and the artwork live in this static library; the linker keeps them only when named.
static void InitApdDataResource()
{
    Q_INIT_RESOURCE(ApdData);
}

namespace
{

const QString SheetPrefix = QStringLiteral("TabSheet");
const QString FramePrefix = QStringLiteral("EmployFrame");
const QString PageCaption = QStringLiteral("Σελίδα ");
constexpr int MaxPages = 64;
constexpr int PageMenuGroup = 15457;
constexpr int MaxPrintedSheets = 100;
// The preview has no sheet cap of its own; a layout that never finishes still ends here.
constexpr int MaxPreviewPages = 10000;

void RegisterApdDataClasses()
{
    static const bool registered = [] {
        RegisterClasses<TApdData, TXFrame, TInplaceEditFrame, TDbLookupXFrame, TXDateFrame, TXCurrencyFrame,
                        TXIntegerFrame, TXFrameNotifier, TXFrameSheme, TPageControl, TTabSheet, TPrintDialog, TImage>();
        RegisterClass<TEmployFrame>();
        return true;
    }();
    (void)registered;
}

void LoadSvg(TImage *Image, const QString &Path)
{
    if (!Image)
        return;
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    auto graphic = std::make_unique<TVectorGraphic>();
    if (graphic->LoadFromData(file.readAll()))
        Image->Picture()->SetGraphic(std::move(graphic));
}

} // namespace

TApdData::TApdData(TComponent *AOwner) : TForm(AOwner)
{
    RegisterApdDataClasses();
    InitApdDataResource();
    if (!InitInheritedComponent(this, &TForm::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση του εντύπου ΑΠΔ."));
    Scale = 100;
    SetBorderStyle(bsNone);
    LoadArtwork();
    BindDataSources();
    PageControl1->OnChange = [this](TObject *Sender) { PageControl1Change(Sender); };
    LimitTyping(HeaderFields());
    // The page footer is rewritten on every printed page; that is no change of the document.
    XFrame454->SetNotifier(nullptr);
    FFooterText = XFrame454->Caption();
    // The window takes the size of the sheet it shows.
    SetClientWidth(PageFrame->Left() + PageFrame->Width());
    SetClientHeight(PageFrame->Top() + PageFrame->Height());
    // Only the Windows 95 family could not hold many pages; every system this runs on is of the other kind.
    MaxPagesAdvised = 64;
}

TApdData::~TApdData()
{
    // The page entries call back into this window: they go with it.
    ClearPageMenu();
}

QStringList TApdData::ArtworkFiles()
{
    return {QStringLiteral(":/forms/ApdDataLogo.svg"), QStringLiteral(":/forms/ApdDataHeading.svg")};
}

void TApdData::LoadArtwork()
{
    const QStringList files = ArtworkFiles();
    LoadSvg(Image1, files.at(0));
    LoadSvg(Image2, files.at(1));
}

// The employer and branch boxes read the data module's tables; without a module (a window built for
// comparison, or tests) they are plain typed boxes.
void TApdData::BindDataSources()
{
    if (!APDDataModule)
        return;
    for (TDbLookupXFrame *b :
         {DbLookupXFrame1, DbLookupXFrame2, DbLookupXFrame3, DbLookupXFrame4, DbLookupXFrame5, frameAME, frameAFM})
        b->SetDataSource(APDDataModule->dsEmployes);
    for (TDbLookupXFrame *b : {DbLookupXFrame10, DbLookupXFrame9})
        b->SetDataSource(APDDataModule->dsIkaOffices);
}

// ---- Pages ----

void TApdData::PageControl1Change(TObject *)
{
    // Wherever the focus was among the pages, it goes to the tabs, as a click on a tab puts it: a box of the
    // page now hidden would take what is typed out of sight.
    QTabBar *tabs = PageControl1->TabWidget()->tabBar();
    QWidget *focus = PageControl1->Peer()->window()->focusWidget();
    if (focus != tabs && PageControl1->Peer()->isAncestorOf(focus)) {
        tabs->setFocus(Qt::OtherFocusReason);
        MarkTabsFocus();
    }
}

void TApdData::MarkTabsFocus()
{
    // A page changed by the keys or a command leaves the focus on the tabs when it was on the page left; the
    // tab shows it, as after Tab, so that the user sees where the keys go. Pages not shown yet stay unmade.
    if (!PageControl1->HandleAllocated())
        return;
    QTabBar *tabs = PageControl1->TabWidget()->tabBar();
    if (tabs->window()->focusWidget() != tabs)
        return;
    tabs->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    tabs->update();
}

TEmployFrame *TApdData::PageOf(TTabSheet *Sheet)
{
    if (!Sheet)
        return nullptr;
    for (int i = 0; i < Sheet->ControlCount(); ++i)
        if (auto *page = qobject_cast<TEmployFrame *>(Sheet->Controls(i)))
            return page;
    return nullptr;
}

TEmployFrame *TApdData::Pages(int Index) const
{
    TEmployFrame *page = PageOf(PageControl1->Pages(Index));
    if (page)
        page->MakeWhole();
    return page;
}

QString TApdData::UniqueName(const QString &Prefix) const
{
    for (int n = 1;; ++n) {
        const QString name = Prefix + QString::number(n);
        if (!FindComponent(name))
            return name;
    }
}

TInplaceEditFrame *TApdData::FirstTypedBox()
{
    const auto shownHere = [this](TControl *c) {
        for (; c && c != this; c = c->Parent())
            if (!c->Visible() || !c->Enabled())
                return false;
        return c == this;
    };
    std::vector<TWinControl *> list;
    GetTabOrderList(list);
    for (TWinControl *w : list)
        if (auto *box = qobject_cast<TInplaceEditFrame *>(w);
            box && box->TabStop() && box->InplaceEdit() && !box->OnClick && shownHere(box))
            return box;
    return nullptr;
}

bool TApdData::CommitTyping()
{
    // One editor is open at a time; one whose text was refused may wait beside the next one for a moment.
    std::vector<QPointer<TInplaceEditFrame>> typing;
    auto collect = [&typing](TComponent *Owner) {
        for (TComponent *c : Owner->ComponentList())
            if (auto *box = qobject_cast<TInplaceEditFrame *>(c); box && box->Editor())
                typing.emplace_back(box);
    };
    collect(this);
    // A page still in its stored form has never been shown, so no editor is open on it.
    for (int i = 0; i < PageCount(); ++i)
        if (TEmployFrame *page = PageOf(PageControl1->Pages(i)); page && !page->IsStored())
            collect(page);
    for (const QPointer<TInplaceEditFrame> &box : typing)
        if (box && !box->CommitEditor())
            return false;
    return true;
}

void TApdData::AddPage()
{
    if (PageControl1->PageCount() >= MaxPages)
        return;
    if (PageControl1->PageCount() >= MaxPagesAdvised) {
        const QString msg = QStringLiteral("Σε συστήματα με Windows 95, 98, ME δε συνιστάται\r\n"
                                           "να προσθέσετε περισσότερες από ") +
                            QString::number(MaxPagesAdvised) + QStringLiteral(" σελίδες.");
        if (MessageDlg(msg, mtWarning, mbAbortIgnore, 0) == mrAbort)
            return;
    }
    auto *sheet = new TTabSheet(this);
    sheet->SetPageControl(PageControl1);
    sheet->SetCaption(PageCaption + QString::number(PageControl1->PageCount()));
    sheet->SetName(UniqueName(SheetPrefix));

    // A page added before the window is shown (a new document's) may wait until it is.
    TEmployFrame::Add(this, sheet, UniqueName(FramePrefix), !HandleAllocated());

    PageControl1->SetActivePage(sheet);
    MarkTabsFocus();
    DoChange();
    UpdatePageMenu();
}

void TApdData::DeletePage()
{
    if (PageControl1->PageCount() <= 1)
        return;
    if (TTabSheet *active = PageControl1->ActivePage()) {
        if (MessageDlg(QStringLiteral("Θέλετε να διαγράψετε τη ") + active->Caption(), mtConfirmation, mbYesNoCancel,
                       0) == mrYes) {
            int index = PageControl1->ActivePageIndex();
            delete active;
            if (index > PageControl1->PageCount() - 1)
                index = PageControl1->PageCount() - 1;
            PageControl1->SetActivePageIndex(index);
            MarkTabsFocus();
            for (int i = 0; i < PageControl1->PageCount(); ++i)
                PageControl1->Pages(i)->SetCaption(PageCaption + QString::number(i + 1));
            // The deleted page's amounts and days leave the totals (and the exported header) with it.
            RecalcTotals();
            DoChange();
        }
    }
    UpdatePageMenu();
}

// ---- Totals and change ----

void TApdData::RecalcTotals()
{
    if (!PageControl1 || !ApodoxesTotal || !EisforesTotal || !DaysTotal)
        return;
    Currency earnings, contributions;
    qint64 days = 0;
    for (int i = 0; i < PageControl1->PageCount(); ++i) {
        // A page not made yet knows its sums.
        TEmployFrame *page = PageOf(PageControl1->Pages(i));
        if (!page)
            continue;
        earnings = earnings.SaturatedAdd(page->EarningsSum());
        contributions = contributions.SaturatedAdd(page->ContributionsSum());
        days += page->DaysSum();
    }
    ApodoxesTotal->SetValue(earnings);
    EisforesTotal->SetValue(contributions);
    DaysTotal->SetValue(int(std::clamp<qint64>(days, INT_MIN, INT_MAX)));
}

void TApdData::DoChange()
{
    // Values being read from a document are no change of it.
    if (Loading || IsLoading() || !OnChange)
        return;
    OnChange(this);
}

void TApdData::XFrameNotifier1Change(TObject *, TXFrame *)
{
    DoChange();
}

void TApdData::DatePeriodFrameChange(TObject *)
{
    // The form's own period arrives while the form is read, before the pages' control exists; a
    // document's period arrives with dates of its own on every line, which stay as they were saved.
    if (!PageControl1 || !DatePeriodFrame || IsLoading())
        return;
    for (int i = 0; i < PageControl1->PageCount(); ++i)
        if (TEmployFrame *page = Pages(i))
            page->SetPeriod(DatePeriodFrame->Date());
}

void TApdData::ShemeChanged(TXFrameSheme *Changed, int Index)
{
    // A scheme may change while a document is read before its pages are (through a box of the window that
    // shares it): Loaded gives it to the pages read after, as it would be if read again from what is saved.
    if (IsLoading() && Index >= 0 && Index < 4)
        FSchemesChangedWhileLoading[size_t(Index)] = true;
    if (!PageControl1)
        return;
    for (int i = 0; i < PageControl1->PageCount(); ++i) {
        TEmployFrame *page = PageOf(PageControl1->Pages(i));
        // The window's schemes are read after its pages: a page still in its stored form takes the scheme
        // when it is made.
        if (page && page->IsStored() && IsLoading()) {
            page->TakeSchemeWhenMade(Index);
            continue;
        }
        page = Pages(i);
        if (!page)
            continue;
        TXFrameSheme *target = Index == 0   ? page->ShemeH0
                               : Index == 1 ? page->ShemeH1
                               : Index == 2 ? page->ShemeH2
                                            : page->ShemeH3;
        if (target)
            target->Assign(Changed);
    }
}

void TApdData::ShemeH0Change(TObject *)
{
    ShemeChanged(ShemeH0, 0);
}

void TApdData::ShemeH1Change(TObject *)
{
    ShemeChanged(ShemeH1, 1);
}

void TApdData::ShemeH2Change(TObject *)
{
    ShemeChanged(ShemeH2, 2);
}

void TApdData::ShemeH3Change(TObject *)
{
    ShemeChanged(ShemeH3, 3);
}

void TApdData::SetScale(int Percent)
{
    if (Percent == Scale || Percent <= 0 || Scale <= 0)
        return;
    // A page made later would have its design's size, not the zoom's.
    for (int i = 0; i < PageCount(); ++i)
        Pages(i);
    ScaleBy(Percent, Scale);
    Scale = Percent;
}

// ---- Declaration type ----

void TApdData::typeApdCodeClick(TObject *Sender)
{
    TNotifyEvent selected;
    selected.Bind(this, "TypeApdSelected");
    SharedTyposAPDPopup()->PopupExt(Sender, -1, selected);
}

void TApdData::TypeApdSelected(TObject *Sender)
{
    auto *popup = qobject_cast<TListBoxPopup *>(Sender);
    if (!popup || popup->ListBox1->ItemIndex() < 0)
        return;
    SetTypeApd(popup->ListBox1->Items()->Strings(popup->ListBox1->ItemIndex()));
}

void TApdData::SetTypeApd(const QString &Line)
{
    const int blank = Line.indexOf(u' ');
    if (blank < 0) {
        typeApdCode->SetCaption(QString());
        typeApdHint->SetCaption(Line.left(100));
        return;
    }
    typeApdCode->SetCaption(Line.left(blank + 1));
    typeApdHint->SetCaption(Line.mid(blank, 100));
}

// ---- Dataset picks ----

void TApdData::DbLookupXFrame1Click(TObject *Sender)
{
    SharedDataSetPopup()->PopupExt(Sender, 0, nullptr);
}

void TApdData::XFrame13Click(TObject *Sender)
{
    DbLookupXFrame1Click(Sender);
}

// ---- Page menu ----

namespace
{
// The sheet an entry was made for, while it is still one of the control's pages.
TTabSheet *SheetOfAction(TObject *Sender, TPageControl *Pages)
{
    auto *action = qobject_cast<TAction *>(Sender);
    if (!action)
        return nullptr;
    auto *sheet = reinterpret_cast<TTabSheet *>(quintptr(action->Tag()));
    for (int i = 0; i < Pages->PageCount(); ++i)
        if (Pages->Pages(i) == sheet)
            return sheet;
    return nullptr;
}
} // namespace

void TApdData::SetPageMenu(QMenu *Item)
{
    if (Item == FPageMenu)
        return;
    ClearPageMenu();
    FPageMenu = Item;
    if (Item)
        // Entries show the active page whenever the menu opens.
        QObject::connect(Item, &QMenu::aboutToShow, this, [this] {
            for (const QPointer<TAction> &a : FPageActions)
                if (a)
                    a->Update();
        });
    RebuildPageMenu();
}

void TApdData::ClearPageMenu()
{
    for (auto it = FPageActions.rbegin(); it != FPageActions.rend(); ++it)
        delete it->data();
    FPageActions.clear();
}

void TApdData::RebuildPageMenu()
{
    if (!FPageMenu)
        return;
    ClearPageMenu();
    for (int i = 0; i < PageControl1->PageCount(); ++i)
        AddPageMenuEntry(PageControl1->Pages(i), FPageMenu);
}

void TApdData::UpdatePageMenu()
{
    if (!FPageMenu)
        return;
    std::erase_if(FPageActions, [this](const QPointer<TAction> &a) {
        if (a && SheetOfAction(a, PageControl1))
            return false;
        delete a.data();
        return true;
    });
    // Pages are only ever appended, so the entries left are those of the first pages, in order.
    for (int i = 0; i < PageControl1->PageCount(); ++i) {
        TTabSheet *sheet = PageControl1->Pages(i);
        if (i == int(FPageActions.size()))
            AddPageMenuEntry(sheet, FPageMenu);
        else if (FPageActions[size_t(i)]->Caption() != sheet->Caption())
            FPageActions[size_t(i)]->SetCaption(sheet->Caption());
    }
}

void TApdData::AddPageMenuEntry(TTabSheet *Sheet, QMenu *HostItem)
{
    auto *action = new TAction(nullptr);
    action->SetGroupIndex(PageMenuGroup);
    action->SetAutoCheck(true);
    action->OnExecute = [this](TObject *Sender) { PageActionExecute(Sender); };
    action->OnUpdate = [this](TObject *Sender) { PageActionUpdate(Sender); };
    action->SetCaption(Sheet->Caption());
    action->SetTag(qint64(reinterpret_cast<quintptr>(Sheet)));
    FPageActions.push_back(action);
    HostItem->addAction(action->Handle());
}

void TApdData::PageActionExecute(TObject *Sender)
{
    if (TTabSheet *sheet = SheetOfAction(Sender, PageControl1)) {
        PageControl1->SetActivePage(sheet);
        MarkTabsFocus();
    }
}

void TApdData::PageActionUpdate(TObject *Sender)
{
    auto *action = qobject_cast<TAction *>(Sender);
    if (!action)
        return;
    TTabSheet *sheet = SheetOfAction(Sender, PageControl1);
    action->SetChecked(sheet && sheet == PageControl1->ActivePage());
}

// ---- Document file ----

void TApdData::GetChildren(TGetChildProc Proc, TComponent *Root)
{
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Owner() == Root)
            Proc(Controls(i));
    if (Root != this)
        return;
    for (TComponent *c : ComponentList()) {
        if (c->Name().isEmpty())
            continue;
        if (auto *control = qobject_cast<TControl *>(c); control && control->Parent())
            continue;
        Proc(c);
    }
}

void TApdData::SaveToStream(QIODevice &Dest)
{
    std::unique_ptr<TApdData> ancestor(new TApdData(nullptr));
    const QByteArray buffer = ::WriteDescendent(this, ancestor.get());
    if (Dest.write(buffer) != buffer.size())
        throw EWriteError(QStringLiteral("Αδυναμία εγγραφής του εντύπου."));
}

Platform::TFileStamp TApdData::SaveToFile(const QString &Path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SaveToStream(buffer);
    return Platform::ReplaceFile(Path, buffer.data());
}

void TApdData::LoadFromStream(QIODevice &Source)
{
    RegisterApdDataClasses();
    if (!Source.isSequential())
        Source.seek(0);
    const QByteArray data = Source.readAll();
    // No declaration holds more pages than Add page allows: such a file was not made by the program, and its
    // pages are not built (thousands of them would take minutes) nor cut (a save would lose the rest).
    const QHash<QByteArray, int> classes = ComponentClassCounts(data);
    const int pages = std::max(classes.value(TTabSheet::staticMetaObject.className()),
                               classes.value(TEmployFrame::staticMetaObject.className()));
    if (pages > MaxPages)
        throw EReadError(
            QStringLiteral("Το έγγραφο έχει %1 σελίδες· μια δήλωση έχει το πολύ %2 σελίδες.").arg(pages).arg(MaxPages));
    for (int i = PageControl1->PageCount() - 1; i >= 0; --i)
        delete PageControl1->Pages(i);
    for (TComponent *c : ComponentList())
        if (!GetClass(c->ClassName()))
            RegisterClass(c->metaObject());
    // The employee pages are made when something needs their boxes (the page shown first, the others when
    // they are shown, printed or exported): a page that reading could only make as it was stored stays in
    // its stored form until then.
    ReadComponent(
        data, this,
        [this](TComponent *Parent, const QByteArray &ClassName, const QString &Name, const QByteArray &Stored) {
            auto *sheet = qobject_cast<TTabSheet *>(Parent);
            if (!sheet || sheet->PageControl() != PageControl1 ||
                ClassName != TEmployFrame::staticMetaObject.className() || Name.isEmpty() || FindComponent(Name))
                return false;
            std::optional<TEmployFrame::TStored> stored = TEmployFrame::Inspect(Stored);
            if (!stored)
                return false;
            auto *page = new TEmployFrame(this, std::move(*stored));
            page->SetName(Name);
            page->SetParent(sheet);
            return true;
        });
}

void TApdData::LoadFromFile(const QString &Path, Platform::TFileStamp *Stamp)
{
    // The messages give the reason only: the caller names the file.
    QBuffer buffer;
    buffer.setData(Platform::ReadRegularFile(Path, MaxFileSize, Stamp));
    buffer.open(QIODevice::ReadOnly);
    LoadFromStream(buffer);
}

void TApdData::Loaded()
{
    // The window's schemes are saved after its pages, so a scheme changed anywhere in a document is every
    // page's once the document is saved and read again.
    TXFrameSheme *const schemes[4] = {ShemeH0, ShemeH1, ShemeH2, ShemeH3};
    for (size_t i = 0; i < 4; ++i)
        if (std::exchange(FSchemesChangedWhileLoading[i], false) && schemes[i])
            ShemeChanged(schemes[i], int(i));
    TForm::Loaded();
    // Documents saved after a print carry its last page footer; it is no part of the declaration.
    XFrame454->SetCaption(FFooterText);
    {
        Loading = true;
        TScopeExit restore([this] { Loading = false; });
        RecalcTotals();
    }
    for (int i = 0; i < PageCount(); ++i)
        if (TEmployFrame *page = PageOf(PageControl1->Pages(i)))
            page->SettleSchemes();
    RebuildPageMenu();
}

// ---- Printing and preview ----

void TApdData::SetPageFlags()
{
    const int count = PageControl1->PageCount();
    for (int i = 0; i < count; ++i)
        if (TEmployFrame *page = Pages(i)) {
            page->IsFirstPage = i == 0;
            page->IsLastPage = i == count - 1;
        }
}

TRect TApdData::DocumentAdjustPrintRect(TObject *, TRect &ABoundsRect)
{
    const int left = int(RoundHalfEven((ABoundsRect.Left + ABoundsRect.Right) / 2.0)) - 875;
    const int top = int(RoundHalfEven((ABoundsRect.Top + ABoundsRect.Bottom) / 2.0)) - 1375;
    return TRect{left, top, left + 1750, top + 2750};
}

void TApdData::XFrame454Print(TObject *Sender, IPage *APage, const TRect &)
{
    auto *box = qobject_cast<TXFrame *>(Sender);
    if (!box || !APage)
        return;
    box->SetCaption(QStringLiteral("Σελίδα %1 από %2")
                        .arg(APage->PageNumber() - FContinuedSheets)
                        .arg(PageControl1->PageCount()));
}

bool TApdData::PageGoesOn() const
{
    auto *pages = dynamic_cast<TPageControlPrinter *>(Document->ContentPrinter());
    return pages && pages->CurrentSheet();
}

namespace
{
// Printing writes the page numbers into the footer and the header's numbers into every page's printed
// blocks. Those texts belong to the sheets being made: afterwards the boxes show (and a document saved
// later stores) what they held before.
class TPrintedTexts
{
public:
    explicit TPrintedTexts(TApdData *Window) : FWindow(Window), FFooter(Window->XFrame454->Caption())
    {
        for (int i = 0; i < Window->PageCount(); ++i)
            if (TEmployFrame *page = Window->Pages(i))
                FPages.emplace_back(page, page->PrintedTexts());
    }
    ~TPrintedTexts() { Restore(); }
    TPrintedTexts(const TPrintedTexts &) = delete;
    TPrintedTexts &operator=(const TPrintedTexts &) = delete;
    void Restore()
    {
        if (!FWindow)
            return;
        FWindow->XFrame454->SetCaption(FFooter);
        for (auto &[page, texts] : FPages)
            if (page)
                page->SetPrintedTexts(texts);
        FWindow = nullptr;
    }

private:
    TApdData *FWindow;
    QString FFooter;
    std::vector<std::pair<QPointer<TEmployFrame>, QStringList>> FPages;
};
} // namespace

QString TApdData::Print(const QString &Title)
{
    SetPageFlags();
    InitXVCLPrinters();
    TPrintedTexts printed(this);
    TLPTPrinter doc;
    doc.BeginDoc(Title);
    try {
        Document->PrintInit(MapingUnits[mpLoMetricMaping]);
        FContinuedSheets = 0;
        int pass = 0;
        bool twoUp = false;
        do {
            IPage *page = doc.GetCurrentPage();
            TRect r = page->GetPageRect();
            if (r.Right >= 4200) {
                twoUp = true;
                if (pass % 2 == 0)
                    r.Right = (r.Left + r.Right) / 2;
                else
                    r.Left = (r.Left + r.Right) / 2;
            }
            Document->PrintArrange(r);
            Document->Print(page);
            // Two halves of a sheet carry the sheet's number; a sheet of its own continuing a page, that page's.
            if (!twoUp && PageGoesOn())
                ++FContinuedSheets;
            if (Document->IsPrinting() && (!twoUp || pass % 2 == 1))
                doc.NewPage();
            ++pass;
            if (doc.PageCount() >= MaxPrintedSheets)
                break;
        } while (Document->IsPrinting());
    } catch (...) {
        doc.EndDoc();
        throw;
    }
    doc.EndDoc();
    return doc.FileName();
}

void TApdData::Preview()
{
    SetPageFlags();
    InitXVCLPrinters();
    SharedPreviewForm();
    // The previous document goes, and its page files with it.
    TEMFPrinter *previous = PreviewForm->DocPreview1->DocPrinter();
    PreviewForm->DocPreview1->SetDocPrinter(nullptr);
    delete previous;
    auto *doc = new TEMFPrinter;
    PreviewForm->DocPreview1->SetDocPrinter(doc);
    doc->BeginDoc(QStringLiteral("Apd"));
    TPrintedTexts printed(this);
    try {
        Document->PrintInit(MapingUnits[mpLoMetricMaping]);
        FContinuedSheets = 0;
        do {
            IPage *page = doc->GetCurrentPage();
            TRect r = page->GetPageRect();
            Document->PrintArrange(r);
            Document->Print(page);
            if (PageGoesOn())
                ++FContinuedSheets;
            if (Document->IsPrinting() && doc->PageCount() < MaxPreviewPages)
                doc->NewPage();
            else
                break;
        } while (true);
    } catch (...) {
        doc->EndDoc();
        throw;
    }
    doc->EndDoc();
    printed.Restore();
    PreviewForm->aFirst->Execute();
    PreviewForm->aZoomToFit->Execute();
    PreviewForm->OnPrint.Bind(this, "PrintFromPreview");
    PreviewForm->ShowModal();
}

void TApdData::PrintFromPreview(TObject *Sender)
{
    if (!PrintDialog1->Execute())
        return;
    const QString file = Print(QString());
    if (auto *preview = qobject_cast<TPreviewForm *>(Sender); preview && !file.isEmpty())
        preview->ShowNote(PrintedFilesText({file}));
}

// ---- Export ----

std::vector<TBoxField> TApdData::HeaderFields() const
{
    namespace H = ApdHeader;
    return {{typeApdCode, &H::DeclarationType},
            {DbLookupXFrame10, &H::BranchCode},
            {DbLookupXFrame9, &H::BranchName},
            {DbLookupXFrame3, &H::Street},
            {DbLookupXFrame2, &H::StreetNumber},
            {DbLookupXFrame5, &H::Postcode},
            {DbLookupXFrame4, &H::City},
            {xEidosErgou, &H::ProjectKind},
            {frameAME, &H::Ame},
            {frameAMOE, &H::Amoe},
            {frameAFM, &H::Afm},
            {xOdosErgou, &H::ProjectStreet},
            {xArOdouErgou, &H::ProjectNumber},
            {xTKErgou, &H::ProjectPostcode},
            {xPoliErgou, &H::ProjectCity},
            {ApodoxesTotal, &H::EarningsTotal},
            {DaysTotal, &H::DaysTotal},
            {EisforesTotal, &H::ContributionsTotal}};
}

void TApdData::FillHeader(TApdFile &File, const TApdExportOptions &Options, TExportProblems *Problems)
{
    auto put = [&](const TApdField &field, const TApdValue &value) {
        // A refused value is not written: nothing is written then anyway.
        if (!Problems || Problems->Check(field, value, [&field] { return field.Name(); }))
            PutValue(File.HeaderRecord.data(), field, value);
    };
    put(ApdHeader::SubmissionDate, Options.SubmissionDate);
    put(ApdHeader::StopDate, Options.StopDate);
    put(ApdHeader::EmployerName, Options.NameParts[0]);
    put(ApdHeader::EmployerFirstName, Options.NameParts[1]);
    put(ApdHeader::EmployerFatherName, Options.NameParts[2]);
    put(ApdHeader::Month, FormatDateTime(QStringLiteral("mm"), DatePeriodFrame->Date()));
    put(ApdHeader::Year, FormatDateTime(QStringLiteral("yyyy"), DatePeriodFrame->Date()));
    for (const TBoxField &f : HeaderFields())
        put(*f.Field, BoxValue(f));
}

void TApdData::CollectExport(TApdFile &File, const TApdExportOptions &Options)
{
    // A value the file's fields cannot take as it is would be written cut, without its sign or without its
    // other characters, and the file would no longer say what the declaration says: nothing is written
    // then, and the user is told where.
    TExportProblems problems;
    FillHeader(File, Options, &problems);
    for (int i = 0; i < PageControl1->PageCount(); ++i)
        if (TEmployFrame *page = Pages(i))
            page->ExportLines(File, &problems);
    problems.Raise();
}

QStringList TApdData::ExportWith(const TApdExportOptions &Options, QString *Report)
{
    TApdFile file;
    CollectExport(file, Options);
    // A failed save raises here, so nothing is printed for a file that was not written.
    if (!Options.Path.isEmpty())
        file.SaveToFile(Options.Path);
    const QString saved =
        Options.Path.isEmpty()
            ? QString()
            : QStringLiteral("Το αρχείο ΑΠΔ γράφτηκε στο %1.").arg(QDir::toNativeSeparators(Options.Path));
    // Each chosen printout is a job of its own; the user is told which file holds which and, when one fails,
    // that the declaration file is written all the same and which printouts are not.
    const TFontStyles style = Options.FontBold ? TFontStyles(fsBold) : TFontStyles();
    const auto text = [&](bool accompanying) {
        return [&, accompanying] {
            QStringList files;
            file.Print(accompanying, !accompanying, style, Options.FontSize, Options.FontName, &files);
            return files.value(0);
        };
    };
    std::vector<std::pair<QString, std::function<QString()>>> jobs;
    if (Options.PrintAccompanying)
        jobs.emplace_back(QStringLiteral("Συνοδευτικό έντυπο"), text(true));
    if (Options.PrintPages)
        jobs.emplace_back(QStringLiteral("Αναλυτικό τεύχος"), text(false));
    if (Options.PrintLabel)
        jobs.emplace_back(QStringLiteral("Ετικέτα δισκέτας"), [&] {
            const char *h = file.HeaderRecord.data();
            return ShowDiskLabel(FromCp1253(ApdHeader::Amoe.Bytes(h)), FromCp1253(ApdHeader::Afm.Bytes(h)),
                                 DatePeriodFrame->Caption(), ShemeH0->Font());
        });
    std::vector<TPrintout> done;
    QStringList written;
    const auto report = [&](const QString &printouts) {
        QStringList parts{saved, printouts};
        parts.removeAll(QString());
        return parts.join(QStringLiteral("\n\n"));
    };
    for (size_t i = 0; i < jobs.size(); ++i) {
        try {
            done.push_back({jobs[i].first, jobs[i].second()});
        } catch (const Exception &e) {
            QStringList notPrinted;
            for (size_t j = i; j < jobs.size(); ++j)
                notPrinted << jobs[j].first;
            throw Exception(report(PrintoutsText(done, notPrinted, e.Message())));
        }
        if (!done.back().File.isEmpty())
            written << done.back().File;
    }
    if (Report)
        *Report = written.isEmpty() ? QString() : report(PrintoutsText(done));
    return written;
}

void TApdData::ExportIkaApd()
{
    TApdExportOptions options;
    QString report;
    {
        // Refused before the options are asked for nothing.
        TApdFile check;
        CollectExport(check, options);

        std::unique_ptr<TeApdOptions> dialog(new TeApdOptions(Application()));
        dialog->SetEmployerName(DbLookupXFrame1->Caption());
        dialog->pnlStop->SetVisible(typeApdCode->Caption().trimmed() == QLatin1String("02"));
        // What the options cannot give (a name the file's fields cannot take, a path where the file cannot
        // be written: a folder, a folder that is not there, no right to write) is told, and the dialog comes
        // back with every box as the user left it, a refused path ready to be corrected.
        bool pathRefused = false;
        for (;;) {
            dialog->OnShow = nullptr;
            if (pathRefused)
                dialog->OnShow = [edit = dialog->Edit5](TObject *) {
                    edit->SetFocus();
                    edit->SelectAll();
                };
            if (dialog->ShowModal() != mrOk)
                return;
            for (int i = 0; i < 3; ++i)
                options.NameParts[i] = dialog->GetNamePart(i);
            options.PrintAccompanying = dialog->CheckBox1->Checked();
            options.PrintPages = dialog->CheckBox2->Checked();
            options.PrintLabel = dialog->CheckBox4->Checked();
            options.FontName = dialog->FontName->GetText();
            bool ok = false;
            options.FontSize = dialog->FontSize->GetText().trimmed().toInt(&ok);
            if (!ok)
                options.FontSize = 9;
            options.FontBold = dialog->FontBold->Checked();
            options.Path = dialog->CheckBox3->Checked() ? TeApdOptions::LocalPath(dialog->Edit5->GetText()) : QString();
            options.SubmissionDate = dialog->DateTimePicker1->Date();
            options.StopDate = dialog->pnlStop->Visible() ? dialog->DateTimePicker2->Date() : 0;
            pathRefused = false;
            try {
                TApdFile named;
                CollectExport(named, options);
            } catch (const Exception &e) {
                Application()->HandleException(e);
                continue;
            }
            try {
                ExportWith(options, &report);
                break;
            } catch (const EFCreateError &e) {
                // Only the declaration file's save raises this out of the export, before anything is printed
                // (a printout that fails is told in the export's own message).
                Application()->HandleException(e);
                pathRefused = true;
            }
        }
    }
    if (!report.isEmpty())
        MessageDlg(report, mtInformation, {mbOK}, 0);
}
