#include "MainF.h"

#include "TableEditorF.h"
#include "declaration/APDDataModuleF.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "platform/SafeWrite.h"
#include "printing/XPrinters.h"
#include "vcl/ComponentStream.h"
#include "vcl/Printers.h"

#include "AboutF.h"
#include "HtmlHelpApi.h"
#include "vcl/CommandIcons.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <optional>

TMain *Main = nullptr;

namespace
{
std::optional<QStringList> &ArgumentsOverride()
{
    static std::optional<QStringList> value;
    return value;
}
} // namespace

QStringList TMain::Arguments()
{
    return ArgumentsOverride() ? *ArgumentsOverride() : QCoreApplication::arguments();
}

void TMain::SetArguments(const QStringList *Value)
{
    if (Value)
        ArgumentsOverride() = *Value;
    else
        ArgumentsOverride().reset();
}

const QString TMain::RecentFilesKey = QStringLiteral("Software\\Dovra\\Apd\\RecentFiles");
const QString TMain::PrinterKey = QStringLiteral("Software\\Dovra\\Apd\\Printer");
const QString TMain::UntitledName = QStringLiteral("Ανώνυμο");

static void InitMainResource()
{
    Q_INIT_RESOURCE(Main);
}

namespace
{
void RegisterMainClasses()
{
    static const bool registered = [] {
        RegisterClasses<TMain, TPanel, TActionMainMenuBar, TActionToolBar, TStatusBar, TScrollBox, TActionManager,
                        TFileControl, TOpenDialog, TSaveDialog, TFontDialog, TColorDialog, TPageSetupDialog,
                        TPrinterSetupDialog, TAction>();
        return true;
    }();
    (void)registered;
}

// The tool bar's and menus' images, by image index: each the picture of what its command does.
QIcon MainImage(int index)
{
    static const QHash<int, QString> names = {
        {11, QStringLiteral("document-new")},
        {13, QStringLiteral("document-save")},
        {64, QStringLiteral("document-open")},
        {14, QStringLiteral("document-print-preview")},
        {19, QStringLiteral("document-print")},
        {61, QStringLiteral("page-add")},
        {62, QStringLiteral("page-delete")},
        {18, QStringLiteral("zoom-original")},
        {17, QStringLiteral("zoom-in")},
        {39, QStringLiteral("preferences-desktop-font")},
        {65, QStringLiteral("preferences-desktop-theme")},
        {63, QStringLiteral("help-contents")},
        {66, QStringLiteral("frames-titles")},
        {67, QStringLiteral("frames-data")},
        {68, QStringLiteral("frames-empty")},
        {69, QStringLiteral("frames-notes")},
    };
    const auto it = names.constFind(index);
    return it == names.constEnd() ? QIcon() : CommandIcon(*it);
}

template <class T> T *Find(TComponent *root, const char *name)
{
    auto *c = qobject_cast<T *>(root->FindComponent(QString::fromLatin1(name)));
    if (!c)
        throw EStreamError(
            QStringLiteral("Η σχεδίαση του κεντρικού παραθύρου είναι ελλιπής (%1).").arg(QString::fromLatin1(name)));
    return c;
}
} // namespace

