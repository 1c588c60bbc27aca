// The yardstick for the program's start-up: the window of outside/Yardstick.h (a menu bar, a tool bar and one
// line of Greek text), maximised, as the program's main window is, to its first drawing.
#include "../outside/Yardstick.h"
#include "FirstPaint.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    MakeYardstick(window);
    TFirstPaint watch(&window);
    window.showMaximized();
    return app.exec();
}
