// Files read whole without waiting on them: only regular files are read, their size is checked before a
// byte is read, and what was read is stamped, so that a later change by another program can be told apart.
#pragma once

#include <QByteArray>
#include <QString>

namespace Platform
{

// What a file was when this program last read or wrote it.
struct TFileStamp {
    QString Path; // absolute; empty for no file
    qint64 Size = -1;
    qint64 ModifiedNs = 0;
    quint64 Device = 0;
    quint64 Inode = 0;
    QByteArray Hash; // a digest of the contents (two seeded 64-bit hashes): tells a changed file apart

    bool IsNull() const { return Path.isEmpty(); }
    // True when File names the file this stamp describes.
    bool Names(const QString &File) const;
};

// Opens the regular file at Path to read, without waiting on it: a folder, device, FIFO or socket is
// refused before anything is read, with EFOpenError "Το αρχείο δεν διαβάζεται: <cause>" as below. Answers
// the open descriptor, which the caller closes.
int OpenRegularFile(const QString &Path);
// Reads the regular file at Path whole. The open never blocks (a FIFO is refused, not waited on); a
// folder, device, FIFO or socket is refused, and so is a file larger than MaxSize, before it is read.
// Raises EFOpenError "Το αρχείο δεν διαβάζεται: <cause>" with the cause in Greek (the caller names the
// file). Stamp, when given, describes the contents read.
QByteArray ReadRegularFile(const QString &Path, qint64 MaxSize, TFileStamp *Stamp = nullptr);
// The stamp of bytes written to an open descriptor that is about to become the file at Path.
TFileStamp StampOf(const QString &Path, int Fd, const QByteArray &Data);
// True when the file Stamp describes was replaced or rewritten since with other contents. A file that is
// gone, or one rewritten with the same contents, has not changed; one that can no longer be read has.
bool ChangedSince(const TFileStamp &Stamp, qint64 MaxSize);

// The program's own files beside the documents (settings, lists, records) are read by the same road. A side
// file that this road refuses is left as it is, neither read nor written, and the program goes on without
// it; the user is told once a run, with the file's name and the reason.

// The side file at Path whole: empty when there is none. Empty, and reported, when it is refused.
// Ok, when given, tells a usable file (or none) from a refused one.
QByteArray ReadSideFile(const QString &Path, qint64 MaxSize, bool *Ok = nullptr);
// True when the side file at Path is absent or could be read whole by ReadSideFile; a refused one is reported.
bool SideFileUsable(const QString &Path, qint64 MaxSize);
// The same for a settings file that QSettings is to read and write: the file and the lock file beside it
// that QSettings opens while it writes. Until this says true, no QSettings may be made on the file.
bool SettingsFileUsable(const QString &Path);

} // namespace Platform