TMain::TMain(TComponent *AOwner) : TForm(AOwner)
{
    RegisterMainClasses();
    InitMainResource();
    if (!InitInheritedComponent(this, &TForm::staticMetaObject))
        throw EStreamError(QStringLiteral("Δεν βρέθηκε η σχεδίαση του κεντρικού παραθύρου."));
    CoolBar1 = Find<TPanel>(this, "CoolBar1");
    ActionMainMenuBar1 = Find<TActionMainMenuBar>(this, "ActionMainMenuBar1");
    ActionToolBar1 = Find<TActionToolBar>(this, "ActionToolBar1");
    StatusBar1 = Find<TStatusBar>(this, "StatusBar1");
    ScrollBox1 = Find<TScrollBox>(this, "ScrollBox1");
    ActionManager1 = Find<TActionManager>(this, "ActionManager1");
    FileControl1 = Find<TFileControl>(this, "FileControl1");
    OpenDialog1 = Find<TOpenDialog>(this, "OpenDialog1");
    SaveDialog1 = Find<TSaveDialog>(this, "SaveDialog1");
    FontDialog1 = Find<TFontDialog>(this, "FontDialog1");
    ColorDialog1 = Find<TColorDialog>(this, "ColorDialog1");
    PageSetupDialog1 = Find<TPageSetupDialog>(this, "PageSetupDialog1");
    PrinterSetupDialog1 = Find<TPrinterSetupDialog>(this, "PrinterSetupDialog1");
#define APD_FIND_ACTION(n) n = Find<TAction>(this, #n)
    APD_FIND_ACTION(aNew);
    APD_FIND_ACTION(aFileNewFromTemplate);
    APD_FIND_ACTION(aSave);
    APD_FIND_ACTION(aSaveAs);
    APD_FIND_ACTION(aOpen);
    APD_FIND_ACTION(aRecentFiles);
    APD_FIND_ACTION(aPreview);
    APD_FIND_ACTION(aPrint);
    APD_FIND_ACTION(FilePageSetup1);
    APD_FIND_ACTION(FilePrintSetup1);
    APD_FIND_ACTION(aExit);
    APD_FIND_ACTION(aExportIkaApd);
    APD_FIND_ACTION(aInsertPage);
    APD_FIND_ACTION(aDeletePage);
    APD_FIND_ACTION(aPageSelect);
    APD_FIND_ACTION(aEmployes);
    APD_FIND_ACTION(aEmployers);
    APD_FIND_ACTION(aIkaOffices);
    APD_FIND_ACTION(Action1);
    APD_FIND_ACTION(Action2);
    APD_FIND_ACTION(Action3);
    APD_FIND_ACTION(Action4);
    APD_FIND_ACTION(Action5);
    APD_FIND_ACTION(aH0Sheme);
    APD_FIND_ACTION(aH1Sheme);
    APD_FIND_ACTION(aH2Sheme);
    APD_FIND_ACTION(Action6);
    APD_FIND_ACTION(aHelpContents);
    APD_FIND_ACTION(aHelpIndex);
    APD_FIND_ACTION(aHelpSearch);
    APD_FIND_ACTION(aAbout);
#undef APD_FIND_ACTION
    for (int i = 0; i < 4; ++i) {
        aFontH[i] = Find<TAction>(this, QStringLiteral("aFontH%1").arg(i).toLatin1().constData());
        aColorH[i] = Find<TAction>(this, QStringLiteral("aColorH%1").arg(i).toLatin1().constData());
        aPrintColorH[i] = Find<TAction>(this, QStringLiteral("aPrintColorH%1").arg(i).toLatin1().constData());
    }

    for (int i = 0; i < ComponentCount(); ++i)
        if (auto *a = qobject_cast<TAction *>(Components(i))) {
            a->SetIcon(MainImage(a->ImageIndex()));
            // The enabled states follow every command, once it has returned.
            QObject::connect(a, &TAction::Executed, Peer(), [this] { UpdateActions(); });
        }
    if (auto *area = ScrollBox1->ScrollArea())
        area->verticalScrollBar()->setSingleStep(80);
    BuildMenus();
    ActionMainMenuBar1->OnPopup = [this](TObject *) { UpdateActions(); };

    OnCloseQuery = [this](TObject *Sender, bool &CanClose) { FormCloseQuery(Sender, CanClose); };
    OnMouseWheel = [this](TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled) {
        FormMouseWheel(Sender, Shift, WheelDelta, MousePos, Handled);
    };
    Peer()->installEventFilter(this);
    if (auto *area = ScrollBox1->ScrollArea())
        area->viewport()->installEventFilter(this);
    FormCreate(this);
}

TMain::~TMain()
{
    Application()->Guard([this] { FormDestroy(this); });
    if (HandleAllocated())
        Peer()->removeEventFilter(this);
    SetDocument(nullptr);
    if (FHintInstalled)
        Application()->OnHint = FOldHint;
    delete FPageMenu.data();
    if (Main == this)
        Main = nullptr;
}

