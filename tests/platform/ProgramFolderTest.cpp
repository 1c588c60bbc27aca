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

TEST(ProgramFolder, WritableInstallFolderIsUsedAsItIs)
{
    QTemporaryDir exe, user;
    EXPECT_EQ(Platform::ProgramFolderFor(exe.path(), true, user.path() + "/u"), exe.path());
    EXPECT_FALSE(QFileInfo::exists(user.path() + "/u"));
}

TEST(ProgramFolder, ReadOnlyInstallFillsTheUserFolderWithoutReplacingUserFiles)
{
    QTemporaryDir exe, user;
    WriteFile(exe.path() + "/APDData/Payment.db", "shipped");
    WriteFile(exe.path() + "/APDData/Employes.Db", "shipped-empty");
    WriteFile(user.path() + "/APDData/Employes.Db", "the user's employers");
    const QString folder = Platform::ProgramFolderFor(exe.path(), false, user.path());
    EXPECT_EQ(folder, user.path());
    EXPECT_EQ(ReadFile(user.path() + "/APDData/Payment.db"), "shipped");
    EXPECT_EQ(ReadFile(user.path() + "/APDData/Employes.Db"), "the user's employers");
}
