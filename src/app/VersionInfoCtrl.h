// The version information of a file: its file version, its flags and the version text of the About box.
#pragma once

#include <QString>

#include <array>

// The file version as two 32-bit words: most significant, least significant.
using TFileVersion = std::array<quint32, 2>;

// FileName empty: the program's own file. Leaves Version as it was when the file has no version
// information.
void GetFileVersion(const QString &FileName, TFileVersion &Version);
// The file flags (debug, prerelease ...), 0 when the file has no version information.
quint32 GetFileFlags(const QString &FileName);
// "Debug Prerelease Version 1.2.3 Build:45", the flags' words only when they are set; the short form
// ends with the major and minor numbers ("Version 1.2").
QString GetVersionString(const QString &FileName, bool Long);
