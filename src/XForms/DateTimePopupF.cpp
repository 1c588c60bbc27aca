#include "DateTimePopupF.h"

#include <algorithm>

TDateTimePopup::TDateTimePopup(TComponent *AOwner) : TPopupWin(AOwner)
{
    InitInheritedComponent(this, &TForm::staticMetaObject);
    AdjustSize();
}

void TDateTimePopup::SetAutoSize(bool v)
{
    FAutoSize = v;
    AdjustSize();
}

// The calendar never shows less than a whole month, whatever the design says; the window follows it.
void TDateTimePopup::AdjustSize()
{
    if (!FAutoSize || !MonthCalendar1 || IsLoading())
        return;
    const QSize least = MonthCalendar1->MinimumSize();
    MonthCalendar1->SetBounds(MonthCalendar1->Left(), MonthCalendar1->Top(),
                              std::max(MonthCalendar1->Width(), least.width()),
                              std::max(MonthCalendar1->Height(), least.height()));
    SetClientWidth(MonthCalendar1->Left() + MonthCalendar1->Width());
    SetClientHeight(MonthCalendar1->Top() + MonthCalendar1->Height());
}

void TDateTimePopup::BeforeShow()
{
    TPopupWin::BeforeShow();
    AdjustSize();
}

void TDateTimePopup::MonthCalendar1Click(TObject *)
{
    DoSelect();
}

void TDateTimePopup::MonthCalendar1DblClick(TObject *)
{
    DoSelect();
    ClosePopup();
}
