// Every benchmark program starts the units as the program does, before its own main runs. This object is
// named on each benchmark's link line, so the linker keeps it.
#include "app/Program.h"

namespace
{
const bool UnitsStarted = [] {
    Program::InitializeUnits();
    return true;
}();
} // namespace
