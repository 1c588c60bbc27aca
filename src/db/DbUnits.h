// Start-up of the data-aware controls: registers the classes that form resources may name. Called
// explicitly; it initialises the class library first.
#pragma once

// Idempotent.
void InitializeDbUnits();
