#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Platform {

QString InstallFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString UserFolderFor(const QString &InstallDir, const QString &UserDir)
{
    const QString projects = QDir(UserDir).filePath(QStringLiteral("Projects"));
    if (QFileInfo(projects).isDir())
        return UserDir;
    QDir().mkpath(projects);
    const QDir earlier(QDir(InstallDir).filePath(QStringLiteral("Projects")));
    for (const QFileInfo &document : earlier.entryInfoList(QDir::Files))
        QFile::copy(document.filePath(), QDir(projects).filePath(document.fileName()));
    return UserDir;
}

QString UserFolder()
{
    static const QString folder =
        UserFolderFor(InstallFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
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
