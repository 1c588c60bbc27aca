// The hands on the keyboard in the main window: keys go to whatever widget has the focus, clicks to the
// widget under the point with its window activated as a window manager does, and windows shown by a modal
// loop are handled while it runs.
#pragma once

#include "MainWindowDriver.h"

#include <QApplication>

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
    // The box that has the focus, itself or through the editor standing in for it.
    static TWinControl *FocusedBox();
    // The dotted focus rectangle shows 2 pixels inside the box's top edge, across the value area on the right.
    static bool Marked(TControl *Box);
};
