// Table files the user cannot write, met through the running program: the data module over a real data
// folder, the main window's table commands and the table editor's navigator.
#include "EmployFrameFixture.h"
#include "app/MainF.h"
#include "app/Program.h"
#include "app/TableEditorF.h"
#include "db/DBCtrls.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "support/ReadOnlyFile.h"

#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace
{

class TableFilesTest : public EmployFrameFixture
{
protected:
    void SetUp() override
    {
        EmployFrameFixture::SetUp();
        TRegistry::SetStorageFolder(Dir.filePath(QStringLiteral("registry")));
        Platform::SetRecentDocsFile(Dir.filePath(QStringLiteral("recently-used.xbel")));
        Program::InitializeApplication();
        TMain::SetArguments(&Args);
    }
    void TearDown() override
    {
        MainWindow.reset();
        Main = nullptr;
        TMain::SetArguments(nullptr);
        TRegistry::SetStorageFolder(QString());
        Platform::SetRecentDocsFile(QString());
        EmployFrameFixture::TearDown();
    }
    void RestartModule()
    {
        APDDataModule = nullptr;
        Module.reset();
        Module = std::make_unique<TAPDDataModule>(nullptr, Dir.path());
        APDDataModule = Module.get();
    }
    QString TableFile(const char *name) const { return Dir.filePath(QStringLiteral("APDData/") + QLatin1String(name)); }
    TMain *ShowMain()
    {
        MainWindow = std::make_unique<TMain>(nullptr);
        Main = MainWindow.get();
        return Main;
    }
    // Runs Check inside the table editor that Command opens modally, then closes the editor.
    void InEditorOf(TAction *Command, const std::function<void(TTableEditor *)> &Check)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            TTableEditor *ed = nullptr;
            for (int i = 0; i < Application()->ComponentCount(); ++i)
                if (auto *e = qobject_cast<TTableEditor *>(Application()->Components(i)))
                    ed = e;
            if (ed) {
                Check(ed);
                ed->Close();
                ran = true;
            }
        });
        Command->Execute();
        EXPECT_TRUE(ran);
    }
    static void Click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center()); }

    const QStringList Args{QStringLiteral("DovraApd")};
    std::unique_ptr<TMain> MainWindow;
};

} // namespace

TEST_F(TableFilesTest, AnUnwritableTableFileOpensReadOnlyAndTheEditorShowsIt)
{
    TReadOnlyFile unwritable(TableFile("Employes.Db"));
    if (!unwritable.Made())
        GTEST_SKIP() << qPrintable(unwritable.Reason());
    RestartModule();
    EXPECT_TRUE(Errors.empty());
    TTable *employers = Module->tbEmployes;
    ASSERT_TRUE(employers->Active());
    EXPECT_FALSE(employers->CanModify());
    EXPECT_FALSE(employers->ReadOnly());
    EXPECT_TRUE(Module->tbEmployers->CanModify());
    try {
        employers->Append();
        ADD_FAILURE() << "a record was begun in an unwritable table";
    } catch (const EDatabaseError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Ο πίνακας \"Employes.Db\" είναι μόνο για ανάγνωση: δεν επιτρέπεται η "
                                              "εγγραφή στο αρχείο του."));
    }

    // The employers' command: the box shows the table read-only, a click cannot switch it, nothing is asked
    // and nothing offers a new record.
    TMain *main = ShowMain();
    main->Show();
    const QString why =
        QStringLiteral("Ο πίνακας είναι μόνο για ανάγνωση: το αρχείο του δεν επιτρέπει εγγραφή σε αυτόν "
                       "τον χρήστη");
    InEditorOf(main->aEmployes, [&](TTableEditor *ed) {
        EXPECT_TRUE(ed->ReadOnlyCheck->Checked());
        EXPECT_FALSE(ed->ReadOnlyCheck->Enabled());
        // The greyed box says why, under the mouse; the status bar around it has nothing to say. The mouse
        // moves as the window system reports it, entering and leaving the controls under it.
        QWindow *win = ed->Peer()->windowHandle();
        QWidget *box = ed->ReadOnlyCheck->Peer();
        QTest::mouseMove(win, QPoint(win->width() / 2, win->height() / 2));
        QTest::mouseMove(win, box->mapTo(ed->Peer(), QPoint(8, box->height() / 2)));
        EXPECT_EQ(ed->StatusBar1->Panels(1).Text, why);
        QTest::mouseMove(win, box->mapTo(ed->Peer(), QPoint(box->width() + 40, box->height() / 2)));
        EXPECT_EQ(ed->StatusBar1->Panels(1).Text, QString()) << "the hint stayed after the mouse left the box";
        Click(box);
        EXPECT_TRUE(ed->ReadOnlyCheck->Checked());
        EXPECT_FALSE(ed->DBNavigator->Button(nbInsert)->isEnabled());
        EXPECT_FALSE(ed->DBNavigator->Button(nbEdit)->isEnabled());
    });
    EXPECT_TRUE(Errors.empty()) << qPrintable(Errors.front());
    EXPECT_FALSE(employers->ReadOnly());

    // The employees' table beside it stays writable in its editor.
    InEditorOf(main->aEmployers, [&](TTableEditor *ed) {
        EXPECT_FALSE(ed->ReadOnlyCheck->Checked());
        EXPECT_TRUE(ed->ReadOnlyCheck->Enabled());
        EXPECT_EQ(ed->ReadOnlyCheck->Hint(), QString());
        EXPECT_TRUE(ed->DBNavigator->Button(nbInsert)->isEnabled());
    });
}

TEST_F(TableFilesTest, AFolderThatBecomesUnwritableRefusesThePostInGreek)
{
    TMain *main = ShowMain();
    main->Show();
    TTable *employees = Module->tbEmployers;
    ASSERT_TRUE(employees->CanModify());
    const QByteArray before = [&] {
        QFile f(TableFile("Employers.db"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    // The data folder made unwritable behind the program's back, after the table was opened for writing
    // (an open file keeps its write access, but the engine's journal beside it cannot be made).
    TReadOnlyFile unwritable(Dir.filePath(QStringLiteral("APDData")));
    if (!unwritable.Made())
        GTEST_SKIP() << qPrintable(unwritable.Reason());
    InEditorOf(main->aEmployers, [&](TTableEditor *ed) {
        Click(ed->DBNavigator->Button(nbEdit));
        ASSERT_EQ(employees->State(), dsEdit);
        employees->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetAsString(QStringLiteral("ΑΛΛΑΓΜΕΝΟ"));
        Click(ed->DBNavigator->Button(nbPost));
        employees->Cancel();
    });
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], QStringLiteral("Αδυναμία εγγραφής του πίνακα \"Employers.db\": δεν επιτρέπεται πια η εγγραφή "
                                        "στον φάκελο του αρχείου."));
    for (const char *english : {"readonly", "database", "attempt", "unable"})
        EXPECT_FALSE(Errors[0].contains(QLatin1String(english), Qt::CaseInsensitive)) << qPrintable(Errors[0]);
    // Nothing changed, on disk or in the shared rows.
    QFile f(TableFile("Employers.db"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_TRUE(employees->Locate(QStringLiteral("ΕΠΩΝΥΜΟ"), QStringLiteral("ΑΛΕΞΙΟΥ"), 0));
}
