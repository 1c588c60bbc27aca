#include "XFormsUnits.h"

#include "DataSetFilterFrameF.h"
#include "DataSetPopupF.h"
#include "DbXForms.h"
#include "FieldEditor.h"
#include "XDateFrame.h"
#include "XForms.h"
#include "db/DbUnits.h"

void InitializeXFormsUnits()
{
    static const bool done = [] {
        InitializeDbUnits();
        RegisterClasses<TXFrame, TXFrameSheme, TXFrameNotifier, TInplaceEditFrame, TXDateFrame, TXCurrencyFrame,
                        TXIntegerFrame, TDbLookupXFrame, TFieldEditor, TDataSetFilterFrame, TDataSetPopup>();
        return true;
    }();
    (void)done;
}
