#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Platform
{
QString ProgramFolder()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty() && QFileInfo(exeDir).isWritable())
        return exeDir;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    return user;
}
} // namespace Platform

#include <QStorageInfo>

namespace Platform
{
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
