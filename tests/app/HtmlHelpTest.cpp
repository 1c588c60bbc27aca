#include "app/HtmlHelpApi.h"
#include "app/HtmlHelpViewer.h"

#include "platform/Platform.h"
#include "vcl/Forms.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace
{
struct TCall {
    QString File;
    quint32 Command;
};
std::vector<TCall> Calls;

quintptr RecordingHtmlHelp(quintptr, const QString &file, quint32 command, quintptr)
{
    Calls.push_back({file, command});
    return 0;
}

// Puts a recording entry point in place of the library's for the life of a test.
class HtmlHelpCalls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FSaved = HtmlHelpA;
        FHelpFile = Application()->HelpFile();
        HtmlHelpA = &RecordingHtmlHelp;
        Calls.clear();
    }
    void TearDown() override
    {
        HtmlHelpA = FSaved;
        Application()->SetHelpFile(FHelpFile);
    }
    static QString InstallFolder() { return QDir::toNativeSeparators(Platform::InstallFolder() + "/"); }

private:
    THtmlHelpProc FSaved = nullptr;
    QString FHelpFile;
};

// The program's help file compiled from its topic sources into Dir.
QString CompileHelp(const QTemporaryDir &dir)
{
    const QDir sources(QStringLiteral(APD_SOURCE_DIR "/resources/help"));
    for (const QString &name : sources.entryList(QDir::Files))
        QFile::copy(sources.filePath(name), dir.filePath(name));
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(dir.path());
    chmcmd.start(QStringLiteral("chmcmd"), {QStringLiteral("DovraApd.hhp")});
    chmcmd.waitForFinished(60000);
    return dir.filePath("DovraApd.chm");
}
// The program's help file, compiled for the test; the test is skipped where the help compiler is missing.
class HtmlHelpFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("chmcmd").isEmpty())
            GTEST_SKIP() << "chmcmd is not installed";
        Chm = CompileHelp(Dir);
    }

    QTemporaryDir Dir;
    QString Chm; // the compiled file
};
} // namespace

TEST(HtmlHelp, AfterStartUpOnlyThisViewerIsRegistered)
{
    EXPECT_TRUE(LoadHtmlHelp());
    EXPECT_NE(HtmlHelpA, nullptr);
    ASSERT_NE(HelpViewer, nullptr);
    ASSERT_EQ(HelpManager()->ViewerCount(), 1);
    EXPECT_EQ(HelpManager()->Viewers(0), static_cast<ICustomHelpViewer *>(HelpViewer));
    EXPECT_EQ(HelpManager()->ViewerIDs(0), 2);
    EXPECT_EQ(HelpViewer->ViewerID(), 2);
    EXPECT_EQ(HelpViewer->GetViewerName(), "HtmlHelpViewer");
    EXPECT_EQ(HelpViewer->UnderstandsKeyword("οτιδήποτε"), 1);
    EXPECT_EQ(HelpViewer->GetHelpStrings("default")->ToStringList(), QStringList{"HtmlHelpViewer: default"});
}

TEST_F(HtmlHelpCalls, KeywordsOpenTheirTopicInTheProgramsFolder)
{
    Application()->SetHelpFile("DovraApd.chm");
    // F1 in the table editor asks for the component name of its table.
    EXPECT_TRUE(HelpManager()->HelpKeyword("tbEmployes"));
    ASSERT_EQ(Calls.size(), 1u);
    EXPECT_EQ(Calls[0].File, InstallFolder() + "DovraApd.chm::/tbEmployes.htm");
    EXPECT_EQ(Calls[0].Command, quint32(HH_DISPLAY_TOPIC));

    Application()->SetHelpFile("/opt/dovra/DovraApd.chm");
    HelpViewer->DisplayTopic("default");
    EXPECT_EQ(Calls.back().File, "/opt/dovra/DovraApd.chm::/default.htm");
    EXPECT_EQ(HelpViewer->GetHelpFile("Other.chm"), InstallFolder() + "Other.chm");
}

