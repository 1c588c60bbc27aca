// The hands on the keyboard in the main window: keys go to whatever widget has the focus, clicks to the
// widget under the point with its window activated as a window manager does, and windows shown by a modal
// loop are handled while it runs.
#pragma once

#include "MainWindowDriver.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

class BoxEditingFixture : public MainWindowFixture
{
protected:
    // The main window is the active window (false when this platform gives no keyboard focus).
    static bool MainIsActive() { return QApplication::activeWindow() == Main->Peer(); }
    // A click (or a double click) on the middle of a control, after the document has been scrolled to show
    // it; what is under the point may be the control or a child of it (a box's open editor).
    void ClickOn(TControl *Control, bool Double = false);
    // Keys to the widget that has the focus.
    static void Keys(const QString &Text);
    static void Key(int QtKey, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
    static void Settle();

    // Runs Step on the window of type T once it is shown and activated (while the modal loop that shows
    // it runs); Found is set to it.
    template <class T> static void WhenShown(T *&Found, std::function<void(T *)> Step)
    {
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, &Found, Step] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *sink = dynamic_cast<IPeerSink *>(top); sink && top->isVisible())
                    if (auto *form = qobject_cast<T *>(sink->Control())) {
                        poll->stop();
                        poll->deleteLater();
                        Found = form;
                        QApplication::setActiveWindow(top);
                        Settle();
                        Step(form);
                        return;
                    }
        });
        poll->start(10);
    }
};
