// The yardstick for the program's start-up: the smallest Qt Widgets main window with a menu bar, a tool bar
// and one line of Greek text, maximised, as the program's main window is (the same window as
// outside/yardstick.cpp, which is timed from outside the process).
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Yardstick Α.Π.Δ."));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("Αρχείο"));
    file->addAction(QStringLiteral("Άνοιγμα..."));
    window.menuBar()->addMenu(QStringLiteral("Σελίδες"));
    QToolBar *bar = window.addToolBar(QStringLiteral("Εργαλεία"));
    bar->addAction(QStringLiteral("Άνοιγμα"));
    window.setCentralWidget(new QLabel(QStringLiteral("ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ")));
    TFirstPaint watch(&window);
    window.resize(800, 600);
    window.showMaximized();
    return app.exec();
}
