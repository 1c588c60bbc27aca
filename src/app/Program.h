// The program's start-up: the Greek locale, the application's title and the long-lived objects in their
// fixed order, the data module first and the main window second.
#pragma once

#include <QString>

namespace Program
{
inline const QString Title = QStringLiteral("Dovra Α.Π.Δ.");

// The units' start-up, before anything else runs: every class that form resources and documents name is
// registered, the content printers take their places, the HTML Help library is loaded and its viewer
// replaces the WinHelp viewer. Explicit calls, so that nothing the program relies on can be left out by
// the linker. Idempotent.
void InitializeUnits();
// The units' end, after the objects are freed: the help viewer closes the help windows and leaves, the
// HTML Help library is unloaded, the folder of preview page files is removed.
void FinalizeUnits();
// Sets the Greek locale when another one is in force; true when it had to be set.
bool SetGreekLocale();
// Titles the application object.
void InitializeApplication();
// Creates the data module (over the tables in UserFolder's APDData) and the main window, each owned by the
// application object and stored in its global; the preview window and the pickers follow at their first
// use. The data module's refused conversion raises EHalt before any window exists.
void CreateForms(const QString &UserFolder);
// Frees the long-lived objects, last created first (the main window writes its recent files then).
void DestroyForms();
} // namespace Program
