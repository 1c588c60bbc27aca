// Yardstick: the smallest Qt Widgets main window with a menu bar, a tool bar and one line of Greek text, the
// window the program's start-up is compared with (inside the process and from outside it).
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

inline void MakeYardstick(QMainWindow &Window)
{
    Window.setWindowTitle(QStringLiteral("Yardstick Α.Π.Δ."));
    QMenu *file = Window.menuBar()->addMenu(QStringLiteral("Αρχείο"));
    file->addAction(QStringLiteral("Άνοιγμα..."));
    Window.menuBar()->addMenu(QStringLiteral("Σελίδες"));
    QToolBar *bar = Window.addToolBar(QStringLiteral("Εργαλεία"));
    bar->addAction(QStringLiteral("Άνοιγμα"));
    Window.setCentralWidget(new QLabel(QStringLiteral("ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ ΟΙΚΟΔΟΜΟΤΕΧΝΙΚΟΥ ΕΡΓΟΥ")));
    Window.resize(800, 600);
}
