#include "ApdDataTestSupport.h"
#include "app/EmployerFrameF.h"
#include "app/MainF.h"
#include "app/Program.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "support/FocusTakingDialogs.h"
#include "support/PrivateHome.h"
#include "vcl/CodePage.h"
#include "vcl/PrintDialogs.h"
#include "vcl/StdDialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <map>

namespace
{

class MainTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        TRegistry::SetStorageFolder(Dir.filePath(QStringLiteral("registry")));
        Platform::SetRecentDocsFile(Dir.filePath(QStringLiteral("recently-used.xbel")));
        Program::InitializeApplication();
        const QStringList args{QStringLiteral("DovraApd")};
        TMain::SetArguments(&args);
        Projects = Dir.filePath(QStringLiteral("Έργα.bck"));
        QDir().mkpath(Projects);
        // The open and the save dialog (a kind of open dialog) alike.
        PreviousHandler = SetCommonDialogHandler([this](TComponent *Dialog) {
            if (auto *d = qobject_cast<TOpenDialog *>(Dialog))
                return Answer(d);
            return false;
        });
    }
    // Records what a file dialog was shown with and answers with the next choice (none: cancelled).
    bool Answer(TOpenDialog *d)
    {
        Shown.push_back(d);
        FileNames.push_back(d->FileName());
        FilterIndexes.push_back(d->FilterIndex());
        Selections.push_back(d->InitialSelection());
        if (Choices.empty())
            return false;
        // The user confirms what the dialog shows, or types another name.
        d->SetFileName(Choices.front() == AsShown ? d->InitialSelection() : Choices.front());
        Choices.erase(Choices.begin());
        return true;
    }
    void TearDown() override
    {
        SetCommonDialogHandler(PreviousHandler);
        TMain::SetArguments(nullptr);
        TRegistry::SetStorageFolder(QString());
        Platform::SetRecentDocsFile(QString());
    }
    std::unique_ptr<TMain> MakeMain()
    {
        auto m = std::make_unique<TMain>(nullptr);
        Main = m.get();
        return m;
    }
    // The main window shown, not maximised, and active: the mouse and the keys reach it.
    std::unique_ptr<TMain> ShowMain()
    {
        auto m = MakeMain();
        m->Peer()->setWindowState(Qt::WindowNoState);
        m->Peer()->resize(1000, 700);
        m->Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m->Peer()));
        return m;
    }

    QTemporaryDir Dir;
    QString Projects;
    TCommonDialogHandler PreviousHandler;
    std::vector<TComponent *> Shown;
    QStringList FileNames;
    std::vector<int> FilterIndexes;
    QStringList Selections;
    QStringList Choices;
    const QString AsShown = QStringLiteral("<as shown>");
};

TEST_F(MainTest, StartsWithAnUntitledDocumentOfFourPages)
{
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    ASSERT_TRUE(main->Document);
    EXPECT_EQ(main->Caption(), QStringLiteral("Dovra Α.Π.Δ. (Ανώνυμο)"));
    EXPECT_EQ(main->Document->PageControl1->PageCount(), 4);
    EXPECT_EQ(main->Document->PageControl1->ActivePageIndex(), 0);
    EXPECT_FALSE(main->FileControl1->Modified());
    EXPECT_TRUE(main->FileControl1->IsNew());
    EXPECT_TRUE(main->aPrint->Enabled());
    EXPECT_EQ(main->PageMenu()->actions().size(), 4);
    EXPECT_EQ(dialogs.Count(), 0);
    // Menus: the recent-files host is item 5 of the file menu, the page list item 2 of the pages menu.
    TActionClientItem *file = main->ActionMainMenuBar1->Items()->Items()->Items(0);
    EXPECT_EQ(file->Items()->Items(5)->Action(), main->aRecentFiles);
    EXPECT_EQ(main->FileControl1->RecentItem(), file->Items()->Items(5));

    // Pages are made as they are shown: the first with the window, another when its tab is chosen, each
    // with the document's period, and making them is no change of the document.
    TApdData *d = main->Document;
    EXPECT_FALSE(TApdData::PageOf(d->PageControl1->Pages(0))->IsStored());
    for (int i = 1; i < 4; ++i)
        EXPECT_TRUE(TApdData::PageOf(d->PageControl1->Pages(i))->IsStored()) << i;
    main->Show();
    QCoreApplication::processEvents();
    d->PageControl1->SetActivePageIndex(2);
    QCoreApplication::processEvents();
    TEmployFrame *third = TApdData::PageOf(d->PageControl1->Pages(2));
    ASSERT_FALSE(third->IsStored());
    EXPECT_TRUE(third->XDateFrame1->Peer()->isVisible());
    EXPECT_EQ(third->XDateFrame1->Date(), StartOfTheMonth(d->DatePeriodFrame->Date()));
    EXPECT_EQ(third->DayCount39_3->Value(), d->Pages(0)->DayCount39_3->Value());
    EXPECT_EQ(third->ShemeH2->Font()->Height(), d->ShemeH2->Font()->Height());
    EXPECT_FALSE(main->FileControl1->Modified());
    EXPECT_TRUE(TApdData::PageOf(d->PageControl1->Pages(1))->IsStored());
}

