// The units this test program links, started as the program starts them.
#include "XForms/XFormsUnits.h"

void InitializeTestedUnits()
{
    InitializeXFormsUnits();
}

void FinalizeTestedUnits()
{
    // These units leave nothing behind.
}
