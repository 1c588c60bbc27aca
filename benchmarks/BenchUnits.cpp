// Every benchmark program starts the units as the program does, before its own main runs, and runs in a
// home of its own, so the user's folder of the program is never touched. This object is named on each
// benchmark's link line, so the linker keeps it.
#include "app/Program.h"
#include "support/PrivateHome.h"
#include "vcl/ComponentStream.h"

#include <cstdlib>

namespace
{
const TPrivateHome Home;

const bool UnitsStarted = [] {
    Program::InitializeUnits();
    // A benchmark program that only lists its benchmarks ends before the units' threads have.
    std::atexit(FinishClassPlans);
    return true;
}();
} // namespace
