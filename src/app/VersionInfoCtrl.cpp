#include "app/VersionInfoCtrl.h"

#include "platform/FileVersion.h"
#include "vcl/Forms.h"

namespace
{
bool ReadFixedInfo(const QString &FileName, TVSFixedFileInfo &Info)
{
    const QString name = FileName.isEmpty() ? Application()->ExeName() : FileName;
    return Platform::GetFixedFileInfo(name, Info);
}
} // namespace

void GetFileVersion(const QString &FileName, TFileVersion &Version)
{
    TVSFixedFileInfo info;
    if (!ReadFixedInfo(FileName, info))
        return;
    Version = {info.dwFileVersionMS, info.dwFileVersionLS};
}

quint32 GetFileFlags(const QString &FileName)
{
    TVSFixedFileInfo info;
    return ReadFixedInfo(FileName, info) ? info.dwFileFlags : 0;
}

QString GetVersionString(const QString &FileName, bool Long)
{
    QString result;
    const quint32 flags = GetFileFlags(FileName);
    if (flags & VS_FF_DEBUG)
        result += QStringLiteral("Debug ");
    if (flags & VS_FF_PRERELEASE)
        result += QStringLiteral("Prerelease ");
    result += QStringLiteral("Version ");
    TFileVersion v{0, 0};
    GetFileVersion(FileName, v);
    if (Long)
        result +=
            QStringLiteral("%1.%2.%3 Build:%4").arg(v[0] >> 16).arg(v[0] & 0xFFFF).arg(v[1] >> 16).arg(v[1] & 0xFFFF);
    else
        result += QStringLiteral("%1.%2").arg(v[0] >> 16).arg(v[0] & 0xFFFF);
    return result;
}
