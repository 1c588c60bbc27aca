// The units this test program links, started as the program starts them.
#include "printing/PrintingUnits.h"

void InitializeTestedUnits()
{
    InitializePrintingUnits();
}

void FinalizeTestedUnits()
{
    FinalizePrintingUnits();
}
