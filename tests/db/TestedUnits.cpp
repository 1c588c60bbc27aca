// The units this test program links, started as the program starts them.
#include "db/DbUnits.h"

void InitializeTestedUnits()
{
    InitializeDbUnits();
}

void FinalizeTestedUnits()
{
    // These units leave nothing behind.
}
