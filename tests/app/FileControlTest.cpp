#include "app/FileControl.h"
#include "platform/Registry.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
const QString Key = QStringLiteral("Software\\Dovra\\Apd\\RecentFiles");

class FileControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        TRegistry::SetStorageFolder(FDir.filePath(QStringLiteral("registry")));
    }
    void TearDown() override { TRegistry::SetStorageFolder(QString()); }

    QString MakeFile(const QString &name)
    {
        const QString path = FDir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        return path;
    }

    // Records the events in order.
    void Bind(TFileControl &fc)
    {
        fc.OnQuerySave = [this](TObject *, TModalResult &r) {
            FLog << QStringLiteral("query");
            r = FAnswer;
        };
        fc.OnFileClose = [this](TObject *, bool &r) {
            FLog << QStringLiteral("close");
            r = FCloseResult;
        };
        fc.OnFileNew = [this](TObject *, bool &) { FLog << QStringLiteral("new"); };
        fc.OnFileOpen = [this](TObject *, bool &) { FLog << QStringLiteral("open"); };
        fc.OnFileSave = [this](TObject *, bool &) { FLog << QStringLiteral("save"); };
        fc.OnFileSaveAs = [this](TObject *, bool &r) {
            FLog << QStringLiteral("saveas");
            r = FSaveAsResult;
        };
    }

    QTemporaryDir FDir;
    QStringList FLog;
    TModalResult FAnswer = mrYes;
    bool FCloseResult = true;
    bool FSaveAsResult = true;
};

TEST_F(FileControlTest, FreshControllerIsNewAndUnmodified)
{
    TFileControl fc(nullptr);
    EXPECT_TRUE(fc.IsNew());
    EXPECT_FALSE(fc.Modified());
    EXPECT_TRUE(fc.FileName().isEmpty());
}

TEST_F(FileControlTest, CloseQueryOnUnmodifiedDocumentAsksNothingButCloses)
{
    TFileControl fc(nullptr);
    Bind(fc);
    const QString doc = MakeFile(QStringLiteral("a.vapd"));
    fc.SetFileName(doc);
    EXPECT_TRUE(fc.CloseQuery());
    EXPECT_EQ(FLog, QStringList{QStringLiteral("close")});
    ASSERT_EQ(fc.RecentFiles()->Count(), 1);
    EXPECT_EQ(fc.RecentFiles()->Strings(0), doc);

    FCloseResult = false;
    EXPECT_FALSE(fc.CloseQuery());
}

TEST_F(FileControlTest, SaveQuestionAnswers)
{
    TFileControl fc(nullptr);
    Bind(fc);
    const QString doc = MakeFile(QStringLiteral("a.vapd"));
    fc.SetFileName(doc);
    EXPECT_TRUE(fc.Open()); // IsNew becomes false; the file entered the recent list on closing
    FLog.clear();
    QFile::remove(doc);

    // Cancel: nothing happens, flags kept, nothing enters the recent list.
    fc.SetModified(true);
    FAnswer = mrCancel;
    EXPECT_FALSE(fc.New());
    EXPECT_EQ(FLog, QStringList{QStringLiteral("query")});
    EXPECT_TRUE(fc.Modified());
    EXPECT_FALSE(fc.IsNew());
    EXPECT_EQ(fc.RecentFiles()->Count(), 1);

    // No: the changes are dropped and the new document made.
    FLog.clear();
    FAnswer = mrNo;
    EXPECT_TRUE(fc.New());
    EXPECT_EQ(FLog, (QStringList{QStringLiteral("query"), QStringLiteral("close"), QStringLiteral("new")}));
    EXPECT_FALSE(fc.Modified());
    EXPECT_TRUE(fc.IsNew());

    // Yes on a document with a file on disk saves it in place.
    MakeFile(QStringLiteral("a.vapd"));
    fc.SetFileName(doc);
    EXPECT_TRUE(fc.Open());
    fc.SetModified(true);
    FLog.clear();
    FAnswer = mrYes;
    EXPECT_TRUE(fc.CloseQuery());
    EXPECT_EQ(FLog, (QStringList{QStringLiteral("query"), QStringLiteral("save"), QStringLiteral("close")}));
}

