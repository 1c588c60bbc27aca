// Operating-system services the program needs: where the program's folder is.
#pragma once

#include <QString>

namespace Platform
{
// The folder holding APDData, Projects and the help file: the executable's folder when it is
// writable, otherwise a per-user data folder that is filled from the installed copy on first use.
QString ProgramFolder();
// The same rule with the folders given, so it can be exercised without moving the executable.
QString ProgramFolderFor(const QString &exeDir, bool exeWritable, const QString &userDir);
} // namespace Platform

namespace Platform
{
// Where a diskette file goes: the first removable medium mounted, or the home folder when none is.
QString RemovableMediaFolder();
} // namespace Platform
