// The units this test program links, started as the program starts them.
#include "app/Program.h"

void InitializeTestedUnits()
{
    Program::InitializeUnits();
}
