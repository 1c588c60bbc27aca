// The system print dialog as a component: it lets the user confirm printing and pick another printer.
#pragma once

#include "Classes.h"

#include <functional>

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