TEST_F(MainTest, SaveGoesThroughSaveAsAndKeepsTwoBackupGenerations)
{
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    // Cancelled: nothing saved, still modified.
    main->FileControl1->SetModified(true);
    EXPECT_FALSE(main->FileControl1->Save());
    ASSERT_EQ(FileNames.size(), 1);
    EXPECT_EQ(FileNames[0], QStringLiteral("Ανώνυμο"));
    EXPECT_EQ(FilterIndexes[0], 1);
    EXPECT_TRUE(main->FileControl1->Modified());

    const QString doc = QDir(Projects).filePath(QStringLiteral("Έργο.vapd"));
    Choices << doc;
    EXPECT_TRUE(main->FileControl1->Save());
    EXPECT_TRUE(QFileInfo::exists(doc));
    EXPECT_FALSE(main->FileControl1->Modified());
    EXPECT_EQ(main->FileControl1->FileName(), doc);
    EXPECT_FALSE(main->FileControl1->IsNew());
    EXPECT_EQ(main->Caption(), QStringLiteral("Dovra Α.Π.Δ. (%1)").arg(doc));

    // Later saves go straight to the file and rotate the backups.
    for (int i = 0; i < 3; ++i) {
        main->Document->AddPage();
        EXPECT_TRUE(main->FileControl1->Modified());
        EXPECT_TRUE(main->FileControl1->Save());
    }
    EXPECT_EQ(Shown.size(), 2u);
    QStringList files = QDir(Projects).entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{"Έργο.vapd", "Έργο.vapd.bck", "Έργο.vapd.bck.bck"}));
    // Each generation is a whole earlier version: the newest has the most pages.
    auto pagesIn = [](const QString &path) {
        TApdData d(nullptr);
        d.LoadFromFile(path);
        return d.PageControl1->PageCount();
    };
    EXPECT_EQ(pagesIn(doc), 7);
    EXPECT_EQ(pagesIn(doc + QStringLiteral(".bck")), 6);
    EXPECT_EQ(pagesIn(doc + QStringLiteral(".bck.bck")), 5);
}

// The desktop's list of recent files, where every saved document goes, is another program's file: a FIFO
// there is refused at once, told of once a run and left as it is; the documents are saved all the same.
TEST_F(MainTest, ARecentListThatIsAFifoIsToldOfOnceAndSavesGoOn)
{
    TFifoWatch fifo({Dir.filePath(QStringLiteral("recently-used.xbel"))});
    ASSERT_TRUE(fifo.Made());
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    const QString doc = QDir(Projects).filePath(QStringLiteral("Έργο.vapd"));
    Choices << doc;
    EXPECT_TRUE(main->FileControl1->SaveAs());
    main->Document->AddPage();
    EXPECT_TRUE(main->FileControl1->Save());
    EXPECT_FALSE(main->FileControl1->Modified());
    EXPECT_TRUE(QFileInfo::exists(doc + QStringLiteral(".bck")));
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg.toStdString(),
              QStringLiteral("Το αρχείο %1 δεν διαβάζεται: είναι σωλήνωση (FIFO), όχι αρχείο.\r\nΤο πρόγραμμα "
                             "συνεχίζει χωρίς αυτό, με τις προεπιλογές του, και αφήνει το αρχείο όπως είναι.")
                  .arg(Dir.filePath(QStringLiteral("recently-used.xbel")))
                  .toStdString());
    EXPECT_TRUE(fifo.StillThere());
    EXPECT_TRUE(fifo.Waited().isEmpty()) << fifo.Waited().join(u' ').toStdString();
}