// What is still being typed is handed to the document first: its change makes the question asked, and a
// text refused there stops every operation as Cancel does.
TEST_F(FileControlTest, TypingIsHandedBackBeforeTheQuestionAndTheSavesAndARefusalStopsThem)
{
    TFileControl fc(nullptr);
    Bind(fc);
    bool taken = true;
    fc.OnCommitTyping = [&](TObject *, bool &r) {
        FLog << QStringLiteral("commit");
        if (taken)
            fc.SetModified(true);
        r = taken;
    };
    const QString doc = MakeFile(QStringLiteral("a.vapd"));
    fc.SetFileName(doc);
    EXPECT_TRUE(fc.Open());
    FLog.clear();
    FAnswer = mrCancel;
    EXPECT_FALSE(fc.CloseQuery());
    EXPECT_EQ(FLog, (QStringList{QStringLiteral("commit"), QStringLiteral("query")}));

    taken = false;
    fc.SetModified(false);
    const int recent = fc.RecentFiles()->Count();
    for (bool (TFileControl::*operation)() : {&TFileControl::New, &TFileControl::Open, &TFileControl::Save,
                                              &TFileControl::SaveAs, &TFileControl::CloseQuery}) {
        FLog.clear();
        EXPECT_FALSE((fc.*operation)());
        EXPECT_EQ(FLog, QStringList{QStringLiteral("commit")});
    }
    EXPECT_FALSE(fc.Modified());
    EXPECT_FALSE(fc.IsNew());
    EXPECT_EQ(fc.RecentFiles()->Count(), recent);
}

TEST_F(FileControlTest, CancelledSaveAsKeepsTheDocument)
{
    TFileControl fc(nullptr);
    Bind(fc);
    fc.SetFileName(QStringLiteral("Ανώνυμο"));
    fc.SetModified(true);
    FSaveAsResult = false;
    EXPECT_FALSE(fc.CloseQuery());
    EXPECT_EQ(FLog, (QStringList{QStringLiteral("query"), QStringLiteral("saveas")}));
    EXPECT_TRUE(fc.Modified());
    EXPECT_TRUE(fc.IsNew());
}

TEST_F(FileControlTest, SaveGoesToSaveAsWithoutAFileOnDisk)
{
    TFileControl fc(nullptr);
    Bind(fc);
    const QString doc = MakeFile(QStringLiteral("a.vapd"));
    fc.SetFileName(doc);
    EXPECT_TRUE(fc.Open());
    QFile::remove(doc);
    EXPECT_TRUE(fc.Save());
    EXPECT_EQ(FLog.last(), QStringLiteral("saveas"));
    EXPECT_FALSE(fc.IsNew());

    // The untitled name never names a file.
    fc.SetFileName(QStringLiteral("Ανώνυμο"));
    FLog.clear();
    EXPECT_TRUE(fc.Save());
    EXPECT_EQ(FLog, QStringList{QStringLiteral("saveas")});
}

TEST_F(FileControlTest, UnboundEventsCountAsDone)
{
    TFileControl fc(nullptr);
    fc.SetModified(true);
    EXPECT_TRUE(fc.New());
    EXPECT_FALSE(fc.Modified());
    EXPECT_TRUE(fc.IsNew());
}

TEST_F(FileControlTest, ExceptionInHandlerLeavesFlags)
{
    TFileControl fc(nullptr);
    fc.OnFileOpen = [](TObject *, bool &) { throw Exception(QStringLiteral("x")); };
    EXPECT_THROW(fc.Open(), Exception);
    EXPECT_TRUE(fc.IsNew());
}

TEST_F(FileControlTest, FileChangeFiresOnlyOnRealChange)
{
    TFileControl fc(nullptr);
    int fired = 0;
    fc.OnFileChange = [&](TObject *Sender) {
        EXPECT_EQ(Sender, &fc);
        ++fired;
    };
    fc.SetFileName(QStringLiteral("a"));
    fc.SetFileName(QStringLiteral("a"));
    EXPECT_EQ(fired, 1);
    fc.SetFileName(QStringLiteral("A"));
    EXPECT_EQ(fired, 2);
}

TEST_F(FileControlTest, RecentListAndMenu)
{
    TFileControl fc(nullptr);
    TActionClientItem menu;
    fc.SetRecentItem(&menu);
    QDir(FDir.path()).mkdir(QStringLiteral("sub"));
    const QString a = MakeFile(QStringLiteral("a.vapd"));
    const QString b = MakeFile(QStringLiteral("sub/a.vapd"));
    const QString c = MakeFile(QStringLiteral("c.vapd"));

    for (const QString &f : {a, b, c}) {
        fc.SetFileName(f);
        fc.CloseQuery();
    }
    // Same path in another letter case: nothing changes.
    fc.SetFileName(a.toUpper() == a ? a : a.left(a.size() - 4) + QStringLiteral("VAPD"));
    fc.CloseQuery();
    fc.SetFileName(QStringLiteral("Ανώνυμο"));
    fc.CloseQuery();

    ASSERT_EQ(fc.RecentFiles()->Count(), 3);
    EXPECT_EQ(fc.RecentFiles()->Strings(0), c);
    EXPECT_EQ(fc.RecentFiles()->Strings(2), a);
    // The menu shows them in the order they came, with the file-name part only.
    ASSERT_EQ(menu.Items()->Count(), 3);
    EXPECT_EQ(menu.Items()->Items(0)->Caption(), QStringLiteral("a.vapd"));
    EXPECT_EQ(menu.Items()->Items(1)->Caption(), QStringLiteral("a.vapd"));
    EXPECT_EQ(menu.Items()->Items(2)->Caption(), QStringLiteral("c.vapd"));

    // Choosing an entry opens that path and the document counts as having a file.
    QString opened;
    fc.OnFileRecent = [&](TObject *, QString f) { opened = f; };
    menu.Items()->Items(1)->Action()->Execute();
    EXPECT_EQ(opened, b);
    EXPECT_FALSE(fc.IsNew());
    // A file named outside the menus (the command line) is opened the same way.
    TFileControl named(nullptr);
    named.OnFileRecent = fc.OnFileRecent;
    named.OpenFile(c);
    EXPECT_EQ(opened, c);
    EXPECT_FALSE(named.IsNew());
}

