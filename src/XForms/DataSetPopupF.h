// The drop-down grid over a dataset with its sort and filter bar. One instance serves every dataset-bound
// box, data-aware edits whose field has a lookup definition, and boxes that want one field's value copied.
#pragma once

#include "DataSetFilterFrameF.h"
#include "PopupWinF.h"

#include <QPointer>

// What the window system is told a point of the pop-up is: its inside or a part of its sizing border.
enum THitTest {
    HTCLIENT = 1,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17
};

class TDataSetPopup : public TPopupWin
{
    Q_OBJECT
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_CLASSINFO("Default:BorderWidth", "0")
    Q_CLASSINFO("FormResource", ":/forms/DataSetPopup.dfm")

public:
    Q_INVOKABLE explicit TDataSetPopup(TComponent *AOwner);
    ~TDataSetPopup() override;

    TDataSet *DataSet() const;
    void SetDataSet(TDataSet *Value);
    // The field of the data-aware edit being served, or none.
    TField *Field() const { return FField.data(); }
    // The name of the field whose value is copied into the control, or empty.
    QString ResultField() const { return FResultField; }

    void PopupExt(TObject *AControl, int AWidth, TNotifyEvent AOnSelect) override;
    void PopupFor(TControl *AControl, TDataSet *ADataSet, int AWidth, const QString &AResultField);
    void DoSelect() override;
    void AdjustHeight();
    void SetField(TField *F);

    Q_INVOKABLE void DBGridCellClick(TColumn *Column);

    // The answer to the window system's hit test at X, Y in client coordinates.
    THitTest HitTest(int X, int Y);
    static THitTest HitTestOf(int X, int Y, int ClientWidth, int ClientHeight);

    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TRect GetClientRect() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TPanel *Panel1 = nullptr;
    TDataSetFilterFrame *DataSetFilterFrame1 = nullptr;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    void FocusGrid();
    QPointer<TField> FField;
    QString FResultField;
    int FBorderWidth = 0;
};

// The one instance, reused for the whole run once made.
extern TDataSetPopup *DataSetPopup;
// DataSetPopup, made at its first use, owned by the application.
TDataSetPopup *SharedDataSetPopup();