TEST_F(MainTest, FailedSaveLeavesTheState)
{
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    main->FileControl1->SetModified(true);
    Choices << Dir.filePath(QStringLiteral("no such folder/a.vapd"));
    EXPECT_ANY_THROW(main->FileControl1->SaveAs());
    EXPECT_TRUE(main->FileControl1->Modified());
    EXPECT_EQ(main->FileControl1->FileName(), QStringLiteral("Ανώνυμο"));
    EXPECT_TRUE(main->FileControl1->IsNew());

    // A save leaves no temporary file behind.
    const QString doc = QDir(Projects).filePath(QStringLiteral("a.vapd"));
    Choices << doc;
    ASSERT_TRUE(main->FileControl1->SaveAs());
    EXPECT_EQ(QDir(Projects).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.vapd")});
}

TEST_F(MainTest, ExitQuestion)
{
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    main->FileControl1->SetModified(true);
    // Yes, then the name dialog cancelled: the program keeps running, still modified.
    dialogs.Answer(mrYes);
    bool canClose = true;
    main->FormCloseQuery(main.get(), canClose);
    EXPECT_FALSE(canClose);
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg, QStringLiteral("Θέλετε να αποηθκεύσετε τις αλλαγές στο Ανώνυμο?"));
    EXPECT_TRUE(main->FileControl1->Modified());

    // No to the open's question, then the open dialog cancelled: the document stays, no longer modified.
    TApdData *doc = main->Document;
    dialogs.Answer(mrNo);
    main->aOpen->Execute();
    EXPECT_EQ(main->Document, doc);
    EXPECT_FALSE(main->FileControl1->Modified());
    main->FormCloseQuery(main.get(), canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(dialogs.Count(), 2);
}

TEST_F(MainTest, OpenReadableAndUnreadableDocuments)
{
    TScriptedDialogs dialogs;
    const QString doc = QDir(Projects).filePath(QStringLiteral("b.vapd"));
    {
        auto main = MakeMain();
        main->Document->AddPage();
        Choices << doc;
        ASSERT_TRUE(main->FileControl1->SaveAs());
    }
    auto main = MakeMain();
    Choices << doc;
    main->aOpen->Execute();
    EXPECT_EQ(main->Document->PageControl1->PageCount(), 5);
    EXPECT_EQ(main->FileControl1->FileName(), doc);
    EXPECT_FALSE(main->FileControl1->IsNew());
    EXPECT_FALSE(main->FileControl1->Modified());

    // A damaged file: Retry asks again, Abort ends; the current document stays.
    const QString bad = QDir(Projects).filePath(QStringLiteral("bad.vapd"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("TPF0 not a document");
    f.close();
    TApdData *current = main->Document;
    dialogs.Answer(mrRetry);
    dialogs.Answer(mrAbort);
    main->OpenDocument(bad);
    EXPECT_EQ(main->Document, current);
    ASSERT_EQ(dialogs.Count(), 2);
    // The path, then the reader's reason: where the contents stopped making sense.
    EXPECT_TRUE(dialogs.Requests()[1].Msg.startsWith(QStringLiteral("Αδυναμία ανοίγματος αρχείου ") + bad +
                                                     QStringLiteral("\r\nΣφάλμα ανάγνωσης δεδομένων (θέση ")))
        << dialogs.Requests()[1].Msg.toStdString();
    EXPECT_EQ(dialogs.Requests()[1].DlgType, mtWarning);

    // A template opens untitled.
    Choices << doc;
    main->aFileNewFromTemplate->Execute();
    EXPECT_EQ(FilterIndexes.back(), 2);
    EXPECT_EQ(main->FileControl1->FileName(), QStringLiteral("Ανώνυμο"));
    EXPECT_TRUE(main->FileControl1->IsNew());
    EXPECT_FALSE(main->FromTemplate);
    EXPECT_EQ(main->Document->PageControl1->PageCount(), 5);
}

TEST_F(MainTest, SaveAsStartsBesideTheDocumentAndNeverOnANamesake)
{
    TScriptedDialogs dialogs;
    const QString elsewhere = Dir.filePath(QStringLiteral("Άλλος φάκελος"));
    QDir().mkpath(elsewhere);
    const QString doc = QDir(elsewhere).filePath(QStringLiteral("Έργο.vapd"));
    const QString namesake = QDir(Projects).filePath(QStringLiteral("Έργο.vapd"));
    {
        auto main = MakeMain();
        Choices << doc;
        ASSERT_TRUE(main->FileControl1->SaveAs());
        main->Document->AddPage();
        main->Document->AddPage();
        Choices << namesake;
        ASSERT_TRUE(main->FileControl1->SaveAs());
    }
    const QByteArray namesakeBytes = [&] {
        QFile f(namesake);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_FALSE(namesakeBytes.isEmpty());

    auto main = MakeMain();
    // The untitled document starts in the program's projects folder.
    main->aSaveAs->Execute();
    EXPECT_EQ(Selections.back().toStdString(),
              QDir(Platform::UserFolder()).filePath(QStringLiteral("Projects/Ανώνυμο")).toStdString());

    // Opened from another folder: Save As starts on the document itself, and confirming saves it there.
    Choices << doc;
    main->aOpen->Execute();
    ASSERT_EQ(main->FileControl1->FileName(), doc);
    main->Document->AddPage();
    Choices << AsShown;
    main->aSaveAs->Execute();
    EXPECT_EQ(Selections.back().toStdString(), doc.toStdString());
    EXPECT_EQ(main->FileControl1->FileName(), doc);
    EXPECT_FALSE(main->FileControl1->Modified());
    TApdData reread(nullptr);
    reread.LoadFromFile(doc);
    EXPECT_EQ(reread.PageControl1->PageCount(), 5);
    QFile f(namesake);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), namesakeBytes);
}

// Counts the warnings of unanswered message dialogs while it lives.
class TUnansweredDialogs
{
public:
    TUnansweredDialogs() : FPrevious(qInstallMessageHandler(&TUnansweredDialogs::Handle)) { Messages().clear(); }
    ~TUnansweredDialogs() { qInstallMessageHandler(FPrevious); }
    static QStringList &Messages()
    {
        static QStringList messages;
        return messages;
    }

private:
    static void Handle(QtMsgType, const QMessageLogContext &, const QString &msg)
    {
        const QString prefix = QStringLiteral("Unanswered message dialog: ");
        if (msg.startsWith(prefix))
            Messages() << msg.mid(prefix.size());
    }
    QtMessageHandler FPrevious;
};

TEST_F(MainTest, UnattendedStartWithAnUnreadableDocumentAsksOnceAndGoesOn)
{
    const QString bad = QDir(Projects).filePath(QStringLiteral("χαλασμένο.vapd"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("TPF0 not a document");
    f.close();
    const QStringList args{QStringLiteral("DovraApd"), bad};
    TMain::SetArguments(&args);
    // No screen and no one to answer: the question gets its safe answer (Abort), not Retry for ever.
    TUnansweredDialogs unanswered;
    const TMessageDlgHandler previous = SetMessageDlgHandler({});
    auto main = MakeMain();
    SetMessageDlgHandler(previous);
    ASSERT_EQ(TUnansweredDialogs::Messages().size(), 1);
    EXPECT_TRUE(TUnansweredDialogs::Messages()[0].startsWith(QStringLiteral("Αδυναμία ανοίγματος αρχείου ") + bad));
    ASSERT_TRUE(main->Document);
    EXPECT_EQ(main->FileControl1->FileName(), QStringLiteral("Ανώνυμο"));
}

TEST_F(MainTest, ACommandLineDocumentWithValuesTheFileCannotTakeOpensWholeAndItsExportNamesThem)
{
    // Written elsewhere: an Α.Φ.Μ. with a letter, and a kind of project with a byte that code page 1253
    // leaves undefined.
    const QString doc = QDir(Projects).filePath(QStringLiteral("ξένο.vapd"));
    const QString kind = FromCp1253(ToCp1253(QStringLiteral("ΑΝΕΓΕΡΣΗ ")) + '\x88');
    {
        TApdData w(nullptr);
        w.AddPage();
        w.frameAFM->SetCaption(QStringLiteral("12345678X"));
        w.xEidosErgou->SetCaption(kind);
        w.SaveToFile(doc);
    }
    const QStringList args{QStringLiteral("DovraApd"), doc};
    TMain::SetArguments(&args);
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    EXPECT_EQ(main->FileControl1->FileName(), doc);
    EXPECT_EQ(main->Document->xEidosErgou->Caption(), kind);
    EXPECT_EQ(dialogs.Count(), 0);

    // The export, as the menu gives it, stops before it asks anything, naming both boxes.
    main->aExportIkaApd->Handle()->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.Count(), 1);
    const QString said = dialogs.Requests()[0].Msg;
    EXPECT_TRUE(said.contains(QStringLiteral("Α.Φ.Μ.: 12345678X (το πεδίο του αρχείου δέχεται μόνο ψηφία)")))
        << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("ΕΙΔΟΣ ΕΡΓΟΥ: ΑΝΕΓΕΡΣΗ \uFFFD (περιέχει χαρακτήρα (κωδικός 0x88)")))
        << said.toStdString();

    // Nothing of the document was lost on the way: saved again and read back, it holds the same bytes.
    const QString again = QDir(Projects).filePath(QStringLiteral("ξένο ξανά.vapd"));
    main->Document->SaveToFile(again);
    TApdData reread(nullptr);
    reread.LoadFromFile(again);
    EXPECT_EQ(ToCp1253(reread.xEidosErgou->Caption()), ToCp1253(QStringLiteral("ΑΝΕΓΕΡΣΗ ")) + '\x88');
    EXPECT_EQ(reread.frameAFM->Caption(), QStringLiteral("12345678X"));
}

// A document named on the command line (a file manager's double click) is the document's own file: Save
// writes it, as after File > Άνοιγμα, and a name relative to the folder the program started in stands as
// the absolute path in the title and the recent list.
TEST_F(MainTest, CommandLineDocumentIsSavedInPlaceAndEntersTheRecentList)
{
    TScriptedDialogs dialogs;
    const QString doc = QDir(Projects).filePath(QStringLiteral("c.vapd"));
    {
        auto main = MakeMain();
        Choices << doc;
        ASSERT_TRUE(main->FileControl1->SaveAs());
    }
    const int dialogsBefore = int(Shown.size());
    const QString started = QDir::currentPath();
    TScopeExit back([&] { QDir::setCurrent(started); });
    ASSERT_TRUE(QDir::setCurrent(Projects));
    const QStringList args{QStringLiteral("DovraApd"), QStringLiteral("c.vapd")};
    TMain::SetArguments(&args);
    {
        auto main = ShowMain();
        EXPECT_EQ(main->FileControl1->FileName(), doc);
        EXPECT_EQ(main->Caption(), QStringLiteral("Dovra Α.Π.Δ. (%1)").arg(doc));
        EXPECT_FALSE(main->FileControl1->IsNew());
        // The clerk changes a box and chooses File > Αποθήκευση: the file itself is written, nothing asked.
        main->Document->xEidosErgou->SetCaption(QStringLiteral("ΑΝΕΓΕΡΣΗ ΟΙΚΟΔΟΜΗΣ"));
        main->FileControl1->SetModified(true);
        ASSERT_TRUE(QDir::setCurrent(Dir.path()));
        main->aSave->Handle()->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(int(Shown.size()), dialogsBefore);
        EXPECT_EQ(dialogs.Count(), 0);
        EXPECT_FALSE(main->FileControl1->Modified());
        TApdData reread(nullptr);
        reread.LoadFromFile(doc);
        EXPECT_EQ(reread.xEidosErgou->Caption(), QStringLiteral("ΑΝΕΓΕΡΣΗ ΟΙΚΟΔΟΜΗΣ"));
        EXPECT_TRUE(QFileInfo::exists(doc + QStringLiteral(".bck")));
        EXPECT_FALSE(QFileInfo::exists(QDir(Platform::UserFolder()).filePath(QStringLiteral("Projects/c.vapd"))));
        // Closing it puts it in the recent list, which is stored when the window goes.
        main->aNew->Execute();
        ASSERT_EQ(main->FileControl1->RecentFiles()->Count(), 1);
        EXPECT_EQ(main->FileControl1->RecentFiles()->Strings(0), doc);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(TMain::RecentFilesKey, false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("File0")), doc);
    reg.CloseKey();
    const QStringList none{QStringLiteral("DovraApd")};
    TMain::SetArguments(&none);
    auto main = MakeMain();
    ASSERT_EQ(main->FileControl1->RecentFiles()->Count(), 1);
    // The recent entry's action opens the file.
    auto *action = qobject_cast<TAction *>(main->FileControl1->RecentFiles()->Objects(0));
    ASSERT_TRUE(action);
    action->Execute();
    EXPECT_EQ(main->FileControl1->FileName(), doc);
    EXPECT_FALSE(main->FileControl1->IsNew());
}

// Two presses of Ctrl+Del handled together (a busy moment, a repeating key): the second deletion is not
// asked inside the first one's question, and the command states are brought up to date once the first
// command has returned, not while its question is open.
TEST_F(MainTest, ACommandTriggeredWhileAnotherOnesQuestionIsOpenIsNotRun)
{
    TFocusTakingDialogs dialogs;
    auto main = ShowMain();
    int updates = 0;
    const TNotifyEvent update = main->aPreview->OnUpdate;
    main->aPreview->OnUpdate = [&](TObject *Sender) {
        ++updates;
        update(Sender);
    };
    TScopeExit putBack([&] { main->aPreview->OnUpdate = update; });
    std::vector<int> updatesWhenAnswered;
    const TMessageDlgHandler modal = SetMessageDlgHandler({});
    SetMessageDlgHandler([&](const TMessageDlgRequest &r) {
        const TModalResult answer = modal(r);
        updatesWhenAnswered.push_back(updates);
        return answer;
    });
    TScopeExit restore([&] { SetMessageDlgHandler(modal); });
    main->aDeletePage->Handle()->trigger();
    main->aDeletePage->Handle()->trigger();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.Count(), 1);
    EXPECT_EQ(dialogs.Requests()[0].Msg, QStringLiteral("Θέλετε να διαγράψετε τη Σελίδα 1"));
    EXPECT_EQ(main->Document->PageControl1->PageCount(), 3);
    EXPECT_EQ(updatesWhenAnswered, std::vector<int>{0});
    EXPECT_GE(updates, 1);
    // Chosen again once the question is answered, the command runs as ever.
    main->aDeletePage->Handle()->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.Count(), 2);
    EXPECT_EQ(main->Document->PageControl1->PageCount(), 2);
}

