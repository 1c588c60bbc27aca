#include "FileVersion.h"

#include "SafeRead.h"
#include "vcl/SysUtils.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtEndian>

#ifndef APD_VERSION_MAJOR
#define APD_VERSION_MAJOR 0
#define APD_VERSION_MINOR 0
#define APD_VERSION_PATCH 0
#define APD_VERSION_TWEAK 0
#endif

namespace Platform
{

TVSFixedFileInfo ProgramVersionInfo()
{
    TVSFixedFileInfo info;
    info.dwSignature = VS_FFI_SIGNATURE;
    info.dwStrucVersion = VS_FFI_STRUCVERSION;
    info.dwFileVersionMS = (quint32(APD_VERSION_MAJOR) << 16) | quint32(APD_VERSION_MINOR);
    info.dwFileVersionLS = (quint32(APD_VERSION_PATCH) << 16) | quint32(APD_VERSION_TWEAK);
    info.dwProductVersionMS = info.dwFileVersionMS;
    info.dwProductVersionLS = info.dwFileVersionLS;
    info.dwFileFlagsMask = VS_FF_DEBUG | VS_FF_PRERELEASE;
#ifndef NDEBUG
    info.dwFileFlags = VS_FF_DEBUG;
#endif
    info.dwFileOS = 0x40004; // 32-bit Windows on NT, as the block's readers expect
    info.dwFileType = 1;     // application
    return info;
}

bool GetFixedFileInfo(const QString &FileName, TVSFixedFileInfo &Info)
{
    const QFileInfo file(FileName);
    const QString self = QCoreApplication::applicationFilePath();
    if (!self.isEmpty() && file.exists() && file.canonicalFilePath() == QFileInfo(self).canonicalFilePath()) {
        Info = ProgramVersionInfo();
        return true;
    }
    // A version resource is small and lies within the file; files of other kinds are not read whole.
    constexpr qint64 MaxBytes = 64 << 20;
    QByteArray data;
    try {
        data = ReadRegularFile(FileName, MaxBytes);
    } catch (const EFOpenError &) {
        return false;
    }
    constexpr qsizetype BlockSize = qsizetype(sizeof(TVSFixedFileInfo));
    static_assert(BlockSize == 52);
    // The block is aligned on 32 bits and starts with its signature and structure version.
    for (qsizetype pos = 0; pos + BlockSize <= data.size(); pos += 4) {
        const auto *p = reinterpret_cast<const uchar *>(data.constData() + pos);
        if (qFromLittleEndian<quint32>(p) != VS_FFI_SIGNATURE ||
            qFromLittleEndian<quint32>(p + 4) != VS_FFI_STRUCVERSION)
            continue;
        quint32 words[13];
        for (int i = 0; i < 13; ++i)
            words[i] = qFromLittleEndian<quint32>(p + 4 * i);
        Info = {words[0], words[1], words[2], words[3],  words[4],  words[5], words[6],
                words[7], words[8], words[9], words[10], words[11], words[12]};
        return true;
    }
    return false;
}

} // namespace Platform
