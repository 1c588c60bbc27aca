// The program as the user meets it: the main window shown and active over a data module of temporary
// tables, the declaration window placed in it, and keys and clicks delivered to the widget under the point.
#pragma once

#include "EmployFrameFixture.h"
#include "app/MainF.h"
#include "vcl/StdDialogs.h"

#include <QStringList>

class QWidget;

class BoxEditingFixture : public EmployFrameFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the main window; false when this platform gives no keyboard focus.
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

    std::unique_ptr<TMain> MainWindow;
    TCommonDialogHandler PreviousDialogs;
    QStringList FileChoices;
};
