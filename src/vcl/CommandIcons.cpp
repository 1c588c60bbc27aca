#include "CommandIcons.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>

namespace
{
// A theme's drawing of a command at the theme's own sizes, drawn at the first request for one of them: a
// menu's pictures are not drawn before the menu opens.
class TThemeSizes : public QIconEngine
{
public:
    explicit TThemeSizes(const QIcon &Themed) : FThemed(Themed) {}
    QIconEngine *clone() const override { return new TThemeSizes(*this); }
    QString key() const override { return QStringLiteral("TThemeSizes"); }
    bool isNull() override { return false; }
    void paint(QPainter *Painter, const QRect &Rect, QIcon::Mode Mode, QIcon::State State) override
    {
        Sizes().paint(Painter, Rect, Qt::AlignCenter, Mode, State);
    }
    QPixmap pixmap(const QSize &Size, QIcon::Mode Mode, QIcon::State State) override
    {
        return Sizes().pixmap(Size, Mode, State);
    }
    QPixmap scaledPixmap(const QSize &Size, QIcon::Mode Mode, QIcon::State State, qreal Scale) override
    {
        return Sizes().pixmap(Size, Scale, Mode, State);
    }
    QSize actualSize(const QSize &Size, QIcon::Mode Mode, QIcon::State State) override
    {
        return Sizes().actualSize(Size, Mode, State);
    }
    QList<QSize> availableSizes(QIcon::Mode Mode, QIcon::State State) override
    {
        return Sizes().availableSizes(Mode, State);
    }

private:
    // The drawings at their own sizes, so that a 20-pixel button shows the 24-pixel drawing made a little
    // smaller rather than the 16-pixel one, which the theme would never enlarge.
    const QIcon &Sizes()
    {
        if (FSizes.isNull())
            for (const int size : {16, 24, 32, 48})
                if (const QPixmap p = FThemed.pixmap(QSize(size, size)); !p.isNull())
                    FSizes.addPixmap(p);
        return FSizes;
    }

    QIcon FThemed;
    QIcon FSizes;
};
} // namespace

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
    return QIcon(new TThemeSizes(themed));
}
