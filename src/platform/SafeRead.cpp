#include "SafeRead.h"

#include "vcl/Dialogs.h"
#include "vcl/SysUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

[[noreturn]] void Refuse(const QString &Cause)
{
    throw EFOpenError(QStringLiteral("Το αρχείο δεν διαβάζεται: ") + Cause);
}

// Why something that is not a regular file is not read as one.
QString KindCause(mode_t Mode)
{
    if (S_ISDIR(Mode))
        return SystemErrorText(EISDIR);
    if (S_ISCHR(Mode) || S_ISBLK(Mode))
        return QStringLiteral("είναι συσκευή, όχι αρχείο");
    if (S_ISFIFO(Mode))
        return QStringLiteral("είναι σωλήνωση (FIFO), όχι αρχείο");
    if (S_ISSOCK(Mode))
        return QStringLiteral("είναι υποδοχή επικοινωνίας (socket), όχι αρχείο");
    return QStringLiteral("δεν είναι κανονικό αρχείο");
}

QString WholeMegabytes(qint64 Bytes)
{
    const qint64 mb = 1024 * 1024;
    return QLocale(QLocale::Greek, QLocale::Greece).toString((Bytes + mb - 1) / mb) + QStringLiteral(" MB");
}

[[noreturn]] void RefuseSize(qint64 Size, qint64 MaxSize)
{
    Refuse(
        QStringLiteral("είναι πολύ μεγάλο (%1· το όριο είναι %2)").arg(WholeMegabytes(Size), WholeMegabytes(MaxSize)));
}

QString AbsolutePath(const QString &Path)
{
    return QDir::cleanPath(QFileInfo(Path).absoluteFilePath());
}

Platform::TFileStamp StampFrom(const QString &Path, const struct stat &Info, const QByteArray &Data)
{
    Platform::TFileStamp stamp;
    stamp.Path = AbsolutePath(Path);
    stamp.Size = Info.st_size;
    stamp.ModifiedNs = qint64(Info.st_mtim.tv_sec) * 1000000000 + Info.st_mtim.tv_nsec;
    stamp.Device = Info.st_dev;
    stamp.Inode = Info.st_ino;
    // Two seeded hashes of the contents, ten times faster than a cryptographic digest: the stamp tells a file
    // another program changed apart from the one read, and a document is hashed at every open and save.
    const quint64 digest[2] = {quint64(qHashBits(Data.constData(), size_t(Data.size()), 0x2545F4914F6CDD1DULL)),
                               quint64(qHashBits(Data.constData(), size_t(Data.size()), 0x9E3779B97F4A7C15ULL))};
    stamp.Hash = QByteArray(reinterpret_cast<const char *>(digest), sizeof digest);
    return stamp;
}

bool SameIdentity(const struct stat &Info, const Platform::TFileStamp &Stamp)
{
    return S_ISREG(Info.st_mode) && Info.st_size == Stamp.Size && Info.st_dev == Stamp.Device &&
           Info.st_ino == Stamp.Inode &&
           qint64(Info.st_mtim.tv_sec) * 1000000000 + Info.st_mtim.tv_nsec == Stamp.ModifiedNs;
}

} // namespace

