// What the user sees when a document's file cannot be written or read, and what is left beside it:
// saves and opens through the main window's commands, on real files in a temporary folder.
#include "MainWindowDriver.h"
#include "platform/SafeWrite.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
    // Ends the other process at once, as a power cut or a kill does, before its rename.
    void Kill()
    {
        if (FPid > 0)
            kill(FPid, SIGKILL);
        Release();
    }
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

TEST_F(DocumentFilesTest, NamesThatAreNoDocumentsAreRefusedAtOnceWithoutReadingOrWaiting)
{
    // Each would stop the program: a FIFO without a writer waits for ever, a device or a sparse file of
    // gigabytes fills the memory. Each is refused before a byte is read, File > Open and templates alike.
    const QString odd = Dir.filePath(QStringLiteral("Παράξενα"));
    QDir().mkpath(odd);
    const auto in = [&](const char *name) { return QDir(odd).filePath(QString::fromUtf8(name)); };
    ASSERT_EQ(mkfifo(QFile::encodeName(in("Σωλήνας.vapd")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), in("Μηδενικά.vapd")));
    ASSERT_TRUE(QFile::link(in("Κύκλος-2.vapd"), in("Κύκλος-1.vapd")));
    ASSERT_TRUE(QFile::link(in("Κύκλος-1.vapd"), in("Κύκλος-2.vapd")));
    {
        QFile sparse(in("Τεράστιο.vapd"));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sparse.resize(qint64(3) << 30));
        QFile justAbove(in("Μεγάλο.vapd"));
        ASSERT_TRUE(justAbove.open(QIODevice::WriteOnly));
        ASSERT_TRUE(justAbove.resize(TApdData::MaxFileSize + 1));
    }
    // A socket cannot be opened at all; it is named for what it is.
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(in("Υποδοχή.vapd"));
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);

    TApdData *const current = Doc();
    const QString prefix = QStringLiteral("Το αρχείο δεν διαβάζεται: ");
    const std::vector<std::pair<QString, QString>> cases = {
        {in("Σωλήνας.vapd"), QStringLiteral("είναι σωλήνωση (FIFO), όχι αρχείο")},
        {in("Μηδενικά.vapd"), QStringLiteral("είναι συσκευή, όχι αρχείο")},
        {in("Κύκλος-1.vapd"), QStringLiteral("οι συμβολικοί σύνδεσμοι του ονόματος σχηματίζουν κύκλο")},
        {in("Τεράστιο.vapd"), QStringLiteral("είναι πολύ μεγάλο (3.072 MB· το όριο είναι 16 MB)")},
        {in("Μεγάλο.vapd"), QStringLiteral("είναι πολύ μεγάλο (17 MB· το όριο είναι 16 MB)")},
        {in("Υποδοχή.vapd"), QStringLiteral("είναι υποδοχή επικοινωνίας (socket), όχι αρχείο")},
    };
    QElapsedTimer clock;
    clock.start();
    for (const auto &[path, reason] : cases) {
        Messages.clear();
        Open(path);
        ASSERT_EQ(Messages.size(), 1u) << path.toStdString();
        EXPECT_EQ(Messages[0].toStdString(),
                  (QStringLiteral("Αδυναμία ανοίγματος αρχείου ") + path + QStringLiteral("\r\n") + prefix + reason)
                      .toStdString());
        EXPECT_EQ(Doc(), current);
    }
    // Retry asks again, as often as the user retries, and never waits on the FIFO.
    Messages.clear();
    Answers = {mrRetry, mrRetry, mrAbort};
    Open(in("Σωλήνας.vapd"));
    EXPECT_EQ(Messages.size(), 3u);
    // A template is opened with the same care.
    Messages.clear();
    FileChoices << in("Σωλήνας.vapd");
    Trigger(Main->aFileNewFromTemplate);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].endsWith(prefix + QStringLiteral("είναι σωλήνωση (FIFO), όχι αρχείο")));
    EXPECT_EQ(Doc(), current);
    EXPECT_LT(clock.elapsed(), 5000);
    close(sock);
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

