// Operating-system services the program needs: where the program's folder is.
#pragma once

#include <QString>

namespace Platform
{
// The folder holding APDData, Projects and the help file: the executable's folder when it is
// writable, otherwise a per-user data folder.
QString ProgramFolder();
} // namespace Platform

namespace Platform
{
// Where a diskette file goes: the first removable medium mounted, or the home folder when none is.
QString RemovableMediaFolder();
} // namespace Platform
