// Files written whole or not at all. The new contents go to a hidden temporary file beside the target,
// synced to disk, which the caller renames into place; a failure leaves nothing behind. The temporary
// file's name carries the host and the process that writes it (".name.~host.pid.XXXXXX"), so a later save
// can tell the leftover of a process that ended mid-save from a file another running instance is writing.
#pragma once

#include "SafeRead.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace Platform
{
// Writes Data into a new hidden temporary file beside Target and answers its path; Stamp, when given,
// describes the file as it will be once renamed to Target. On failure nothing is left behind and
// EFCreateError names Target (never the temporary file) with the cause in Greek.
QString WriteTemporaryBeside(const QString &Target, const QByteArray &Data, TFileStamp *Stamp = nullptr);
// Replaces Target with Data whole or not at all: the leftovers of earlier writes of Target that never
// ended go first (RemoveStaleTemporaries), then Data is written to a temporary file beside it, given
// Target's permissions (read-write for the owner, readable by others for a new file), and renamed over it.
// BeforeRename runs once the new contents are safe on disk (a backup step). Answers the stamp of the file
// written. On failure Target is as it was, nothing is left behind, and EFCreateError names Target with
// the cause in Greek.
TFileStamp ReplaceFile(const QString &Target, const QByteArray &Data, const std::function<void()> &BeforeRename = {});
// Gives the file From a second name To (a copy where the file system has no links); false on failure.
bool LinkOrCopy(const QString &From, const QString &To);
// Gives Temp, a finished temporary file beside Target (from WriteTemporaryBeside), the first free name of
// Target: Target itself, else "name-2.ext", "name-3.ext" ... in Target's folder. An existing file is never
// replaced, not even one that appears meanwhile; answers the name taken. On failure Temp is removed and
// EFCreateError names Target with the cause in Greek.
QString KeepUnderFreeName(const QString &Temp, const QString &Target);
// The name KeepUnderFreeName tries in the N-th place: Target for 1, "name-N.ext" after.
QString NumberedFileName(const QString &Target, int N);
// Removes the hidden temporary files of Target that were left by processes of this host that have
// ended, and those of earlier versions untouched for a day; answers how many went. A file another
// running process (or another host) may be writing is never removed.
int RemoveStaleTemporaries(const QString &Target);
// True when a process of this host with that id runs, under any user.
bool ProcessRuns(qint64 Pid);
// "Αδυναμία δημιουργίας του αρχείου <Target>: <cause>" for an errno value.
QString CreateFileErrorText(const QString &Target, int Error);
} // namespace Platform
