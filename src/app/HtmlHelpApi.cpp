#include "app/HtmlHelpApi.h"

THtmlHelpProc HtmlHelpA = nullptr;

namespace
{
quintptr HHCtrlHandle = 0;
} // namespace

bool LoadHtmlHelp()
{
    if (HHCtrlHandle == 0) {
        HtmlHelpA = nullptr;
        HHCtrlHandle = Platform::LoadLibrary(QStringLiteral("HHCTRL.OCX"));
        if (HHCtrlHandle != 0)
            HtmlHelpA = reinterpret_cast<THtmlHelpProc>(Platform::GetProcAddress(HHCtrlHandle, "HtmlHelpA"));
    }
    return HHCtrlHandle != 0;
}

void UnloadHtmlHelp()
{
    if (HHCtrlHandle)
        Platform::FreeLibrary(HHCtrlHandle);
    HHCtrlHandle = 0;
    HtmlHelpA = nullptr;
}
