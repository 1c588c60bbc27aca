#include "platform/Platform.h"

#include <QApplication>
#include <QLocale>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("DovraApd"));
    app.setApplicationDisplayName(QStringLiteral("Dovra Α.Π.Δ."));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Dovra Α.Π.Δ."));
    window.resize(1000, 700);
    window.show();
    return app.exec();
}