TEST_F(HtmlHelpCalls, ContextAndWinHelpRequestsShowTheContents)
{
    Application()->SetHelpFile("DovraApd.chm");
    EXPECT_TRUE(HelpManager()->HelpContext(1234));
    EXPECT_TRUE(HelpViewer->CallWinHelp(0, "x.hlp", 0x0101, 7));
    EXPECT_TRUE(HelpManager()->ShowTableOfContents());
    ASSERT_EQ(Calls.size(), 3u);
    for (const TCall &c : Calls) {
        EXPECT_EQ(c.File, InstallFolder() + "DovraApd.chm");
        EXPECT_EQ(c.Command, quint32(HH_DISPLAY_TOC));
    }
    // With no help file the contents request names the program's folder.
    Application()->SetHelpFile("");
    HelpViewer->ShowTableOfContents();
    EXPECT_EQ(Calls.back().File, InstallFolder());

    HelpViewer->SoftShutDown();
    EXPECT_EQ(Calls.back().File, "");
    EXPECT_EQ(Calls.back().Command, quint32(HH_CLOSE_ALL));

    // Without the library nothing is called.
    HtmlHelpA = nullptr;
    const size_t before = Calls.size();
    HelpViewer->ShowHelp("default");
    HelpViewer->ShowTableOfContents();
    HelpViewer->SoftShutDown();
    EXPECT_EQ(Calls.size(), before);
}

TEST_F(HtmlHelpFile, TheLibraryShowsTopicsContentsAndIndexOfTheHelpFile)
{
    ASSERT_TRUE(QFile::exists(Chm));
    ASSERT_TRUE(LoadHtmlHelp());

    HtmlHelpA(0, Chm + "::/export.htm", HH_DISPLAY_TOPIC, 0);
    Platform::THelpWindowState s = Platform::HelpWindowState();
    EXPECT_TRUE(s.Visible);
    EXPECT_EQ(s.Topic, "/export.htm");
    EXPECT_EQ(s.Title, "Εξαγωγή σε ηλεκτρονική μορφή");
    EXPECT_EQ(s.Current, "Εξαγωγή σε ηλεκτρονική μορφή");
    EXPECT_TRUE(s.Text.contains("αρχείο CSC01")) << s.Text.toStdString();
    EXPECT_EQ(s.Contents,
              QStringList({"Dovra Α.Π.Δ.", "  Εξαγωγή σε ηλεκτρονική μορφή", "  Πίνακας εργοδοτών",
                           "  Πίνακας εργαζομένων", "  Πίνακας υποκαταστημάτων ΙΚΑ", "  Πίνακας πακέτων κάλυψης",
                           "  Πίνακας αποδοχών", "  Πίνακας κατασκευαστικών φάσεων", "  Προεπισκόπηση εκτύπωσης"}));

    // The file alone opens its default topic.
    HtmlHelpA(0, Chm, HH_DISPLAY_TOC, 0);
    s = Platform::HelpWindowState();
    EXPECT_EQ(s.Topic, "/default.htm");
    EXPECT_EQ(s.Tab, 0);
    EXPECT_EQ(s.Current, "Dovra Α.Π.Δ.") << "the contents follow the topic shown";
    EXPECT_TRUE(s.Text.contains("Αναλυτική Περιοδική Δήλωση"));
    if (const QByteArray snapshots = qgetenv("APD_SNAPSHOT_DIR"); !snapshots.isEmpty())
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == "Dovra Α.Π.Δ. - Βοήθεια") {
                w->grab().save(QDir(QString::fromLocal8Bit(snapshots)).filePath("Help.png"));
            }

    HtmlHelpA(0, Chm, HH_DISPLAY_INDEX, 0);
    s = Platform::HelpWindowState();
    EXPECT_EQ(s.Tab, 1);
    EXPECT_EQ(s.Index.size(), 13);
    EXPECT_TRUE(s.Index.contains("CSC01"));

    HtmlHelpA(0, QString(), HH_CLOSE_ALL, 0);
    EXPECT_FALSE(Platform::HelpWindowState().Visible);

    // A file that is not there, or a topic it lacks, shows no topic and does not fail.
    HtmlHelpA(0, Dir.filePath("missing.chm") + "::/default.htm", HH_DISPLAY_TOPIC, 0);
    HtmlHelpA(0, Chm + "::/nothing.htm", HH_DISPLAY_TOPIC, 0);
    HtmlHelpA(0, QString(), HH_CLOSE_ALL, 0);
}

