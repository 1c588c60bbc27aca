// The HTML Help library, loaded when the program starts, and its entry point.
#pragma once

#include "platform/HtmlHelpLib.h"

// The library's entry point; null while the library is not loaded (and then it must not be called).
extern THtmlHelpProc HtmlHelpA;

// Loads the library and takes its entry point unless it is loaded already; true when it is loaded.
// The program's start-up calls it before its own objects exist.
bool LoadHtmlHelp();
// Frees the library at the program's end; the entry point is absent afterwards.
void UnloadHtmlHelp();
