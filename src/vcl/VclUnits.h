// Start-up of the class library: registers the classes that form resources and documents may name.
// Called explicitly (the program's start-up, each test program), never from a static initializer: a unit
// of a static library that nothing names is left out by the linker, and its registration with it.
#pragma once

// Idempotent; the units above this library call it before their own.
void InitializeVclUnits();
