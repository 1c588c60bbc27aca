// Makes a file (or a folder) unwritable for this process while the object lives. An ordinary user loses the write
// permission (chmod a-w); root, whom permissions do not stop, gets the file marked immutable, which stops
// root too. Where neither works (a file system without the immutable flag), Made() is false and Reason()
// says why, for the test to skip.
#pragma once

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

class TReadOnlyFile
{
public:
    explicit TReadOnlyFile(const QString &path) : FPath(path)
    {
        FPermissions = QFile::permissions(path);
        if (::geteuid() != 0) {
            FMade = QFile::setPermissions(path, FPermissions & ~(QFile::WriteOwner | QFile::WriteUser |
                                                                  QFile::WriteGroup | QFile::WriteOther));
            if (!FMade)
                FReason = QStringLiteral("chmod failed");
            return;
        }
        FImmutable = SetImmutable(true);
        FMade = FImmutable;
    }
    ~TReadOnlyFile()
    {
        if (FImmutable)
            SetImmutable(false);
        else if (FMade)
            QFile::setPermissions(FPath, FPermissions);
    }
    TReadOnlyFile(const TReadOnlyFile &) = delete;
    TReadOnlyFile &operator=(const TReadOnlyFile &) = delete;

    bool Made() const { return FMade; }
    QString Reason() const { return FReason; }

private:
    bool SetImmutable(bool on)
    {
        const int fd = ::open(QFile::encodeName(FPath).constData(), O_RDONLY);
        if (fd < 0) {
            FReason = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        if (!ok)
            FReason = QStringLiteral("running as root and the file system cannot mark the file immutable (%1)")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
        ::close(fd);
        return ok;
    }

    QString FPath;
    QFile::Permissions FPermissions;
    QString FReason;
    bool FMade = false, FImmutable = false;
};