TEST_F(HtmlHelpFile, TheHelpWindowComesUpBesideOrOverTheMiddleOfItsOwnerNeverOverItsBars)
{
    ASSERT_TRUE(LoadHtmlHelp());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A window with a menu bar and a tool bar at the top, as the main window has.
    QWidget owner;
    auto *layout = new QVBoxLayout(&owner);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *menu = new QMenuBar;
    menu->setNativeMenuBar(false);
    menu->addMenu(QStringLiteral("Αρχείο"));
    auto *tools = new QToolBar;
    tools->addAction(QStringLiteral("Νέο"));
    layout->addWidget(menu);
    layout->addWidget(tools);
    layout->addStretch();
    const auto show = [&](const QRect &at) {
        HtmlHelpA(0, QString(), HH_CLOSE_ALL, 0);
        owner.setGeometry(at);
        owner.show();
        QApplication::setActiveWindow(&owner);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&owner));
        HtmlHelpA(0, Chm, HH_DISPLAY_TOC, 0);
        return Platform::HelpWindowState().Geometry;
    };
    const auto barsBottom = [&] { return tools->mapToGlobal(QPoint(0, tools->height())).y(); };

    // Filling the screen: over its middle, below the bars, on the screen.
    QRect help = show(screen);
    EXPECT_TRUE(screen.contains(help));
    EXPECT_GE(help.top(), barsBottom());
    EXPECT_NEAR(help.center().x(), screen.center().x(), 10);

    // A narrow window at the left of the screen, with room beside it for the help window (made smaller,
    // which it stays): on its right.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->frameGeometry() == help)
            w->resize(screen.width() / 3, screen.height() / 3);
    help = show(QRect(screen.left(), screen.top() + 20, screen.width() / 4, screen.height() / 2));
    EXPECT_EQ(help.left(), owner.frameGeometry().right() + 1);
    EXPECT_FALSE(help.intersects(owner.frameGeometry()));
    // ... and at the right: on its left.
    help = show(QRect(screen.right() - screen.width() / 4, screen.top() + 20, screen.width() / 4, screen.height() / 2));
    EXPECT_EQ(help.right(), owner.frameGeometry().left() - 1);

    // Once up, the window stays where the user puts it.
    HtmlHelpA(0, Chm + "::/export.htm", HH_DISPLAY_TOPIC, 0);
    EXPECT_EQ(Platform::HelpWindowState().Geometry, help);
    HtmlHelpA(0, QString(), HH_CLOSE_ALL, 0);
}

TEST_F(HtmlHelpFile, HelpAskedInAWindowOpenedOverTheHelpWindowLeavesNoWindowInFrontOfItself)
{
    ASSERT_TRUE(LoadHtmlHelp());
    // Help is up and is the window the user works in.
    HtmlHelpA(0, Chm, HH_DISPLAY_TOC, 0);
    QWidget *help = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->frameGeometry() == Platform::HelpWindowState().Geometry)
            help = w;
    ASSERT_NE(help, nullptr);
    QApplication::setActiveWindow(help);
    const auto ownersEnd = [](QWindow *w) {
        for (int i = 0; w && i < 16; ++i)
            w = w->transientParent();
        return w == nullptr;
    };
    // A window opened modally now stands in front of help; help asked in it comes in front of it.
    TForm first(nullptr);
    QTimer::singleShot(0, &first, [&] {
        HtmlHelpA(0, Chm, HH_DISPLAY_TOC, 0);
        EXPECT_EQ(help->windowHandle()->transientParent(), first.Peer()->windowHandle());
        bool ending = true;
        for (QWindow *w : QGuiApplication::topLevelWindows())
            if (!ownersEnd(w)) {
                ADD_FAILURE() << w->title().toStdString() << " stands in front of itself";
                ending = false;
            }
        // A window opened there meanwhile, as a message is, comes up and goes (were the owners to go round,
        // showing it would never end).
        if (ending) {
            TForm message(nullptr);
            QTimer::singleShot(0, &message, [&] { message.SetModalResult(mrOk); });
            EXPECT_EQ(message.ShowModal(), mrOk);
        }
        first.SetModalResult(mrOk);
    });
    EXPECT_EQ(first.ShowModal(), mrOk);
    HtmlHelpA(0, QString(), HH_CLOSE_ALL, 0);
}

