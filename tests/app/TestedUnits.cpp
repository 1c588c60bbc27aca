// The units this test program links, started as the program starts them.
#include "app/Program.h"
#include "printing/PrintingUnits.h"

void InitializeTestedUnits()
{
    Program::InitializeUnits();
}

void FinalizeTestedUnits()
{
    // The preview's page folder goes; the help viewer and its library stay with the tests that manage them.
    FinalizePrintingUnits();
}