void TMain::BuildMenus()
{
    TActionClientItem *menuBar = ActionManager1->AddActionBar();
    TActionClientItem *toolBar = ActionManager1->AddActionBar();
    TActionClientItem *pageBar = ActionManager1->AddActionBar();
    auto addMenu = [menuBar](const QString &caption, std::initializer_list<TAction *> actions) {
        TActionClientItem *menu = menuBar->Items()->Add();
        menu->SetCaption(caption);
        for (TAction *a : actions) {
            TActionClientItem *item = menu->Items()->Add();
            if (a)
                item->SetAction(a);
            else
                item->SetSeparator(true);
        }
        return menu;
    };
    addMenu(QStringLiteral("Αρχείο"), {aNew, aFileNewFromTemplate, aSave, aSaveAs, aOpen, aRecentFiles, aExportIkaApd,
                                       nullptr, aPrint, aPreview, FilePageSetup1, FilePrintSetup1, nullptr, aExit});
    TActionClientItem *pages = addMenu(QStringLiteral("Σελίδες"), {aInsertPage, aDeletePage, aPageSelect});
    addMenu(QStringLiteral("Συλογές/Πίνακες"), {aEmployers, aEmployes, aIkaOffices, Action1, Action2, Action3});
    TActionClientItem *options = addMenu(QStringLiteral("Επιλογές"), {aH0Sheme, aH2Sheme, Action6, aH1Sheme});
    const int schemeOfItem[4] = {0, 2, 3, 1};
    for (int i = 0; i < 4; ++i) {
        TActionClientItem *host = options->Items()->Items(i);
        const int s = schemeOfItem[i];
        host->Items()->Add()->SetAction(aFontH[s]);
        host->Items()->Add()->SetAction(aColorH[s]);
        host->Items()->Add()->SetAction(aPrintColorH[s]);
    }
    addMenu(QStringLiteral("Προβολή"), {Action4, Action5});
    addMenu(QStringLiteral("Βοήθεια"), {aHelpContents, aHelpIndex, aHelpSearch, aAbout});

    // The page list lives in a menu of its own that each installed document fills.
    FPageMenu = new QMenu(Peer());
    pages->Items()->Items(2)->SetMenu(FPageMenu);

    const std::initializer_list<TAction *> tools = {aNew,    aSave,       aOpen,       nullptr, aPreview,     aPrint,
                                                    nullptr, aInsertPage, aDeletePage, nullptr, aHelpContents};
    for (TAction *a : tools) {
        TActionClientItem *item = toolBar->Items()->Add();
        if (a) {
            item->SetAction(a);
            ActionToolBar1->AddAction(a);
        } else {
            item->SetSeparator(true);
            ActionToolBar1->AddSeparator();
        }
    }
    pageBar->Items()->Add()->SetAction(aInsertPage);
    pageBar->Items()->Add()->SetAction(aDeletePage);
    ActionMainMenuBar1->SetActionClient(menuBar);
}

void TMain::GetChildren(TGetChildProc Proc, TComponent *Root)
{
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Owner() == Root)
            Proc(Controls(i));
    if (Root == this)
        for (int i = 0; i < ComponentCount(); ++i) {
            TComponent *c = Components(i);
            if (!c->HasParent() && !c->Name().isEmpty())
                Proc(c);
        }
}

bool TMain::eventFilter(QObject *Watched, QEvent *Event)
{
    switch (Event->type()) {
    case QEvent::WindowActivate:
        if (Watched == Peer())
            FormActivated(
                this, [this] { GuardEvent([this] { FormActivate(this); }); },
                [this] { GuardEvent([this] { FormDeactivate(this); }); });
        break;
    case QEvent::WindowDeactivate:
        if (Watched == Peer())
            FormDeactivated(this);
        break;
    case QEvent::Wheel: {
        auto *wheel = static_cast<QWheelEvent *>(Event);
        bool handled = false;
        const QPoint pos = wheel->position().toPoint();
        GuardEvent([&] {
            FormMouseWheel(this, ShiftStateOf(wheel->modifiers(), wheel->buttons()), wheel->angleDelta().y(),
                           TPoint{pos.x(), pos.y()}, handled);
        });
        // The window scrolled its one line; the scroll area must not scroll as well.
        return true;
    }
    default:
        break;
    }
    return TForm::eventFilter(Watched, Event);
}

void TMain::UpdateActions()
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto *a = qobject_cast<TAction *>(Components(i)))
            a->Update();
}

// ---- Creation and destruction ----

