#include "Platform.h"

#include "SafeWrite.h"
#include "vcl/SysUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Platform
{

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
    // Read as documents are: a link there to a FIFO or a device is passed over, not waited on or copied
    // for ever; what cannot be read stays where it is.
    constexpr qint64 MaxDocument = qint64(64) * 1024 * 1024;
    for (const QFileInfo &document : earlier.entryInfoList(QDir::Files)) {
        try {
            ReplaceFile(QDir(projects).filePath(document.fileName()),
                        ReadRegularFile(document.filePath(), MaxDocument));
        } catch (const Exception &) {
        }
    }
    return UserDir;
}

QString UserFolder()
{
    static const QString folder =
        UserFolderFor(InstallFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return folder;
}
} // namespace Platform

#include "SafeRead.h"

#include <QLibraryInfo>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace Platform
{
void CheckQtDialogSettings()
{
    const std::pair<QSettings::Scope, QString> folders[] = {
        {QSettings::UserScope, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)},
        {QSettings::SystemScope, QLibraryInfo::path(QLibraryInfo::SettingsPath)}};
    for (const auto &[scope, folder] : folders) {
        if (SettingsFileUsable(QDir(folder).filePath(QStringLiteral("QtProject.conf"))))
            continue;
        // An empty folder of this run's own, removed when the program ends.
        static QTemporaryDir own(QDir(QDir::tempPath()).filePath(QStringLiteral("DovraApd-dialogs-XXXXXX")));
        QSettings::setPath(QSettings::NativeFormat, scope, own.path());
    }
}

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
