#include "CommandIcons.h"

#include "Classes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>

namespace
{

// A command's picture, looked for and read at its first use (drawn, measured or asked whether there is
// one): the pictures of the menus are not read before a menu opens. It is then the picture it stands for.
class TCommandPicture : public QIconEngine
{
public:
    explicit TCommandPicture(const QString &Name) : FName(Name) {}
    QIconEngine *clone() const override { return new TCommandPicture(*this); }
    QString key() const override { return QStringLiteral("TCommandPicture"); }
    QString iconName() override { return Made().name(); }
    bool isNull() override { return Made().isNull(); }
    void paint(QPainter *Painter, const QRect &Rect, QIcon::Mode Mode, QIcon::State State) override
    {
        Made().paint(Painter, Rect, Qt::AlignCenter, Mode, State);
    }
    QPixmap pixmap(const QSize &Size, QIcon::Mode Mode, QIcon::State State) override
    {
        return Made().pixmap(Size, Mode, State);
    }
    QPixmap scaledPixmap(const QSize &Size, QIcon::Mode Mode, QIcon::State State, qreal Scale) override
    {
        return Made().pixmap(Size / Scale, Scale, Mode, State);
    }
    QSize actualSize(const QSize &Size, QIcon::Mode Mode, QIcon::State State) override
    {
        return Made().actualSize(Size, Mode, State);
    }
    QList<QSize> availableSizes(QIcon::Mode Mode, QIcon::State State) override
    {
        return Made().availableSizes(Mode, State);
    }

private:
    const QIcon &Made()
    {
        if (!FMade) {
            FIcon = MakeCommandIcon(FName);
            FMade = true;
        }
        return FIcon;
    }

    QString FName;
    QIcon FIcon;
    bool FMade = false;
};
} // namespace

QIcon CommandIcon(const QString &Name)
{
    // One theme for the whole program, whatever the desktop (or none, as offscreen) would choose; it is
    // looked for where the system keeps icon themes, which a platform without a desktop does not say.
    static const bool themeChosen = [] {
        QStringList paths = QIcon::themeSearchPaths();
        for (const QString &dir : QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                            QStringLiteral("icons"), QStandardPaths::LocateDirectory))
            if (!paths.contains(dir))
                paths << dir;
        QIcon::setThemeSearchPaths(paths);
        QIcon::setThemeName(CommandIconTheme);
        return true;
    }();
    (void)themeChosen;
    return QIcon(new TCommandPicture(Name));
}

// The program's own drawing, else the theme's drawings at the theme's own
// sizes, so that a 20-pixel button shows the 24-pixel drawing made a little smaller rather than the
// 16-pixel one, which the theme would never enlarge.
QIcon MakeCommandIcon(const QString &Name)
{
    const QString own = QStringLiteral(":/commands/%1.svg").arg(Name);
    if (QFile::exists(own))
        return QIcon(own);
    const QIcon themed = QIcon::fromTheme(Name);
    if (themed.isNull())
        return themed;
    QIcon sizes;
    for (const int size : {16, 24, 32, 48})
        if (const QPixmap p = themed.pixmap(QSize(size, size)); !p.isNull())
            sizes.addPixmap(p);
    return sizes;
}

void PrepareCommandPictures()
{
    static bool started = false;
    if (started || !QCoreApplication::instance())
        return;
    started = true;
    RunBesideApplication([] {
        // A reader that knows no format yet asks every image plug-in, which loads them all; the drawings'
        // own plug-in is loaded by making one of them (no picture is drawn here).
        QByteArray header("\x89PNG\r\n\x1a\n");
        QBuffer buffer(&header);
        buffer.open(QIODevice::ReadOnly);
        QImageReader(&buffer).canRead();
        QIcon(QStringLiteral(":/commands/document-open.svg")).isNull();
    });
}
