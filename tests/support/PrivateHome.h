// A home of the process's own: HOME and the data, configuration, system configuration and run-time folders
// point into a fresh temporary folder, so nothing a test, benchmark or fuzz run does reads or writes the user's
// own files (their tables, documents, recent files and settings). Made before the application object.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

class TPrivateHome
{
public:
    TPrivateHome()
    {
        if (!FDir.isValid()) {
            std::fprintf(stderr, "no temporary folder for the private home\n");
            std::exit(1);
        }
        Set("HOME", "home");
        Set("XDG_DATA_HOME", "home/.local/share");
        Set("XDG_CONFIG_HOME", "home/.config");
        Set("XDG_CONFIG_DIRS", "etc/xdg");
        Set("XDG_RUNTIME_DIR", "runtime");
        QFile::setPermissions(FDir.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    TPrivateHome(const TPrivateHome &) = delete;
    TPrivateHome &operator=(const TPrivateHome &) = delete;

    QString Path() const { return FDir.path(); }

private:
    void Set(const char *Variable, const char *Folder)
    {
        const QString path = FDir.filePath(QString::fromLatin1(Folder));
        QDir().mkpath(path);
        qputenv(Variable, QFile::encodeName(path));
    }

    QTemporaryDir FDir;
};
