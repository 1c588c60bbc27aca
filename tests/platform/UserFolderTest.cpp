#include "platform/HtmlHelpLib.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "support/PrivateHome.h"
#include "vcl/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace
{
void WriteFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}
QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(UserFolder, IsMadeWithItsProjectsFolderAndTakesTheDocumentsEarlierVersionsKeptBesideTheProgram)
{
    QTemporaryDir exe, home;
    WriteFile(exe.path() + "/Projects/Έργο.vapd", "an earlier document");
    WriteFile(exe.path() + "/APDData/Payment.db", "shipped");
    // Links to a FIFO and to a device are passed over: neither waited on nor copied for ever.
    TFifoWatch fifo({exe.path() + "/fifo"});
    ASSERT_TRUE(QFile::link(exe.path() + "/fifo", exe.path() + "/Projects/Σωλήνας.vapd"));
    ASSERT_TRUE(QFile::link("/dev/zero", exe.path() + "/Projects/Μηδενικά.vapd"));
    const QString user = home.path() + "/share/DovraApd";
    EXPECT_EQ(Platform::UserFolderFor(exe.path(), user), user);
    EXPECT_EQ(ReadFile(user + "/Projects/Έργο.vapd"), "an earlier document");
    EXPECT_EQ(QDir(user + "/Projects").entryList(QDir::Files | QDir::System), QStringList{"Έργο.vapd"});
    EXPECT_TRUE(fifo.Waited().isEmpty()) << fifo.Waited().join(u' ').toStdString();
    // The tables are the data module's to bring in; the documents beside the program stay there too.
    EXPECT_FALSE(QFileInfo::exists(user + "/APDData"));
    EXPECT_EQ(ReadFile(exe.path() + "/Projects/Έργο.vapd"), "an earlier document");

    // Only the first time: a document the user removed since is not brought back, nor a new one taken.
    QFile::remove(user + "/Projects/Έργο.vapd");
    WriteFile(exe.path() + "/Projects/Άλλο.vapd", "another");
    Platform::UserFolderFor(exe.path(), user);
    EXPECT_EQ(QDir(user + "/Projects").entryList(QDir::Files), QStringList());
}

namespace
{
// Every message the platform shows, answered OK.
class TToldMessages
{
public:
    TToldMessages()
    {
        FPrevious = SetMessageDlgHandler([this](const TMessageDlgRequest &r) {
            Told << r.Msg;
            return TModalResult(mrOk);
        });
    }
    ~TToldMessages() { SetMessageDlgHandler(FPrevious); }
    QStringList Told;

private:
    TMessageDlgHandler FPrevious;
};

QString RefusalText(const QString &file, const QString &cause)
{
    return QStringLiteral("Το αρχείο %1 δεν διαβάζεται: %2.\r\nΤο πρόγραμμα συνεχίζει χωρίς αυτό, με τις "
                          "προεπιλογές του, και αφήνει το αρχείο όπως είναι.")
        .arg(file, cause);
}
} // namespace

// The registry's file and the desktop's recent list are read before anything of them is used: a FIFO there
// would stop the program for good. Each is refused at once, the user is told once, and it stays a FIFO.
TEST(SideFiles, AFifoInPlaceOfTheRegistryOrTheRecentListIsToldOnceAndLeftAlone)
{
    QTemporaryDir dir;
    const QString hive = dir.filePath("registry/HKEY_CURRENT_USER.ini"), recent = dir.filePath("recently-used.xbel");
    TToldMessages messages;
    TRegistry::SetStorageFolder(dir.filePath("registry"));
    Platform::SetRecentDocsFile(recent);
    const QString key = QStringLiteral("Software\\Dovra\\Apd\\RecentFiles");
    const QString document = dir.filePath("Έργο.vapd");
    WriteFile(document, "a document");
    {
        TFifoWatch fifos({hive, recent});
        ASSERT_TRUE(fifos.Made());
        for (int run = 0; run < 2; ++run) {
            TRegistry reg;
            EXPECT_FALSE(reg.OpenKey(key, false));
            EXPECT_FALSE(reg.OpenKey(key, true));
            EXPECT_TRUE(reg.GetValueNames().isEmpty());
            EXPECT_THROW(reg.WriteString(QStringLiteral("File0"), document), ERegistryException);
            EXPECT_FALSE(Platform::AddToRecentDocs(document));
        }
        EXPECT_EQ(messages.Told.join(u'\n').toStdString(),
                  (RefusalText(hive, QStringLiteral("είναι σωλήνωση (FIFO), όχι αρχείο")) + u'\n' +
                   RefusalText(recent, QStringLiteral("είναι σωλήνωση (FIFO), όχι αρχείο")))
                      .toStdString());
        EXPECT_TRUE(fifos.StillThere());
        EXPECT_TRUE(fifos.Waited().isEmpty()) << fifos.Waited().join(u' ').toStdString();
    }

    // A file far larger than any the program writes is not read either.
    WriteFile(hive, QByteArray(2 * 1024 * 1024, '#'));
    messages.Told.clear();
    EXPECT_FALSE(TRegistry().OpenKey(key, true));
    EXPECT_EQ(messages.Told.join(u'\n').toStdString(),
              RefusalText(hive, QStringLiteral("είναι πολύ μεγάλο (2 MB· το όριο είναι 1 MB)")).toStdString());
    EXPECT_EQ(QFileInfo(hive).size(), 2 * 1024 * 1024);

    // Once the files are ordinary again, both serve.
    QFile::remove(hive);
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(key, true));
        reg.WriteString(QStringLiteral("File0"), document);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(key, false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("File0")), document);
    EXPECT_TRUE(Platform::AddToRecentDocs(document));
    EXPECT_TRUE(ReadFile(recent).contains(QUrl::fromLocalFile(document).toString(QUrl::FullyEncoded).toUtf8()));
    TRegistry::SetStorageFolder(QString());
    Platform::SetRecentDocsFile(QString());
}

// A help file that is a FIFO is refused with its reason in the help window, at once.
TEST(SideFiles, AHelpFileThatIsAFifoIsRefusedInTheHelpWindow)
{
    QTemporaryDir dir;
    const QString help = dir.filePath("DovraApd.chm");
    TFifoWatch fifo({help});
    ASSERT_TRUE(fifo.Made());
    const quintptr library = Platform::LoadLibrary(QStringLiteral("HHCTRL.OCX"));
    ASSERT_NE(library, 0u);
    auto *htmlHelp = reinterpret_cast<THtmlHelpProc>(Platform::GetProcAddress(library, "HtmlHelpA"));
    ASSERT_NE(htmlHelp, nullptr);
    htmlHelp(0, help, HH_DISPLAY_TOC, 0);
    EXPECT_TRUE(Platform::HelpWindowState().Text.contains(
        QStringLiteral("δεν ανοίγει. Το αρχείο δεν διαβάζεται: είναι σωλήνωση (FIFO), όχι αρχείο")))
        << Platform::HelpWindowState().Text.toStdString();
    htmlHelp(0, QString(), HH_CLOSE_ALL, 0);
    Platform::FreeLibrary(library);
    EXPECT_TRUE(fifo.Waited().isEmpty()) << fifo.Waited().join(u' ').toStdString();
}
