// The system print dialog as a component: it lets the user confirm printing and pick another printer.
#pragma once

#include "Classes.h"

#include <functional>

class QPrintDialog;

// Runs a print dialog of the shared printer modally and answers QDialog's result. A file chosen to print to
// is only where printouts go: each job takes the first free name beside it and never replaces a file, so
// the dialog's question whether to replace a file of that name is answered Yes for the user.
int ExecPrinterDialog(QPrintDialog &Dialog);

class TPrintDialog : public TComponent
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TPrintDialog(TComponent *AOwner);
    // Shows the dialog on the process's printer; true when the user confirms. Goes to the installed
    // handler when there is one (tests); without a screen (offscreen) and without handler it confirms.
    bool Execute();

    using THandler = std::function<bool(TPrintDialog *Dialog)>;
    // Installs a handler for every print dialog (an empty one restores the real dialog); returns the previous.
    static THandler SetHandler(THandler Handler);
};
