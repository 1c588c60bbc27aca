#include "DbUnits.h"

#include "DBCtrls.h"
#include "DBGrids.h"
#include "vcl/VclUnits.h"

void InitializeDbUnits()
{
    static const bool done = [] {
        InitializeVclUnits();
        RegisterClasses<TDBEdit, TDBCheckBox, TDBComboBox, TDBNavigator, TDBGrid>();
        return true;
    }();
    (void)done;
}
