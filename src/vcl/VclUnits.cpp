#include "VclUnits.h"

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "StdDialogs.h"

void InitializeVclUnits()
{
    static const bool done = [] {
        RegisterClasses<TForm, TFrame, TScrollBox, TPanel, TLabel, TImage, TEdit, TPageControl, TTabSheet, TStatusBar,
                        TListBox, TMonthCalendar, TComboBox, TCheckBox, TButton, TRadioButton, TGroupBox,
                        TDateTimePicker>();
        RegisterClass(&TSaveDialog::staticMetaObject);
        return true;
    }();
    (void)done;
}
