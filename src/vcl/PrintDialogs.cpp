#include "PrintDialogs.h"

#include "Dialogs.h"
#include "Forms.h"
#include "Printers.h"

#include <QPrintDialog>
#include <QPrinter>

namespace
{
TPrintDialog::THandler &Handler()
{
    static TPrintDialog::THandler handler;
    return handler;
}
} // namespace

TPrintDialog::TPrintDialog(TComponent *AOwner) : TComponent(AOwner)
{
}

bool TPrintDialog::Execute()
{
    if (Handler())
        return Handler()(this);
    if (Unattended())
        return true;
    QPrintDialog dialog(Printer()->QtPrinter());
    PlaceDialog(&dialog, this);
    return dialog.exec() == QDialog::Accepted;
}

TPrintDialog::THandler TPrintDialog::SetHandler(THandler AHandler)
{
    THandler previous = std::move(Handler());
    Handler() = std::move(AHandler);
    return previous;
}
