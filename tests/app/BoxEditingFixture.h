// The program as the user meets it: the program's own objects (data module over temporary tables, main
// window, pickers, dialogs) made as at start-up, the main window shown and active with the declaration window
// placed in it, and keys and clicks delivered to the widget under the point.
#pragma once

#include "EmployFrameFixture.h"
#include "app/MainF.h"
#include "vcl/StdDialogs.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class BoxEditingFixture : public EmployFrameFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the main window; false when this platform gives no keyboard focus.
    bool ShowMain();
    // Saves the document under Path through the document controller (Save As), then opens it again
    // through File > Open.
    void SaveAs(const QString &Path);
    void Open(const QString &Path);
    // A click (or double click) of the left button on the widget under the centre of a box (or under Offset
    // within it), after the document has been scrolled to show it.
    void Click(TControl *Box, QPoint Offset = {-1, -1}, bool Double = false);
    void DoubleClick(TControl *Box) { Click(Box, {-1, -1}, true); }
    // Keys to the widget that has the focus.
    static void Type(const QString &Text);
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

    TMain *MainWindow = nullptr;
    TCommonDialogHandler PreviousDialogs;
    QStringList FileChoices;
};
