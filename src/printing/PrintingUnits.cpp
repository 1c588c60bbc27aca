#include "PrintingUnits.h"

#include "XDocPreview.h"
#include "XPrinters.h"
#include "XVCLPrinters.h"
#include "XForms/XFormsUnits.h"

void InitializePrintingUnits()
{
    static const bool done = [] {
        InitializeXFormsUnits();
        InitXVCLPrinters();
        RegisterClasses<TXDocPreview>();
        // The page folders of programs that were killed would otherwise stay for good.
        TEMFPrinter::RemoveStaleTempPaths();
        return true;
    }();
    (void)done;
}

void FinalizePrintingUnits()
{
    TEMFPrinter::RemoveTempPath();
}
