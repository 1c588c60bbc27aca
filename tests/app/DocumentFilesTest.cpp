// What the user sees when a document's file cannot be written or read, and what is left beside it:
// saves and opens through the main window's commands, on real files in a temporary folder.
#include "MainWindowDriver.h"
#include "platform/SafeWrite.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

using DocumentFilesTest = MainWindowFixture;

// While it lives, no file of this process may grow beyond Bytes: a disk that fills up.
class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(rlim_t Bytes)
    {
        getrlimit(RLIMIT_FSIZE, &FBefore);
        FPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = FBefore;
        small.rlim_cur = Bytes;
        FSet = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &FBefore);
        std::signal(SIGXFSZ, FPreviousHandler);
    }
    bool Set() const { return FSet; }

private:
    rlimit FBefore{};
    void (*FPreviousHandler)(int) = nullptr;
    bool FSet = false;
};

QStringList FilesIn(const QString &Folder)
{
    QStringList files = QDir(Folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.sort();
    return files;
}

// A save of Target by another process, which writes its temporary file and then either ends before
// renaming it (a save cut short) or stays running until Release.
class TOtherSave
{
public:
    TOtherSave(const QString &Target, bool KeepRunning)
    {
        int ready[2], release[2];
        if (pipe(ready) != 0 || pipe(release) != 0)
            return;
        FPid = fork();
        if (FPid == 0) {
            close(ready[0]);
            close(release[1]);
            char done = 0;
            try {
                Platform::WriteTemporaryBeside(Target, QByteArray("TPF0 half a document"));
                done = 1;
            } catch (...) {
            }
            (void)!write(ready[1], &done, 1);
            if (KeepRunning)
                (void)!read(release[0], &done, 1);
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        char done = 0;
        FWritten = read(ready[0], &done, 1) == 1 && done == 1;
        close(ready[0]);
        FRelease = release[1];
        if (!KeepRunning)
            Release();
    }
    ~TOtherSave() { Release(); }
    bool Written() const { return FWritten; }
    void Release()
    {
        if (FRelease >= 0) {
            close(FRelease);
            FRelease = -1;
        }
        if (FPid > 0) {
            waitpid(FPid, nullptr, 0);
            FPid = -1;
        }
    }

private:
    pid_t FPid = -1;
    int FRelease = -1;
    bool FWritten = false;
};

void WriteFile(const QString &Path, const QByteArray &Bytes, int DaysOld = 0)
{
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Bytes);
    f.close();
    if (DaysOld > 0) {
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addDays(-DaysOld), QFileDevice::FileModificationTime));
    }
}

} // namespace

TEST_F(DocumentFilesTest, AFullDiskSaveNamesTheDocumentAndItsCauseAndLosesNothing)
{
    const QString folder = Dir.filePath(QStringLiteral("Έργα"));
    QDir().mkpath(folder);
    const QString doc = QDir(folder).filePath(QStringLiteral("Έργο.vapd"));
    SaveAs(doc);
    const QByteArray saved = ReadAll(doc);
    ASSERT_FALSE(saved.isEmpty());
    Trigger(Main->aInsertPage);
    ASSERT_TRUE(Main->FileControl1->Modified());
    Messages.clear();
    {
        // Less room than the document needs.
        TFileSizeLimit full(rlim_t(saved.size() / 2));
        ASSERT_TRUE(full.Set());
        Trigger(Main->aSave);
    }
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].toStdString(),
              (QStringLiteral("Αδυναμία δημιουργίας του αρχείου ") + doc + QStringLiteral(": ο δίσκος είναι γεμάτος."))
                  .toStdString());
    // The document on disk is the one saved before, nothing half-written lies beside it, and the window still
    // has changes to save.
    EXPECT_EQ(ReadAll(doc), saved);
    EXPECT_EQ(FilesIn(folder), QStringList{QStringLiteral("Έργο.vapd")});
    EXPECT_TRUE(Main->FileControl1->Modified());
    Trigger(Main->aSave);
    EXPECT_EQ(Messages.size(), 1u);
    EXPECT_FALSE(Main->FileControl1->Modified());
    EXPECT_EQ(FilesIn(folder), (QStringList{QStringLiteral("Έργο.vapd"), QStringLiteral("Έργο.vapd.bck")}));
}

