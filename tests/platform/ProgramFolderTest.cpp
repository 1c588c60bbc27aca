#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
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
    const QString user = home.path() + "/share/DovraApd";
    EXPECT_EQ(Platform::UserFolderFor(exe.path(), user), user);
    EXPECT_EQ(ReadFile(user + "/Projects/Έργο.vapd"), "an earlier document");
    // The tables are the data module's to bring in; the folder beside the program is only read.
    EXPECT_FALSE(QFileInfo::exists(user + "/APDData"));
    EXPECT_EQ(QDir(exe.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"APDData", "Projects"}));

    // Only the first time: a document the user removed since is not brought back, nor one changed replaced.
    QFile::remove(user + "/Projects/Έργο.vapd");
    WriteFile(exe.path() + "/Projects/Άλλο.vapd", "another");
    Platform::UserFolderFor(exe.path(), user);
    EXPECT_EQ(QDir(user + "/Projects").entryList(QDir::Files), QStringList());
}

TEST(UserFolder, TheRunningProgramsFolderIsUnderItsPrivateHomeNeverBesideIt)
{
    // Test programs run in a home of their own; the program's folder beside the executable stays as built.
    EXPECT_TRUE(Platform::UserFolder().startsWith(qEnvironmentVariable("XDG_DATA_HOME") + "/"))
        << Platform::UserFolder().toStdString();
    EXPECT_TRUE(QFileInfo(Platform::UserFolder() + "/Projects").isDir());
    EXPECT_FALSE(Platform::UserFolder().startsWith(Platform::InstallFolder()));
}