#include "BoxEditingFixture.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTreeWidget>

namespace
{
// Help asked with F1 in the shown main window, the program's help file compiled for the test.
class HelpFromTheMainWindow : public BoxEditingFixture
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("chmcmd").isEmpty())
            GTEST_SKIP() << "chmcmd is not installed";
        BoxEditingFixture::SetUp();
        Application()->SetHelpFile(CompileHelp(HelpDir));
    }
    void TearDown() override
    {
        if (IsSkipped())
            return;
        HtmlHelpA(0, QString(), HH_CLOSE_ALL, 0);
        BoxEditingFixture::TearDown();
    }
    QTemporaryDir HelpDir;
};
} // namespace

TEST_F(HelpFromTheMainWindow, TopicsAreChosenWithTheKeysTitlesShowWholeAndEscClosesHelp)
{
    ASSERT_TRUE(LoadHtmlHelp());
    QApplication::setActiveWindow(Main->Peer());
    Key(Qt::Key_F1);
    ASSERT_TRUE(Platform::HelpWindowState().Visible);
    QWidget *help = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->frameGeometry() == Platform::HelpWindowState().Geometry)
            help = w;
    ASSERT_TRUE(help);
    QApplication::setActiveWindow(help); // as the window manager does
    auto *contents = help->findChild<QTreeWidget *>();
    auto *index = help->findChild<QListWidget *>();
    ASSERT_TRUE(contents && index);

    // Every title of the contents and of the index shows whole, without scrolling.
    for (QAbstractItemView *list :
         {static_cast<QAbstractItemView *>(contents), static_cast<QAbstractItemView *>(index)}) {
        EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0));
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    }

    // The arrows choose a topic in the contents; Enter and Space show the entry chosen again after a link.
    contents->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Down);
    EXPECT_EQ(Platform::HelpWindowState().Title, QStringLiteral("Εξαγωγή σε ηλεκτρονική μορφή"));
    Key(Qt::Key_Down);
    EXPECT_EQ(Platform::HelpWindowState().Title, QStringLiteral("Πίνακας εργοδοτών"));
    HtmlHelpA(0, Application()->HelpFile() + "::/default.htm", HH_DISPLAY_TOPIC, 0);
    contents->setCurrentItem(contents->topLevelItem(0)->child(2), 0, QItemSelectionModel::NoUpdate);
    contents->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Return);
    EXPECT_EQ(Platform::HelpWindowState().Title, QStringLiteral("Πίνακας εργαζομένων"));
    contents->setCurrentItem(contents->topLevelItem(0)->child(7), 0, QItemSelectionModel::NoUpdate);
    Key(Qt::Key_Space);
    EXPECT_EQ(Platform::HelpWindowState().Title, QStringLiteral("Προεπισκόπηση εκτύπωσης"));

    // In the index too: Ctrl+Tab to it, an entry chosen with the arrows, taken with Enter.
    Key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(Platform::HelpWindowState().Tab, 1);
    index->setFocus(Qt::TabFocusReason);
    const int csc = Platform::HelpWindowState().Index.indexOf("CSC01");
    ASSERT_GE(csc, 0);
    index->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    for (int i = 0; i < csc; ++i)
        Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(Platform::HelpWindowState().Topic, QStringLiteral("/export.htm"));

    // Esc closes help, wherever the focus is in it.
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Platform::HelpWindowState().Visible);
}