TEST_F(FileControlTest, RecentFilesThroughTheRegistry)
{
    QStringList files;
    for (int i = 0; i < 7; ++i)
        files << MakeFile(QStringLiteral("f%1.vapd").arg(i));
    {
        TFileControl fc(nullptr);
        for (const QString &f : files) {
            fc.SetFileName(f);
            fc.CloseQuery();
        }
        EXPECT_EQ(fc.RecentFiles()->Count(), 7); // all stay for the run
        fc.SaveRecentFiles(Key);
    }
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(Key, false));
        EXPECT_EQ(reg.GetValueNames(), (QStringList{"File0", "File1", "File2", "File3", "File4"}));
        EXPECT_EQ(reg.ReadString(QStringLiteral("File0")), files[6]);
        // A value with another name, listed first, is read as well; the five-value limit counts it.
        reg.WriteString(QStringLiteral("Extra"), files[0]);
    }
    TFileControl fc(nullptr);
    fc.LoadRecentFiles(Key);
    ASSERT_EQ(fc.RecentFiles()->Count(), 5);
    EXPECT_EQ(fc.RecentFiles()->Strings(0), files[0]);
    EXPECT_EQ(fc.RecentFiles()->Strings(1), files[6]);

    // Fewer entries leave the later values of an earlier run alone.
    TFileControl small(nullptr);
    small.SetFileName(files[3]);
    small.CloseQuery();
    small.SaveRecentFiles(Key);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("File0")), files[3]);
    EXPECT_EQ(reg.ReadString(QStringLiteral("File4")), files[2]);
}

TEST_F(FileControlTest, MissingKeyGivesEmptyListAndDeletedFilesAreSkipped)
{
    TFileControl fc(nullptr);
    fc.LoadRecentFiles(Key);
    EXPECT_EQ(fc.RecentFiles()->Count(), 0);

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    reg.WriteString(QStringLiteral("File0"), FDir.filePath(QStringLiteral("gone.vapd")));
    reg.WriteString(QStringLiteral("File1"), MakeFile(QStringLiteral("here.vapd")));
    reg.CloseKey();
    fc.LoadRecentFiles(Key);
    ASSERT_EQ(fc.RecentFiles()->Count(), 1);
}

TEST(RecentDocsTest, AddsAndRefreshesEntriesKeepingOthers)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("recently-used.xbel"));
    Platform::SetRecentDocsFile(list);
    {
        QFile f(list);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\">\n"
                "<bookmark href=\"file:///other.txt\" added=\"a\" modified=\"a\" visited=\"a\"/>\n</xbel>\n");
    }
    const QString doc = dir.filePath(QStringLiteral("Έργο 1.vapd"));
    EXPECT_TRUE(Platform::AddToRecentDocs(doc));
    EXPECT_TRUE(Platform::AddToRecentDocs(doc));
    QFile f(list);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("file:///other.txt")));
    EXPECT_EQ(text.count(QStringLiteral("<bookmark ")), 2);

    // A damaged list is left untouched.
    f.close();
    QFile bad(list);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<xbel><bookmark");
    bad.close();
    EXPECT_FALSE(Platform::AddToRecentDocs(doc));
    ASSERT_TRUE(bad.open(QIODevice::ReadOnly));
    EXPECT_EQ(bad.readAll(), QByteArray("<xbel><bookmark"));
    bad.close();

    // A list that is a link to a file elsewhere stays a link; the file it names takes the entry.
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.xbel"));
    ASSERT_TRUE(QFile::rename(list, elsewhere));
    ASSERT_TRUE(QFile::link(elsewhere, list));
    QFile(elsewhere).resize(0);
    EXPECT_TRUE(Platform::AddToRecentDocs(doc));
    EXPECT_TRUE(QFileInfo(list).isSymLink());
    QFile linked(elsewhere);
    ASSERT_TRUE(linked.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(linked.readAll()).count(QStringLiteral("<bookmark ")), 1);
    Platform::SetRecentDocsFile(QString());
}
} // namespace
