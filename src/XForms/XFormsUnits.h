// Start-up of the form-box library: registers its boxes, schemes, editors and pickers with the class
// registry. Called explicitly; it initialises the data-aware controls and the class library first.
#pragma once

// Idempotent.
void InitializeXFormsUnits();