TEST_F(MainTest, ZoomSchemesAndWheel)
{
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    main->Action5->Execute();
    EXPECT_EQ(main->Document->Scale, 120);
    main->Action4->Execute();
    EXPECT_FALSE(main->FileControl1->Modified());

    const bool printColor = main->Document->ShemeH3->PrintColor();
    EXPECT_EQ(main->aPrintColorH[3]->Checked(), printColor);
    main->aPrintColorH[3]->Execute();
    EXPECT_EQ(main->Document->ShemeH3->PrintColor(), !printColor);
    EXPECT_TRUE(main->FileControl1->Modified());

    // A cancelled colour dialog changes nothing; a confirmed one writes the scheme.
    main->FileControl1->SetModified(false);
    main->aColorH[2]->Execute();
    EXPECT_FALSE(main->FileControl1->Modified());
    auto previous = SetCommonDialogHandler([](TComponent *Dialog) {
        if (auto *c = qobject_cast<TColorDialog *>(Dialog)) {
            c->SetColor(TColor(0x00FF00));
            return true;
        }
        if (auto *f = qobject_cast<TFontDialog *>(Dialog)) {
            f->Font()->SetName(QStringLiteral("Arial"));
            return true;
        }
        return false;
    });
    main->aColorH[2]->Execute();
    EXPECT_EQ(main->Document->ShemeH2->Color(), TColor(0x00FF00));
    EXPECT_TRUE(main->FileControl1->Modified());
    main->aFontH[1]->Execute();
    EXPECT_EQ(main->Document->ShemeH1->Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(main->Document->ShemeH2->SecondaryFont()->Name(), QStringLiteral("Arial"));
    SetCommonDialogHandler(previous);

    // Each wheel event scrolls one line of 80 pixels, whatever its delta.
    main->Peer()->resize(800, 400);
    QScrollBar *bar = main->ScrollBox1->ScrollArea()->verticalScrollBar();
    bar->setRange(0, 2000);
    bar->setValue(0);
    QWidget *viewport = main->ScrollBox1->ScrollArea()->viewport();
    for (int delta : {-240, -120}) {
        QWheelEvent e(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &e);
    }
    EXPECT_EQ(bar->value(), 160);
}

TEST_F(MainTest, WithoutADocumentTheDocumentCommandsAreOff)
{
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    main->SetDocument(nullptr);
    main->UpdateActions();
    for (TAction *a : {main->aPrint, main->aPreview, main->aExportIkaApd, main->aInsertPage, main->aDeletePage,
                       main->aPageSelect, main->aH0Sheme, main->aFontH[2], main->aPrintColorH[3]})
        EXPECT_FALSE(a->Enabled()) << a->Name().toStdString();
    EXPECT_TRUE(main->aNew->Enabled());
    main->Action5->Execute(); // nothing to zoom
}

TEST_F(MainTest, HintsOfToolButtonsAndMenuItemsReachTheStatusBarAsTheMouseMovesOverThem)
{
    TScriptedDialogs dialogs;
    auto main = ShowMain();
    QToolBar *tools = main->ActionToolBar1->ToolBar();
    QWidget *print = tools->widgetForAction(main->aPrint->Handle());
    ASSERT_TRUE(print);
    QTest::mouseMove(print, print->rect().center());
    EXPECT_EQ(main->StatusBar1->SimpleText(), QStringLiteral("Εκτύπωση"));
    QTest::mouseMove(main->ScrollBox1->Peer(), QPoint(5, 5));
    EXPECT_EQ(main->StatusBar1->SimpleText(), QString()) << "the hint goes with the mouse";

    // The file menu opened with a click on the menu bar; the mouse on its first item.
    QMenuBar *bar = main->ActionMainMenuBar1->MenuBar();
    QAction *fileMenu = bar->actions().at(0);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(fileMenu).center());
    QMenu *file = fileMenu->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QTest::mouseMove(file, file->actionGeometry(main->aNew->Handle()).center());
    EXPECT_EQ(main->StatusBar1->SimpleText(), QStringLiteral("Δημιουργία νέου αρχείου"));
    QTest::mouseMove(file, file->actionGeometry(main->aSaveAs->Handle()).center());
    EXPECT_EQ(main->StatusBar1->SimpleText(), QStringLiteral("Αποθήκευση αρχείου με διαφορετικό όνομα"));
    file->close();
    EXPECT_EQ(main->StatusBar1->SimpleText(), QString());
}