TEST_F(DocumentFilesTest, ARefusedDocumentShowsItsPathAndTheReadersReason)
{
    TApdData *current = Doc();
    const auto refused = [&](const QString &Path, const QString &Reason) {
        Messages.clear();
        Open(Path);
        ASSERT_EQ(Messages.size(), 1u) << Path.toStdString();
        EXPECT_EQ(
            Messages[0].toStdString(),
            (QStringLiteral("Αδυναμία ανοίγματος αρχείου ") + Path + QStringLiteral("\r\n") + Reason).toStdString());
        EXPECT_EQ(Doc(), current);
    };
    refused(Dir.filePath(QStringLiteral("Κανένας φάκελος/Έργο.vapd")),
            QStringLiteral("Το αρχείο δεν διαβάζεται: το αρχείο ή ο φάκελός του δεν υπάρχει"));
    const QString folderNamedLikeADocument = Dir.filePath(QStringLiteral("Φάκελος.vapd"));
    QDir().mkpath(folderNamedLikeADocument);
    refused(folderNamedLikeADocument, QStringLiteral("Το αρχείο δεν διαβάζεται: είναι φάκελος, όχι αρχείο"));

    // A document cut short: the reader says where its contents end.
    const QString doc = Dir.filePath(QStringLiteral("Έργο.vapd"));
    SaveAs(doc);
    current = Doc();
    const QByteArray whole = ReadAll(doc);
    WriteFile(Dir.filePath(QStringLiteral("Κομμένο.vapd")), whole.left(whole.size() / 2));
    Messages.clear();
    Open(Dir.filePath(QStringLiteral("Κομμένο.vapd")));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].startsWith(QStringLiteral("Αδυναμία ανοίγματος αρχείου ") +
                                       Dir.filePath(QStringLiteral("Κομμένο.vapd")) +
                                       QStringLiteral("\r\nΣφάλμα ανάγνωσης δεδομένων (θέση ")))
        << Messages[0].toStdString();
    EXPECT_EQ(Doc(), current);

    // A document the user may not read (root reads every file, so only an ordinary user can meet this).
    if (geteuid() != 0) {
        QFile::setPermissions(doc, QFileDevice::Permissions());
        refused(doc,
                QStringLiteral("Το αρχείο δεν διαβάζεται: δεν επιτρέπεται η πρόσβαση στο αρχείο ή στον φάκελό του"));
        QFile::setPermissions(doc, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

TEST_F(DocumentFilesTest, LeftoversOfSavesThatNeverEndedGoAtTheNextSaveAndRunningSavesAreLeftAlone)
{
    const QString folder = Dir.filePath(QStringLiteral("Έργα"));
    QDir().mkpath(folder);
    const QString doc = QDir(folder).filePath(QStringLiteral("Έργο.vapd"));
    const QString other = QDir(folder).filePath(QStringLiteral("Άλλο.vapd"));
    SaveAs(doc);

    // Two saves of this document cut short, one of another document, and one still being written.
    TOtherSave cut1(doc, false), cut2(doc, false), cutOther(other, false), running(doc, true);
    ASSERT_TRUE(cut1.Written() && cut2.Written() && cutOther.Written() && running.Written());
    // Leftovers of the earlier naming: a day old (abandoned) and fresh (perhaps being written); a file of the
    // user's that only looks alike.
    WriteFile(QDir(folder).filePath(QStringLiteral(".Έργο.vapd.aB3xY9")), "old", 2);
    WriteFile(QDir(folder).filePath(QStringLiteral(".Έργο.vapd.aB3xY9.Qw12Er")), "old", 2);
    WriteFile(QDir(folder).filePath(QStringLiteral(".Έργο.vapd.Zx98Cv")), "fresh");
    WriteFile(QDir(folder).filePath(QStringLiteral(".Έργο.vapd.σημειώσεις")), "notes", 2);
    const QStringList before = FilesIn(folder);
    ASSERT_EQ(before.size(), 9);

    Trigger(Main->aInsertPage);
    Trigger(Main->aSave);
    EXPECT_FALSE(Main->FileControl1->Modified());
    const QStringList after = FilesIn(folder);
    QStringList gone;
    for (const QString &f : before)
        if (!after.contains(f))
            gone << f;
    // The two cut-short saves of this document and the day-old leftovers; nothing else.
    EXPECT_EQ(gone.size(), 4) << gone.join(u' ').toStdString();
    EXPECT_FALSE(gone.contains(QStringLiteral(".Έργο.vapd.Zx98Cv")));
    EXPECT_FALSE(gone.contains(QStringLiteral(".Έργο.vapd.σημειώσεις")));
    EXPECT_TRUE(gone.contains(QStringLiteral(".Έργο.vapd.aB3xY9")));
    EXPECT_TRUE(gone.contains(QStringLiteral(".Έργο.vapd.aB3xY9.Qw12Er")));
    for (const QString &f : gone)
        EXPECT_FALSE(f.startsWith(QStringLiteral(".Άλλο.vapd"))) << f.toStdString();
    EXPECT_TRUE(after.contains(QStringLiteral("Έργο.vapd.bck")));

    // Once the running save has ended, the next save takes its leftover too.
    running.Release();
    Trigger(Main->aInsertPage);
    Trigger(Main->aSave);
    QStringList hidden;
    for (const QString &f : FilesIn(folder))
        if (f.startsWith(QStringLiteral(".Έργο.vapd")))
            hidden << f;
    EXPECT_EQ(hidden, (QStringList{QStringLiteral(".Έργο.vapd.Zx98Cv"), QStringLiteral(".Έργο.vapd.σημειώσεις")}));
}

TEST_F(DocumentFilesTest, ADocumentWithTheLongestNameSavesAndItsLeftoversGoToo)
{
    // 245 bytes: the longest name a folder takes is still saved through a temporary file beside it.
    const QString folder = Dir.filePath(QStringLiteral("Έργα"));
    QDir().mkpath(folder);
    const QString doc = QDir(folder).filePath(QString(120, QChar(u'Ω')) + QStringLiteral(".vapd"));
    ASSERT_EQ(QFile::encodeName(QFileInfo(doc).fileName()).size(), 245);
    SaveAs(doc);
    ASSERT_EQ(Main->FileControl1->FileName(), doc) << (Messages.empty() ? "" : Messages.back().toStdString());
    TOtherSave cut(doc, false);
    ASSERT_TRUE(cut.Written());
    ASSERT_EQ(FilesIn(folder).size(), 2);
    Trigger(Main->aInsertPage);
    Trigger(Main->aSave);
    EXPECT_EQ(FilesIn(folder),
              (QStringList{QFileInfo(doc).fileName(), QFileInfo(doc).fileName() + QStringLiteral(".bck")}));
    EXPECT_TRUE(Messages.empty()) << Messages.front().toStdString();
}
