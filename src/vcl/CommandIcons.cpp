#include "CommandIcons.h"

#include <QFile>
#include <QPixmap>
#include <QStandardPaths>

QIcon CommandIcon(const QString &Name)
{
    // One theme for the whole program, whatever the desktop (or none, as offscreen) would choose; it is
    // looked for where the system keeps icon themes, which a platform without a desktop does not say.
    static const bool themeChosen = [] {
        QStringList paths = QIcon::themeSearchPaths();
        for (const QString &dir : QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                                            QStandardPaths::LocateDirectory))
            if (!paths.contains(dir))
                paths << dir;
        QIcon::setThemeSearchPaths(paths);
        QIcon::setThemeName(CommandIconTheme);
        return true;
    }();
    (void)themeChosen;
    const QString own = QStringLiteral(":/commands/%1.svg").arg(Name);
    if (QFile::exists(own))
        return QIcon(own);
    // The theme's drawings at their own sizes, so that a 20-pixel button shows the 24-pixel drawing made a
    // little smaller rather than the 16-pixel one, which the theme would never enlarge.
    const QIcon themed = QIcon::fromTheme(Name);
    if (themed.isNull())
        return themed;
    QIcon icon;
    for (const int size : {16, 24, 32, 48})
        if (const QPixmap p = themed.pixmap(QSize(size, size)); !p.isNull())
            icon.addPixmap(p);
    return icon;
}