TEST_F(MainTest, F10ReachesTheMenuBarAsAltDoesAndLeavesItAgain)
{
    TScriptedDialogs dialogs;
    auto main = ShowMain();
    QWindow *window = main->Peer()->windowHandle();
    QMenuBar *bar = main->ActionMainMenuBar1->MenuBar();
    const QList<QAction *> menus = bar->actions();
    QWidget *box = QApplication::focusWidget();
    ASSERT_TRUE(box && main->Document->Peer()->isAncestorOf(box)) << "the focus starts in the form";

    // As the keyboard sends them to the window: F10 marks the first menu, the arrows move along the bar,
    // Enter opens the menu marked, Esc closes it and leaves the bar marked, F10 again leaves the bar.
    QTest::keyClick(window, Qt::Key_F10);
    EXPECT_EQ(QApplication::focusWidget(), bar);
    EXPECT_EQ(bar->activeAction(), menus.at(0));
    QTest::keyClick(window, Qt::Key_Right);
    EXPECT_EQ(bar->activeAction(), menus.at(1));
    QTest::keyClick(window, Qt::Key_Left);
    QTest::keyClick(window, Qt::Key_Return);
    QMenu *file = menus.at(0)->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    EXPECT_TRUE(file->isVisible());
    QTest::keyClick(file->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(file->isVisible());
    EXPECT_EQ(bar->activeAction(), menus.at(0));
    QTest::keyClick(window, Qt::Key_F10);
    EXPECT_EQ(bar->activeAction(), nullptr);
    // The keys go back to the box they came from, which is still being typed into.
    TInplaceEditFrame *typed = main->Document->FirstTypedBox();
    ASSERT_TRUE(typed && typed->Editor());
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget *>(typed->Editor()->LineEdit()));

    // Alt pressed and released alone does the same.
    QTest::keyPress(window, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(window, Qt::Key_Alt, Qt::NoModifier);
    EXPECT_EQ(bar->activeAction(), menus.at(0));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(bar->activeAction(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget *>(typed->Editor()->LineEdit()));

    // F10 with a modifier is no way to the bar.
    QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(bar->activeAction(), nullptr);
}

TEST_F(MainTest, EveryPictureOfTheToolBarAndMenusIsDrawnAndTellsItsCommandApart)
{
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    // The icon theme is installed and found, also without a desktop.
    EXPECT_EQ(QIcon::themeName(), QStringLiteral("Adwaita"));
    EXPECT_TRUE(QIcon::hasThemeIcon(QStringLiteral("document-print")));

    // Each picture as a 20-pixel button shows it: drawn (enough opaque, not-white pixels) and unlike the
    // pictures of the other image indexes, so that no two commands share a picture.
    std::map<int, std::pair<QString, QImage>> byIndex;
    for (int i = 0; i < main->ComponentCount(); ++i) {
        auto *a = qobject_cast<TAction *>(main->Components(i));
        if (!a || a->ImageIndex() < 0)
            continue;
        const QImage image = a->Handle()->icon().pixmap(QSize(20, 20)).toImage();
        int drawn = 0, firm = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 128) {
                    drawn += qGray(image.pixel(x, y)) < 200;
                    firm += qGray(image.pixel(x, y)) < 110;
                }
        EXPECT_GT(drawn, 20) << a->Name().toStdString() << " shows no picture";
        // Firm lines, as a picture has that is enabled: a faint one reads as greyed out.
        EXPECT_GE(firm, 25) << a->Name().toStdString() << " is drawn too faintly";
        byIndex.emplace(a->ImageIndex(), std::make_pair(a->Name(), image));
    }
    EXPECT_EQ(byIndex.size(), 16u);
    for (auto i = byIndex.begin(); i != byIndex.end(); ++i)
        for (auto j = std::next(i); j != byIndex.end(); ++j) {
            EXPECT_NE(i->second.second, j->second.second)
                << i->second.first.toStdString() << " and " << j->second.first.toStdString();
        }

    // Every tool-bar button shows a picture, not its caption.
    QToolBar *tools = main->ActionToolBar1->ToolBar();
    for (QAction *a : tools->actions()) {
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
        }
    }
    if (!qEnvironmentVariableIsEmpty("APD_SHOT_DIR")) {
        main->UpdateActions();
        QMenu *options = main->ActionMainMenuBar1->MenuBar()->actions().at(3)->menu();
        options->adjustSize();
        options->grab().save(qEnvironmentVariable("APD_SHOT_DIR") + QStringLiteral("/MainOptionsMenu.png"));
        QMenu *scheme = options->actions().at(0)->menu();
        scheme->adjustSize();
        scheme->grab().save(qEnvironmentVariable("APD_SHOT_DIR") + QStringLiteral("/MainSchemeMenu.png"));
    }
}

