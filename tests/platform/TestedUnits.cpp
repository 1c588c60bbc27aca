// The units this test program links, started as the program starts them.
#include "vcl/VclUnits.h"

void InitializeTestedUnits()
{
    InitializeVclUnits();
}

void FinalizeTestedUnits()
{
    // These units leave nothing behind.
}
