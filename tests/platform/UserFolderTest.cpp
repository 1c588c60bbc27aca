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
    // The tables are the data module's to bring in; the documents beside the program stay there too.
    EXPECT_FALSE(QFileInfo::exists(user + "/APDData"));
    EXPECT_EQ(ReadFile(exe.path() + "/Projects/Έργο.vapd"), "an earlier document");

    // Only the first time: a document the user removed since is not brought back, nor a new one taken.
    QFile::remove(user + "/Projects/Έργο.vapd");
    WriteFile(exe.path() + "/Projects/Άλλο.vapd", "another");
    Platform::UserFolderFor(exe.path(), user);
    EXPECT_EQ(QDir(user + "/Projects").entryList(QDir::Files), QStringList());
}
