// Version information of a file: the fixed block of a version resource, found by its signature. The
// running program's own block is compiled in (there is no version resource in an ELF file).
#pragma once

#include <QString>
#include <QtGlobal>

struct TVSFixedFileInfo {
    quint32 dwSignature = 0;
    quint32 dwStrucVersion = 0;
    quint32 dwFileVersionMS = 0;
    quint32 dwFileVersionLS = 0;
    quint32 dwProductVersionMS = 0;
    quint32 dwProductVersionLS = 0;
    quint32 dwFileFlagsMask = 0;
    quint32 dwFileFlags = 0;
    quint32 dwFileOS = 0;
    quint32 dwFileType = 0;
    quint32 dwFileSubtype = 0;
    quint32 dwFileDateMS = 0;
    quint32 dwFileDateLS = 0;
};

enum : quint32 {
    VS_FFI_SIGNATURE = 0xFEEF04BD,
    VS_FFI_STRUCVERSION = 0x00010000,
    VS_FF_DEBUG = 0x1,
    VS_FF_PRERELEASE = 0x2,
};

namespace Platform
{
// The fixed version block of FileName (the program itself gives the version it was built with); false
// when the file has none or cannot be read.
bool GetFixedFileInfo(const QString &FileName, TVSFixedFileInfo &Info);
// The program's own block, as built.
TVSFixedFileInfo ProgramVersionInfo();
} // namespace Platform
