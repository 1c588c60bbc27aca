// The units this test program links, started as the program starts them.
#include "app/Program.h"
#include "printing/PrintingUnits.h"
#include "vcl/ComponentStream.h"

void InitializeTestedUnits()
{
    Program::InitializeUnits();
}

void FinalizeTestedUnits()
{
    // The thread that works out how classes are streamed ends before the process does: a test that ends
    // sooner would leave it registering types while Qt's own tables are taken down.
    FinishClassPlans();
    // The preview's page folder goes; the help viewer and its library stay with the tests that manage them.
    FinalizePrintingUnits();
}
