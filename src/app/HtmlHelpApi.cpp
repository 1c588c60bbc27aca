#include "app/HtmlHelpApi.h"

THtmlHelpProc HtmlHelpA = nullptr;

namespace
{
quintptr HHCtrlHandle = 0;

// Loads the library before the program's own start-up runs and frees it at the end.
struct THtmlHelpApiUnit {
    THtmlHelpApiUnit()
    {
        HHCtrlHandle = 0;
        LoadHtmlHelp();
    }
    ~THtmlHelpApiUnit()
    {
        if (HHCtrlHandle)
            Platform::FreeLibrary(HHCtrlHandle);
    }
} HtmlHelpApiUnit;
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
