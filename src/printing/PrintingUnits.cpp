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
        return true;
    }();
    (void)done;
}

void FinalizePrintingUnits()
{
    TEMFPrinter::RemoveTempPath();
}
