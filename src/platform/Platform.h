// Operating-system services the program needs: where the program's folder is.
#pragma once

#include <QString>

namespace Platform
{
// The executable's folder: the help file and the shipped reference tables (APDData) beside it, only
// ever read. A build folder holds nothing else of the program's.
QString InstallFolder();
// The user's folder of the program, the only one it writes: the tables in use (APDData), the documents
// (Projects) and the action-bar layout. The per-user application data folder; made with its Projects
// folder on first use.
QString UserFolder();
// The same with the folders given. The first time (no Projects folder yet in UserDir) the documents of a
// Projects folder beside the program, where earlier versions kept them, are copied in.
QString UserFolderFor(const QString &InstallDir, const QString &UserDir);
} // namespace Platform

namespace Platform
{
// Qt's own dialogs (file, colour, font) keep what they remember in "QtProject.conf" of the user's and the
// system's configuration folders, and read it with an open that waits for ever on a FIFO. Such a file that
// the program does not read (the user is told, once) is left as it is: Qt's dialogs then start from their
// defaults and remember only for this run. Called at start-up, before any dialog.
void CheckQtDialogSettings();

// Where a diskette file goes: the first removable medium mounted, or the home folder when none is.
QString RemovableMediaFolder();
} // namespace Platform
