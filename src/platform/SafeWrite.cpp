#include "SafeWrite.h"

#include "vcl/SysUtils.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace
{

// The host part of the temporary names: letters, digits and '-' only, at most 32 of them.
QString HostTag()
{
    QString host = QSysInfo::machineHostName().left(32);
    for (QChar &c : host)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'-')
            c = u'_';
    return host.isEmpty() ? QStringLiteral("host") : host;
}

// ".name.~host." before the process id: the name is cut where the whole temporary name (with the longest
// process id and the random part) would pass the file system's limit of 255 bytes.
QString TemporaryPrefix(const QFileInfo &target)
{
    const QString tail = QStringLiteral(".~") + HostTag() + u'.';
    const int reserve = 10 + 7; // process id, ".XXXXXX"
    QString name = target.fileName();
    while (!name.isEmpty() && QFile::encodeName(u'.' + name + tail).size() + reserve > 255)
        name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
    return u'.' + name + tail;
}

} // namespace

namespace Platform
{

bool ProcessRuns(qint64 Pid)
{
    if (Pid <= 0 || Pid != qint64(static_cast<pid_t>(Pid)))
        return false;
    // EPERM: it runs, under another user.
    return ::kill(static_cast<pid_t>(Pid), 0) == 0 || errno == EPERM;
}

QString CreateFileErrorText(const QString &Target, int Error)
{
    return QStringLiteral("Αδυναμία δημιουργίας του αρχείου %1: %2")
        .arg(QDir::toNativeSeparators(Target), SystemErrorCause(Error));
}

QString WriteTemporaryBeside(const QString &Target, const QByteArray &Data, TFileStamp *Stamp)
{
    const QFileInfo target(Target);
    QByteArray path = QFile::encodeName(target.absolutePath() + u'/' + TemporaryPrefix(target) +
                                        QString::number(::getpid()) + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(path.data());
    if (fd < 0)
        throw EFCreateError(CreateFileErrorText(Target, errno));
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(path.constData());
        throw EFCreateError(CreateFileErrorText(Target, error));
    };
    for (qsizetype done = 0; done < Data.size();) {
        const ssize_t n = ::write(fd, Data.constData() + done, static_cast<size_t>(Data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n < 0 ? errno : ENOSPC);
        done += n;
    }
    if (::fsync(fd) != 0)
        fail(errno);
    // A rename keeps the file's identity and time, so the stamp taken now holds for Target.
    if (Stamp)
        *Stamp = StampOf(Target, fd, Data);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(path.constData());
        throw EFCreateError(CreateFileErrorText(Target, error));
    }
    return QFile::decodeName(path);
}

TFileStamp ReplaceFile(const QString &Target, const QByteArray &Data, const std::function<void()> &BeforeRename)
{
    RemoveStaleTemporaries(Target);
    TFileStamp stamp;
    const QString temp = WriteTemporaryBeside(Target, Data, &stamp);
    QFile::setPermissions(temp, QFileInfo::exists(Target) ? QFile::permissions(Target)
                                                          : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // Whatever stops the file from taking its name, the temporary goes.
    TScopeExit removeTemp([&temp] { QFile::remove(temp); });
    if (BeforeRename)
        BeforeRename();
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(Target).constData()) != 0)
        throw EFCreateError(CreateFileErrorText(QFileInfo(Target).absoluteFilePath(), errno));
    removeTemp.Dismiss();
    return stamp;
}

bool LinkOrCopy(const QString &From, const QString &To)
{
    return ::link(QFile::encodeName(From).constData(), QFile::encodeName(To).constData()) == 0 || QFile::copy(From, To);
}

QString NumberedFileName(const QString &Target, int N)
{
    if (N <= 1)
        return Target;
    const QFileInfo target(Target);
    const QString suffix = target.suffix();
    // A hidden name (".apd") is all base.
    const bool hasSuffix = !suffix.isEmpty() && !target.completeBaseName().isEmpty();
    QString name = (hasSuffix ? target.completeBaseName() : target.fileName()) + u'-' + QString::number(N);
    if (hasSuffix)
        name += u'.' + suffix;
    return target.dir().filePath(name);
}

QString KeepUnderFreeName(const QString &Temp, const QString &Target)
{
    const QByteArray temp = QFile::encodeName(Temp);
    const auto fail = [&](int error) {
        ::unlink(temp.constData());
        throw EFCreateError(CreateFileErrorText(QFileInfo(Target).absoluteFilePath(), error));
    };
    // What the writer left in the system's buffers reaches the disk before the file takes its name.
    const int fd = ::open(temp.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail(errno);
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (synced != 0)
        fail(synced);
    QFile::setPermissions(Temp, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                    QFileDevice::ReadOther);
    constexpr int MaxTries = 9999;
    for (int n = 1; n <= MaxTries; ++n) {
        const QString name = NumberedFileName(Target, n);
        const QByteArray path = QFile::encodeName(name);
        if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, path.constData(), RENAME_NOREPLACE) == 0)
            return name;
        int error = errno;
        if (error == EINVAL || error == ENOSYS) {
            // A file system that cannot refuse to replace: the name is checked first.
            if (QFileInfo::exists(name) || QFileInfo(name).isSymLink())
                continue;
            if (std::rename(temp.constData(), path.constData()) == 0)
                return name;
            error = errno;
        }
        if (error != EEXIST)
            fail(error);
    }
    ::unlink(temp.constData());
    throw EFCreateError(
        QStringLiteral("Αδυναμία δημιουργίας του αρχείου %1: υπάρχουν ήδη αρχεία με όλα τα ονόματα έως %2")
            .arg(QDir::toNativeSeparators(QFileInfo(Target).absoluteFilePath()),
                 QFileInfo(NumberedFileName(Target, MaxTries)).fileName()));
}

int RemoveStaleTemporaries(const QString &Target)
{
    const QFileInfo target(Target);
    const QDir dir = target.absoluteDir();
    const QString ours = TemporaryPrefix(target);
    // Earlier versions named them ".name.XXXXXX" (and ".name.XXXXXX.XXXXXX" for the file they wrote through),
    // with nothing saying who wrote them: only those untouched for a day are surely abandoned.
    const QRegularExpression earlier(QStringLiteral("^\\.") + QRegularExpression::escape(target.fileName()) +
                                     QStringLiteral("\\.[A-Za-z0-9]{6}(\\.[A-Za-z0-9]{6})?$"));
    const QDateTime dayAgo = QDateTime::currentDateTimeUtc().addDays(-1);
    int removed = 0;
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = entry.fileName();
        bool stale = false;
        if (name.startsWith(ours)) {
            // "<pid>.XXXXXX" after the prefix.
            const QString rest = name.mid(ours.size());
            const qsizetype dot = rest.indexOf(u'.');
            bool ok = false;
            const qint64 pid = dot > 0 ? rest.left(dot).toLongLong(&ok) : 0;
            stale = ok && pid > 0 && rest.size() - dot - 1 == 6 && !ProcessRuns(pid);
        } else if (earlier.match(name).hasMatch()) {
            stale = entry.lastModified().toUTC() < dayAgo;
        }
        if (stale && QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace Platform