TEST_F(MainTest, RendersTheWindow)
{
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    main->Peer()->resize(1000, 700);
    main->Realign();
    const QImage shot = main->Peer()->grab().toImage();
    EXPECT_EQ(shot.width(), 1000);
    // The file menu lists its fourteen entries (separators included), the recent files under item 5.
    main->UpdateActions();
    QMenu *file = main->ActionMainMenuBar1->MenuBar()->actions().at(0)->menu();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->actions().size(), 14);
    EXPECT_EQ(file->actions().at(5)->text(), QStringLiteral("Πρόσφατα αρχεία"));
    file->adjustSize();
    if (!qEnvironmentVariableIsEmpty("APD_SHOT_DIR")) {
        shot.save(qEnvironmentVariable("APD_SHOT_DIR") + QStringLiteral("/Main.png"));
        file->grab().save(qEnvironmentVariable("APD_SHOT_DIR") + QStringLiteral("/MainFileMenu.png"));
    }
}

} // namespace

namespace
{
TEST_F(MainTest, WritesTheActionBarLayoutAtExit)
{
    TScriptedDialogs dialogs;
    const QString layout =
        QDir(Platform::UserFolder())
            .filePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".acf"));
    QFile::remove(layout);
    MakeMain().reset();
    QFile f(layout);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[ActionBar0]\n\"Αρχείο\"\n  aNew\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[ActionBar2]\naInsertPage\naDeletePage\n")));
    EXPECT_EQ(ShortCutToKeySequence(16429), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    f.close();
    QFile::remove(layout);
}
} // namespace

