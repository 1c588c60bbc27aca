#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Platform {
namespace {
// Copies what the user folder lacks; files the user already has (their employers, employees and
// documents) are never replaced.
void FillMissing(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString target = QDir(to).filePath(info.fileName());
        if (info.isDir())
            FillMissing(info.filePath(), target);
        else if (!QFileInfo::exists(target))
            QFile::copy(info.filePath(), target);
    }
}
} // namespace

QString ProgramFolderFor(const QString &exeDir, bool exeWritable, const QString &userDir)
{
    if (exeWritable)
        return exeDir;
    for (const char *sub : {"APDData", "Projects"}) {
        const QString installed = QDir(exeDir).filePath(QString::fromLatin1(sub));
        if (QFileInfo(installed).isDir())
            FillMissing(installed, QDir(userDir).filePath(QString::fromLatin1(sub)));
    }
    const QString help = QDir(exeDir).filePath(QStringLiteral("DovraApd.chm"));
    const QString userHelp = QDir(userDir).filePath(QStringLiteral("DovraApd.chm"));
    QDir().mkpath(userDir);
    if (QFileInfo::exists(help) && !QFileInfo::exists(userHelp))
        QFile::copy(help, userHelp);
    return userDir;
}

QString ProgramFolder()
{
    static const QString folder = [] {
        const QString exeDir = QCoreApplication::applicationDirPath();
        return ProgramFolderFor(exeDir, !exeDir.isEmpty() && QFileInfo(exeDir).isWritable(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }();
    return folder;
}
} // namespace Platform

#include <QStorageInfo>

namespace Platform {
QString RemovableMediaFolder()
{
    // Desktops mount removable media under /media/<user>/ or /run/media/<user>/.
    QStringList found;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly() &&
            (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/"))))
            found << root;
    }
    if (found.isEmpty())
        return QDir::homePath();
    found.sort();
    return found.first();
}
} // namespace Platform
