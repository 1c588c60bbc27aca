// The yardstick for the program's start-up: the smallest Qt Widgets program that shows one main window.
#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    TFirstPaint watch(&window);
    window.show();
    return app.exec();
}