namespace
{
TEST_F(MainTest, PrintJobOfTheUntitledDocumentIsTitledWithItsName)
{
    TScriptedDialogs dialogs;
    auto main = MakeMain();
    UsePdf(Dir.filePath(QStringLiteral("print.pdf")));
    main->aPrint->Execute();
    EXPECT_EQ(Printer()->Title(), QStringLiteral("Ανώνυμο"));
    EXPECT_GE(PdfPagesOf(Dir.filePath(QStringLiteral("print.pdf"))), 1);
}

TEST_F(MainTest, PageAndPrinterSetUpOpenTheirDialogsOverTheMainWindow)
{
    auto main = MakeMain();
    main->Show();
    const QString pdf = Dir.filePath(QStringLiteral("setup.pdf"));
    UsePdf(pdf);
    std::vector<TComponent *> shown;
    QWidget *parent = nullptr;
    int pageWidth = 0, marginTop = 0;
    SetCommonDialogHandler([&](TComponent *Dialog) {
        shown.push_back(Dialog);
        parent = DialogParent(Dialog);
        if (auto *d = qobject_cast<TPageSetupDialog *>(Dialog)) {
            pageWidth = d->PageWidth();
            marginTop = d->MarginTop();
        }
        return true;
    });
    main->FilePageSetup1->Execute();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(qobject_cast<TPageSetupDialog *>(shown[0]));
    EXPECT_EQ(pageWidth, 21010) << "A4 and 25 mm margins the first time";
    EXPECT_EQ(marginTop, 2500);
    EXPECT_EQ(parent, main->Peer());

    main->FilePrintSetup1->Execute();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(qobject_cast<TPrinterSetupDialog *>(shown[1]));
    EXPECT_EQ(parent, main->Peer());
    EXPECT_FALSE(QFile::exists(pdf)) << "setting up the printer prints nothing";
    main->Hide();
}

// The file chosen in the printer set-up is where printouts go from then on, also at the next start: the
// first print of the day goes there as the last one of the day before did.
TEST_F(MainTest, ThePrinterSetUpIsKeptFromOneRunToTheNext)
{
    TScriptedDialogs dialogs;
    const QString pdf = Dir.filePath(QStringLiteral("Εκτυπώσεις/print.pdf"));
    QDir().mkpath(QFileInfo(pdf).path());
    UsePdf(QString());
    SetCommonDialogHandler([&](TComponent *Dialog) {
        if (!qobject_cast<TPrinterSetupDialog *>(Dialog))
            return false;
        // What the dialog does when the user chooses to print to a file.
        Printer()->QtPrinter()->setOutputFormat(QPrinter::PdfFormat);
        Printer()->QtPrinter()->setOutputFileName(pdf);
        return true;
    });
    MakeMain()->FilePrintSetup1->Execute();
    // The next day: the program starts with no file set up, and finds the one chosen.
    UsePdf(QString());
    auto main = MakeMain();
    EXPECT_EQ(Printer()->OutputFileName(), pdf);
    main->aPrint->Execute();
    EXPECT_EQ(dialogs.Count(), 0) << dialogs.Requests()[0].Msg.toStdString();
    EXPECT_GE(PdfPagesOf(pdf), 1);

    // A cancelled set-up keeps what was chosen before.
    SetCommonDialogHandler([&](TComponent *) { return false; });
    main->FilePrintSetup1->Execute();
    UsePdf(QString());
    MakeMain().reset();
    EXPECT_EQ(Printer()->OutputFileName(), pdf);
}

// The set-up dialog itself, as Qt shows it: confirming a file that is already there asks nothing, since
// printouts never replace a file (each takes the next free name beside it), and the file stays as it was.
TEST_F(MainTest, ThePrinterSetUpAsksNothingOfAFileThatIsThere)
{
    const QString pdf = Dir.filePath(QStringLiteral("print.pdf"));
    {
        QFile earlier(pdf);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("yesterday's printout");
    }
    UsePdf(pdf);
    QPrintDialog dialog(Printer()->QtPrinter());
    TPrinterSetupDialog::SetUp(dialog);
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    ASSERT_TRUE(buttons && buttons->button(QDialogButtonBox::Ok));
    QTimer::singleShot(0, buttons->button(QDialogButtonBox::Ok), &QPushButton::click);
    // A question still open after a while was not answered: it is noted and refused, and the dialog closed.
    QString asked;
    QTimer::singleShot(5000, &dialog, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            asked = box->text();
            box->button(QMessageBox::No)->click();
        }
        dialog.reject();
    });
    EXPECT_EQ(ExecPrinterDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(asked.toStdString(), "");
    EXPECT_EQ(Printer()->OutputFileName(), pdf);
    QFile earlier(pdf);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "yesterday's printout");
}
} // namespace
