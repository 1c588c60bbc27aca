// The HTML Help library ("HHCTRL.OCX") of this platform: a window that shows the topics, contents and
// index of a compiled help file (.chm), reached through the library's entry point "HtmlHelpA".
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Commands of the HTML Help interface.
enum : quint32 {
    HH_DISPLAY_TOPIC = 0x0000,
    HH_DISPLAY_TOC = 0x0001,
    HH_DISPLAY_INDEX = 0x0002,
    HH_CLOSE_ALL = 0x0012,
};

// HtmlHelpA(owner window, "file.chm" or "file.chm::/topic.htm", command, command data): the help
// window's handle, 0 when nothing is shown.
using THtmlHelpProc = quintptr (*)(quintptr hwndCaller, const QString &pszFile, quint32 uCommand, quintptr dwData);

namespace Platform
{
// Libraries by name: the HTML Help library is the one this platform has. 0 when there is no such library.
quintptr LoadLibrary(const QString &Name);
// The entry point of that name, null when the library has none.
void *GetProcAddress(quintptr Library, const char *ProcName);
void FreeLibrary(quintptr Library);

// What the help window shows, for the program's tests.
struct THelpWindowState {
    bool Visible = false;
    QString File;         // the help file shown
    QString Topic;        // the topic's path in the file ("/default.htm")
    QString Title;        // the topic's title
    QString Text;         // the topic's text
    int Tab = 0;          // 0 contents, 1 index
    QStringList Contents; // the contents entries, indented by level
    QString Current;      // the contents entry of the topic shown, if it has one
    QStringList Index;    // the index entries
    QRect Geometry;       // where the window stands on the screen, its frame included
};
THelpWindowState HelpWindowState();
} // namespace Platform
