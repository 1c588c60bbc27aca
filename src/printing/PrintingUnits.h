// Start-up of the print framework: the content printers take their places in the control-printer
// registry (in their fixed order) and the preview control is registered. Called explicitly; it
// initialises the form-box library first.
#pragma once

// Idempotent.
void InitializePrintingUnits();
// The end of the print framework: the process's folder of page files goes.
void FinalizePrintingUnits();