TEST_F(DocumentFilesTest, TwoWindowsOnOneDocumentNeverSaveOverEachOtherWithoutAsking)
{
    const QString doc = Dir.filePath(QStringLiteral("Κοινό.vapd"));
    const QString elsewhere = Dir.filePath(QStringLiteral("Δικό μου.vapd"));
    SaveAs(doc);
    // A second window of the program (as a second program would) opens the same document.
    std::unique_ptr<TMain> other(new TMain(nullptr));
    TMain *const first = Main;
    const auto save = [&](TMain *window) {
        Trigger(window->aInsertPage);
        Messages.clear();
        Trigger(window->aSave);
    };
    FileChoices << doc;
    Trigger(other->aOpen);
    ASSERT_EQ(other->FileControl1->FileName(), doc);

    // The first saves: nobody else has written the file since it did, so nothing is asked.
    save(first);
    EXPECT_TRUE(Messages.empty());
    const QByteArray firstVersion = ReadAll(doc);

    // The other one would lose that: it asks. Cancel saves nothing and keeps its changes.
    Answers = {mrCancel};
    save(other.get());
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].toStdString(),
              (QStringLiteral("Το αρχείο ") + doc +
               QStringLiteral(" άλλαξε από άλλο πρόγραμμα αφού το ανοίξατε ή το αποθηκεύσατε εδώ.\r\n"
                              "Να αποθηκευτεί το έντυπο με άλλο όνομα, ώστε να μη χαθούν εκείνες οι αλλαγές;\r\n\r\n"
                              "Ναι: αποθήκευση με άλλο όνομα.\r\nΌχι: αντικατάσταση του αρχείου.\r\n"
                              "Άκυρο: καμία αποθήκευση."))
                  .toStdString());
    // Enter keeps both versions.
    EXPECT_EQ(DefaultModalResult(mbYesNoCancel), mrYes);
    EXPECT_EQ(ReadAll(doc), firstVersion);
    EXPECT_TRUE(other->FileControl1->Modified());
    // With no one there to answer, the same.
    EXPECT_EQ(SafeModalResult(mbYesNoCancel), mrCancel);

    // Yes: Save As, to a name of its own; the shared file stays the first window's.
    Answers = {mrYes};
    FileChoices << elsewhere;
    Messages.clear();
    Trigger(other->aSave);
    EXPECT_EQ(Messages.size(), 1u);
    EXPECT_EQ(other->FileControl1->FileName(), elsewhere);
    EXPECT_FALSE(other->FileControl1->Modified());
    EXPECT_EQ(ReadAll(doc), firstVersion);
    EXPECT_FALSE(ReadAll(elsewhere).isEmpty());

    // The other window reads the shared file again, the first saves once more, and the other overwrites it
    // with No: the first window's version is the backup.
    FileChoices << doc;
    Trigger(other->aOpen);
    save(first);
    const QByteArray secondVersion = ReadAll(doc);
    Answers = {mrNo};
    save(other.get());
    EXPECT_EQ(Messages.size(), 1u);
    EXPECT_NE(ReadAll(doc), secondVersion);
    EXPECT_EQ(ReadAll(doc + QStringLiteral(".bck")), secondVersion);
    EXPECT_FALSE(other->FileControl1->Modified());

    // Asked only when the contents changed: a file touched, or written again with the same bytes, is not.
    {
        QFile touched(doc);
        ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
        ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    }
    save(other.get());
    EXPECT_TRUE(Messages.empty());
    const QByteArray same = ReadAll(doc);
    ASSERT_TRUE(QFile::remove(doc));
    WriteFile(doc, same);
    save(other.get());
    EXPECT_TRUE(Messages.empty());

    // A file deleted meanwhile holds nothing to lose: Save goes to Save As, which writes it again unasked.
    ASSERT_TRUE(QFile::remove(doc));
    FileChoices << doc;
    save(other.get());
    EXPECT_TRUE(Messages.empty());
    EXPECT_TRUE(QFileInfo::exists(doc));
    EXPECT_FALSE(other->FileControl1->Modified());
    // The first window now asks, since the other one wrote the file after it.
    Answers = {mrCancel};
    save(first);
    EXPECT_EQ(Messages.size(), 1u);
    other.reset();
    Main = first;
}

TEST_F(DocumentFilesTest, AnExportCutShortLeavesNothingBehindAfterTheNextExport)
{
    // The submission file on a small removable disk; two exports killed while writing it.
    const QString disk = Dir.filePath(QStringLiteral("Δισκέτα"));
    QDir().mkpath(disk);
    const QString file = QDir(disk).filePath(QStringLiteral("csc01"));
    TOtherSave killed1(file, true), killed2(file, true), running(file, true);
    ASSERT_TRUE(killed1.Written() && killed2.Written() && running.Written());
    killed1.Kill();
    killed2.Kill();
    ASSERT_EQ(FilesIn(disk).size(), 3);

    ASSERT_FALSE(Export(file).isEmpty()) << (Messages.empty() ? "" : Messages.back().toStdString());
    // The leftovers of the killed exports are gone; the one still being written is not touched.
    const QStringList files = FilesIn(disk);
    ASSERT_EQ(files.size(), 2) << files.join(u' ').toStdString();
    EXPECT_TRUE(files.contains(QStringLiteral("csc01")));
    running.Release();
    ASSERT_FALSE(Export(file).isEmpty());
    EXPECT_EQ(FilesIn(disk), QStringList{QStringLiteral("csc01")});
}