void TMain::FormCreate(TObject *)
{
    // The help file ships beside the program; the documents are the user's.
    Application()->SetHelpFile(QDir(Platform::InstallFolder()).absoluteFilePath(QStringLiteral("DovraApd.chm")));
    Application()->OnHint = BoundEvent<TNotifyEvent>(this, "ShowHint");
    FileControl1->SetRecentItem(ActionMainMenuBar1->Items()->Items()->Items(0)->Items()->Items(5));
    FileControl1->LoadRecentFiles(RecentFilesKey);
    LoadPrinterChoice();
    // A document named on the command line takes the untitled document's place; the untitled one is made
    // only when there is no such document or it cannot be opened. Nothing is shown before the window is,
    // so what the user meets is the same as making the untitled document first and replacing it.
    // It is the document's own file, as one chosen in the open dialog is: Save writes it, and the title and
    // the recent list name it by its absolute path, whatever folder the program was started in.
    const QStringList args = Arguments();
    if (args.size() > 1)
        FileControl1->OpenFile(QFileInfo(args.at(1)).absoluteFilePath());
    if (!Document) {
        try {
            FileControl1->New();
        } catch (...) {
            // No first document: the window runs without one.
        }
    }
    const QString projects = QDir(Platform::UserFolder()).absoluteFilePath(QStringLiteral("Projects"));
    OpenDialog1->SetInitialDir(projects);
    SaveDialog1->SetInitialDir(projects);
    RegisterInstallPath();
    UpdateActions();
}

void TMain::FormDestroy(TObject *)
{
    FileControl1->SaveRecentFiles(RecentFilesKey);
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const QString layout = QDir(Platform::UserFolder()).filePath(exe + QStringLiteral(".acf"));
    // Nothing reads the layout file; a folder that cannot take it must not stop the program from ending,
    // and a file there that is none of the program's (a FIFO, a device) is left as it is.
    try {
        if (Platform::SideFileUsable(layout, 1024 * 1024))
            ActionManager1->SaveToFile(layout);
    } catch (const std::exception &) {
    }
}

void TMain::LoadPrinterChoice()
{
    TRegistry reg;
    if (reg.OpenKey(PrinterKey, false))
        Printer()->SetChoice({reg.ReadString(QStringLiteral("Printer")), reg.ReadString(QStringLiteral("File"))});
}

void TMain::SavePrinterChoice()
{
    // Like the recent files: a registry that cannot take it costs the next run the choice, nothing more.
    try {
        const TPrinter::TChoice choice = Printer()->Choice();
        TRegistry reg;
        if (reg.OpenKey(PrinterKey, true)) {
            reg.WriteString(QStringLiteral("Printer"), choice.PrinterName);
            reg.WriteString(QStringLiteral("File"), choice.FileName);
        }
    } catch (const ERegistryException &) {
    }
}

void TMain::RegisterInstallPath()
{
    try {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        const QString path = QCoreApplication::applicationFilePath();
        // Written only when it differs: a start does not rewrite the registry file.
        if (reg.OpenKey(QStringLiteral("Software\\Dovra\\DovraApd"), true) && reg.ReadString(QString()) != path)
            reg.WriteString(QString(), path);
    } catch (...) {
    }
}

// ---- Hints, activation, closing, wheel ----

void TMain::ShowHint(TObject *)
{
    const QString hint = Application()->Hint();
    StatusBar1->SetSimpleText(hint.isEmpty() ? FPrintedNote : hint);
}

void TMain::FormActivate(TObject *)
{
    if (FHintInstalled)
        return;
    FOldHint = Application()->OnHint;
    Application()->OnHint = BoundEvent<TNotifyEvent>(this, "ShowHint");
    FHintInstalled = true;
}

void TMain::FormDeactivate(TObject *)
{
    if (!FHintInstalled)
        return;
    Application()->OnHint = FOldHint;
    FOldHint = nullptr;
    FHintInstalled = false;
}

void TMain::FormCloseQuery(TObject *, bool &CanClose)
{
    CanClose = FileControl1->CloseQuery();
}

