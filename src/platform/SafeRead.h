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

} // namespace Platform
