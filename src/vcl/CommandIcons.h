// The pictures of commands (menu items, tool-bar buttons): the program's own drawings where it has them,
// otherwise the named picture of Debian's Adwaita icon theme. The program uses that one theme on every
// desktop and under the offscreen platform, so its pictures look the same everywhere.
#pragma once

#include <QIcon>
#include <QString>

// The theme whose pictures the program shows.
inline const QString CommandIconTheme = QStringLiteral("Adwaita");

// The picture of that name (a freedesktop name such as "document-print", or one of the program's own such
// as "page-add"), looked for and read when it is first used; null (isNull) when neither the program nor
// the theme has it.
QIcon CommandIcon(const QString &Name);
// The picture of that name made at once: the program's own drawing, else the theme's drawings at the
// theme's own sizes (16 to 48 pixels); null when neither has it.
QIcon MakeCommandIcon(const QString &Name);
// Loads, on a thread of its own, what reading the first pictures needs (the picture reader plug-ins), so that
// the first tool bar drawn does not wait for it. Called once the application object stands.
void PrepareCommandPictures();