void TMain::FormMouseWheel(TObject *, TShiftState, int WheelDelta, TPoint, bool &)
{
    QScrollBar *bar = ScrollBox1->ScrollArea()->verticalScrollBar();
    if (WheelDelta > 0)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

// ---- The document ----

void TMain::DocumentChanged(TObject *)
{
    FileControl1->SetModified(true);
}

void TMain::SetDocument(TApdData *New)
{
    if (Document) {
        TApdData *old = Document;
        Document = nullptr;
        delete old;
    }
    Document = New;
    if (!New) {
        UpdateActions();
        return;
    }
    New->SetParent(ScrollBox1);
    New->SetTop(0);
    New->SetLeft(std::max(0, (ClientWidth() - New->Width()) / 2));
    New->SetVisible(true);
    New->OnChange = [this](TObject *Sender) { DocumentChanged(Sender); };
    New->SetPageMenu(FPageMenu);
    for (int i = 0; i < 4; ++i)
        aPrintColorH[i]->SetChecked(Sheme(i)->PrintColor());
    // The focus starts on the form, visibly, rather than nowhere (or wherever the window system puts it).
    if (TInplaceEditFrame *box = New->FirstTypedBox())
        box->SetFocus();
    UpdateActions();
}

bool TMain::CommitTyping()
{
    return !Document || Document->CommitTyping();
}

void TMain::ScrollBox1Resize(TObject *)
{
    if (Document)
        Document->SetLeft(std::max(0, (ClientWidth() - Document->Width()) / 2));
}

void TMain::OpenDocument(const QString &Path)
{
    for (;;) {
        auto *doc = new TApdData(nullptr);
        try {
            Platform::TFileStamp stamp;
            doc->LoadFromFile(Path, &stamp);
            FileControl1->SetModified(false);
            FileControl1->SetFileName(FromTemplate ? UntitledName : Path);
            // A template opens as a new document: saving it never writes over the template.
            FFileStamp = FromTemplate ? Platform::TFileStamp() : stamp;
            SetDocument(doc);
            return;
        } catch (const std::exception &e) {
            if (Document != doc)
                delete doc;
            // The reader's reason (the file's access, or where its contents are damaged) follows the path.
            const QString reason = QString::fromUtf8(e.what());
            if (MessageDlg(QStringLiteral("Αδυναμία ανοίγματος αρχείου ") + Path +
                               (reason.isEmpty() ? QString() : QStringLiteral("\r\n") + reason),
                           mtWarning, mbAbortRetryIgnore, 0) != mrRetry)
                return;
        }
    }
}

void TMain::MakeBackup(const QString &Path, int Generation)
{
    if (!QFileInfo(Path).isFile())
        return;
    const QString backup = Path + QStringLiteral(".bck");
    if (QFileInfo::exists(backup)) {
        if (Generation == 2)
            QFile::remove(backup);
        else
            MakeBackup(backup, Generation + 1);
    }
    if (Generation == 1) {
        // The document itself stays where it is until its new version replaces it in one step: the first
        // backup is a second name for the same file (or a copy where links are not possible).
        Platform::LinkOrCopy(Path, backup);
    } else {
        QFile::rename(Path, backup);
    }
}

bool TMain::SaveDocument(const QString &Path)
{
    if (!Document)
        return true;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Document->SaveToStream(buffer);
    // Another program (another window of this one, say) saved the same file meanwhile: its work would be
    // lost without a word. A file that is gone holds nothing to lose. Yes, the button Enter presses, keeps
    // both versions.
    if (FFileStamp.Names(Path) && Platform::ChangedSince(FFileStamp, TApdData::MaxFileSize)) {
        const QString question =
            QStringLiteral("Το αρχείο %1 άλλαξε από άλλο πρόγραμμα αφού το ανοίξατε ή το αποθηκεύσατε εδώ.\r\n"
                           "Να αποθηκευτεί το έντυπο με άλλο όνομα, ώστε να μη χαθούν εκείνες οι αλλαγές;\r\n\r\n"
                           "Ναι: αποθήκευση με άλλο όνομα.\r\n"
                           "Όχι: αντικατάσταση του αρχείου.\r\n"
                           "Άκυρο: καμία αποθήκευση.")
                .arg(Path);
        switch (MessageDlg(question, mtWarning, mbYesNoCancel, 0)) {
        case mrYes:
            return FileControl1->SaveAs();
        case mrNo:
            break;
        default:
            return false;
        }
    }
    // The new version is written completely beside the document before anything on disk changes (the
    // leftovers of saves that never ended go first), and the backup is made just before it takes the
    // document's place.
    FFileStamp = Platform::ReplaceFile(Path, buffer.data(), [&] { MakeBackup(Path, 1); });
    FileControl1->SetModified(false);
    FileControl1->SetFileName(Path);
    Platform::AddToRecentDocs(Path);
    return true;
}

// ---- Document controller's operations ----

void TMain::FileControl1QuerySave(TObject *, int &Result)
{
    Result = MessageDlg(QStringLiteral("Θέλετε να αποηθκεύσετε τις αλλαγές στο ") +
                            QFileInfo(FileControl1->FileName()).fileName() + QStringLiteral("?"),
                        mtConfirmation, mbYesNoCancel, 0);
}

void TMain::FileControl1FileNew(TObject *, bool &)
{
    if (!FromTemplate) {
        auto *doc = new TApdData(nullptr);
        try {
            for (int i = 0; i < 4; ++i)
                doc->AddPage();
            doc->PageControl1->SetActivePageIndex(0);
        } catch (...) {
            delete doc;
            throw;
        }
        SetDocument(doc);
        FileControl1->SetFileName(UntitledName);
        FFileStamp = {};
        return;
    }
    OpenDialog1->SetFilterIndex(2);
    OpenDialog1->SetFileName(FileControl1->FileName());
    if (OpenDialog1->Execute())
        OpenDocument(OpenDialog1->FileName());
}

void TMain::FileControl1FileOpen(TObject *, bool &)
{
    OpenDialog1->SetFilterIndex(1);
    OpenDialog1->SetFileName(FileControl1->FileName());
    if (OpenDialog1->Execute())
        OpenDocument(OpenDialog1->FileName());
}

void TMain::FileControl1FileRecent(TObject *, const QString &AFile)
{
    if (FileControl1->CloseQuery())
        OpenDocument(AFile);
}

void TMain::FileControl1FileSave(TObject *, bool &Result)
{
    if (!FileControl1->IsNew())
        Result = SaveDocument(FileControl1->FileName());
}

void TMain::FileControl1FileSaveAs(TObject *, bool &Result)
{
    SaveDialog1->SetFilterIndex(1);
    SaveDialog1->SetFileName(FileControl1->FileName());
    Result = SaveDialog1->Execute() && SaveDocument(SaveDialog1->FileName());
}

void TMain::FileControl1CommitTyping(TObject *, bool &Result)
{
    Result = CommitTyping();
}

void TMain::FileControl1FileChange(TObject *)
{
    SetCaption(QStringLiteral("%1 (%2)").arg(Application()->Title(), FileControl1->FileName()));
}

// ---- Commands ----

void TMain::aNewExecute(TObject *)
{
    FileControl1->New();
}

void TMain::aFileNewFromTemplateExecute(TObject *)
{
    FromTemplate = true;
    TScopeExit restore([this] { FromTemplate = false; });
    FileControl1->New();
}

void TMain::aSaveExecute(TObject *)
{
    FileControl1->Save();
}

void TMain::aSaveAsExecute(TObject *)
{
    FileControl1->SaveAs();
}

void TMain::aOpenExecute(TObject *)
{
    FileControl1->Open();
}

void TMain::aPreviewExecute(TObject *)
{
    if (Document && CommitTyping())
        Document->Preview();
}

void TMain::aPrintExecute(TObject *)
{
    if (!Document || !CommitTyping())
        return;
    const QString file = Document->Print(QFileInfo(FileControl1->FileName()).fileName());
    FPrintedNote = file.isEmpty() ? QString() : PrintedFilesText({file});
    if (!FPrintedNote.isEmpty())
        StatusBar1->SetSimpleText(FPrintedNote);
}

void TMain::FilePageSetup1Execute(TObject *)
{
    PageSetupDialog1->Execute();
}

void TMain::FilePrintSetup1Execute(TObject *)
{
    if (PrinterSetupDialog1->Execute())
        SavePrinterChoice();
}

void TMain::aExitExecute(TObject *)
{
    Close();
}

void TMain::aExportIkaApdExecute(TObject *)
{
    if (Document && CommitTyping())
        Document->ExportIkaApd();
}

void TMain::aInsertPageExecute(TObject *)
{
    if (Document && CommitTyping())
        Document->AddPage();
}

void TMain::aDeletePageExecute(TObject *)
{
    if (Document && CommitTyping())
        Document->DeletePage();
}

void TMain::EditTable(TDataSet *Table, TObject *Sender)
{
    if (Table)
        TTableEditor::Edit(Table, Sender, true);
}

void TMain::aEmployesExecute(TObject *Sender)
{
    EditTable(APDDataModule ? APDDataModule->tbEmployes : nullptr, Sender);
}

void TMain::aEmployersExecute(TObject *Sender)
{
    EditTable(APDDataModule ? APDDataModule->tbEmployers : nullptr, Sender);
}

void TMain::aIkaOfficesExecute(TObject *Sender)
{
    EditTable(APDDataModule ? APDDataModule->tbIkaOffices : nullptr, Sender);
}

void TMain::Action2Execute(TObject *Sender)
{
    EditTable(APDDataModule ? APDDataModule->tbInsCases : nullptr, Sender);
}

void TMain::Action1Execute(TObject *Sender)
{
    EditTable(APDDataModule ? APDDataModule->tbPayment : nullptr, Sender);
}

void TMain::Action3Execute(TObject *Sender)
{
    EditTable(APDDataModule ? APDDataModule->tbConPhase : nullptr, Sender);
}

void TMain::Action4Execute(TObject *)
{
    if (Document)
        Document->SetScale(100);
}

void TMain::Action5Execute(TObject *)
{
    if (Document)
        Document->SetScale(120);
}

// ---- Look schemes ----

TXFrameSheme *TMain::Sheme(int Index) const
{
    TXFrameSheme *const schemes[4] = {Document->ShemeH0, Document->ShemeH1, Document->ShemeH2, Document->ShemeH3};
    return schemes[Index];
}

int TMain::SchemeIndexOf(TObject *Sender, TAction *const (&Actions)[4]) const
{
    for (int i = 0; i < 4; ++i)
        if (Actions[i] == Sender)
            return i;
    return -1;
}

void TMain::aFontExecute(TObject *Sender)
{
    const int index = SchemeIndexOf(Sender, aFontH);
    if (!Document || index < 0)
        return;
    // The empty boxes' font is the data boxes' secondary font.
    FontDialog1->SetFont(index == 1 ? Sheme(2)->SecondaryFont() : Sheme(index)->Font());
    if (!FontDialog1->Execute())
        return;
    if (index == 1) {
        Sheme(1)->SetFont(FontDialog1->Font());
        Sheme(2)->SetSecondaryFont(FontDialog1->Font());
    } else {
        Sheme(index)->SetFont(FontDialog1->Font());
    }
    FileControl1->SetModified(true);
}

void TMain::aColorExecute(TObject *Sender)
{
    const int index = SchemeIndexOf(Sender, aColorH);
    if (!Document || index < 0)
        return;
    ColorDialog1->SetColor(Sheme(index)->Color());
    if (!ColorDialog1->Execute())
        return;
    Sheme(index)->SetColor(ColorDialog1->Color());
    FileControl1->SetModified(true);
}

void TMain::aPrintColorExecute(TObject *Sender)
{
    const int index = SchemeIndexOf(Sender, aPrintColorH);
    if (!Document || index < 0)
        return;
    Sheme(index)->SetPrintColor(aPrintColorH[index]->Checked());
    FileControl1->SetModified(true);
}

// ---- Help ----

void TMain::aHelpContentsExecute(TObject *)
{
    if (HtmlHelpA)
        HtmlHelpA(0, Application()->HelpFile(), HH_DISPLAY_TOC, 0);
}

void TMain::aHelpIndexExecute(TObject *)
{
    if (HtmlHelpA)
        HtmlHelpA(0, Application()->HelpFile(), HH_DISPLAY_INDEX, 0);
}

void TMain::aHelpSearchExecute(TObject *)
{
    if (HtmlHelpA)
        HtmlHelpA(0, Application()->HelpFile(), HH_DISPLAY_TOPIC, 0);
}

void TMain::aAboutExecute(TObject *)
{
    ShowAbout();
}

// ---- Update handlers: what needs a document is enabled only with one ----

void TMain::aPreviewUpdate(TObject *)
{
    aPreview->SetEnabled(Document != nullptr);
}

void TMain::aPrintUpdate(TObject *)
{
    aPrint->SetEnabled(Document != nullptr);
}

void TMain::aExportIkaApdUpdate(TObject *)
{
    aExportIkaApd->SetEnabled(Document != nullptr);
}

void TMain::aInsertPageUpdate(TObject *Sender)
{
    if (auto *a = qobject_cast<TAction *>(Sender))
        a->SetEnabled(Document != nullptr);
}

void TMain::aPageSelectUpdate(TObject *)
{
    aPageSelect->SetEnabled(Document != nullptr);
}

void TMain::Action6Update(TObject *Sender)
{
    if (auto *a = qobject_cast<TAction *>(Sender))
        a->SetEnabled(Document != nullptr);
}

// The help commands need the help library; without it they are off rather than calling nothing.
void TMain::aHelpUpdate(TObject *Sender)
{
    if (auto *a = qobject_cast<TAction *>(Sender))
        a->SetEnabled(HtmlHelpA != nullptr);
}

void TMain::aAboutUpdate(TObject *)
{
    aAbout->SetEnabled(true);
}