namespace Platform
{

bool TFileStamp::Names(const QString &File) const
{
    return !IsNull() && !File.isEmpty() && AbsolutePath(File) == Path;
}

int OpenRegularFile(const QString &Path)
{
    const QByteArray name = QFile::encodeName(Path);
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        // A socket cannot be opened at all: say what it is rather than what the open found.
        struct stat info;
        if (error == ENXIO && ::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
            Refuse(KindCause(info.st_mode));
        Refuse(SystemErrorCause(error));
    }
    struct stat info;
    const int statError = ::fstat(fd, &info) == 0 ? 0 : errno;
    if (statError != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        Refuse(statError != 0 ? SystemErrorCause(statError) : KindCause(info.st_mode));
    }
    return fd;
}

QByteArray ReadRegularFile(const QString &Path, qint64 MaxSize, TFileStamp *Stamp)
{
    const int fd = OpenRegularFile(Path);
    struct TCloser {
        int Fd;
        ~TCloser() { ::close(Fd); }
    } closer{fd};

    struct stat info;
    if (::fstat(fd, &info) != 0)
        Refuse(SystemErrorCause(errno));
    if (info.st_size > MaxSize)
        RefuseSize(info.st_size, MaxSize);

    // The file may grow while it is read; the bound holds for what is read, not only for what fstat saw.
    const qint64 limit = MaxSize + 1;
    QByteArray data(qsizetype(std::min<qint64>(limit, std::max<qint64>(info.st_size, 4096))), Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == data.size()) {
            if (done >= limit)
                RefuseSize(done, MaxSize);
            data.resize(qsizetype(std::min<qint64>(limit, qint64(data.size()) * 2)));
        }
        const ssize_t n = ::read(fd, data.data() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            Refuse(SystemErrorCause(errno));
        if (n == 0)
            break;
        done += n;
    }
    data.truncate(done);
    if (Stamp) {
        // The stamp describes what was read: size and time as they stand now that the reading is over.
        if (::fstat(fd, &info) != 0)
            Refuse(SystemErrorCause(errno));
        *Stamp = StampFrom(Path, info, data);
    }
    return data;
}

TFileStamp StampOf(const QString &Path, int Fd, const QByteArray &Data)
{
    struct stat info;
    if (::fstat(Fd, &info) != 0)
        return {};
    return StampFrom(Path, info, Data);
}

bool ChangedSince(const TFileStamp &Stamp, qint64 MaxSize)
{
    if (Stamp.IsNull())
        return false;
    struct stat info;
    if (::stat(QFile::encodeName(Stamp.Path).constData(), &info) != 0)
        return false;
    if (SameIdentity(info, Stamp))
        return false;
    try {
        TFileStamp now;
        ReadRegularFile(Stamp.Path, MaxSize, &now);
        return now.Hash != Stamp.Hash;
    } catch (const EFOpenError &) {
        return true;
    }
}

namespace
{
// Each refused side file is told of once a run for each reason: the program meets its settings file at
// every turn.
void ReportRefusedSideFile(const QString &Path, const QString &Refusal)
{
    static QSet<QString> told;
    const QString file = AbsolutePath(Path);
    const QString key = file + u'\n' + Refusal;
    if (told.contains(key))
        return;
    told.insert(key);
    // "Το αρχείο δεν διαβάζεται: <cause>" with the file named.
    QString cause = Refusal;
    const QString generic = QStringLiteral("Το αρχείο δεν διαβάζεται: ");
    if (cause.startsWith(generic))
        cause = cause.mid(generic.size());
    MessageDlg(QStringLiteral("Το αρχείο %1 δεν διαβάζεται: %2.\r\nΤο πρόγραμμα συνεχίζει χωρίς αυτό, με τις "
                              "προεπιλογές του, και αφήνει το αρχείο όπως είναι.")
                   .arg(QDir::toNativeSeparators(file), cause),
               mtWarning, {mbOK}, 0);
}

// Settings files hold a few values; a larger one is not what the program wrote.
constexpr qint64 MaxSettingsFileSize = 1024 * 1024;
} // namespace

QByteArray ReadSideFile(const QString &Path, qint64 MaxSize, bool *Ok)
{
    if (Ok)
        *Ok = true;
    struct stat info;
    // No file (a dangling link is none either): nothing to read, and the program may make it.
    if (::stat(QFile::encodeName(Path).constData(), &info) != 0 && errno == ENOENT)
        return {};
    try {
        return ReadRegularFile(Path, MaxSize);
    } catch (const EFOpenError &e) {
        if (Ok)
            *Ok = false;
        ReportRefusedSideFile(Path, e.Message());
        return {};
    }
}

bool SideFileUsable(const QString &Path, qint64 MaxSize)
{
    bool ok = true;
    ReadSideFile(Path, MaxSize, &ok);
    return ok;
}

bool SettingsFileUsable(const QString &Path)
{
    return SideFileUsable(Path, MaxSettingsFileSize) &&
           SideFileUsable(Path + QStringLiteral(".lock"), MaxSettingsFileSize);
}

} // namespace Platform
