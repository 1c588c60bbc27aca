// The calendar picker shared by every date box: a click on a day picks it and leaves the calendar open,
// a double click picks it and closes the calendar.
#pragma once

#include "PopupWinF.h"
#include "vcl/ComCtrls.h"

class TDateTimePopup : public TPopupWin
{
    Q_OBJECT
    Q_PROPERTY(TMonthCalendar *MonthCalendar1 MEMBER MonthCalendar1 STORED false)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_CLASSINFO("FormResource", ":/forms/DateTimePopup.dfm")
    Q_CLASSINFO("Default:AutoSize", "False")

public:
    Q_INVOKABLE explicit TDateTimePopup(TComponent *AOwner);

    // The window takes the size of its calendar.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);

    Q_INVOKABLE void MonthCalendar1Click(TObject *Sender);
    Q_INVOKABLE void MonthCalendar1DblClick(TObject *Sender);

    TMonthCalendar *MonthCalendar1 = nullptr;

protected:
    void BeforeShow() override;

private:
    void AdjustSize();
    bool FAutoSize = false;
};
