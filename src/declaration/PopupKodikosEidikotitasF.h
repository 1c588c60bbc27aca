// The picker of the specialty codes, used by the specialty boxes of the employee lines and the specialty editor. Its
// list is in its design.
#pragma once

#include "XForms/ListBoxPopUpF.h"

class TPopupKodikosEidikotitas : public TListBoxPopup
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/PopupKodikosEidikotitas.dfm")

public:
    Q_INVOKABLE explicit TPopupKodikosEidikotitas(TComponent *AOwner);
};

// The one instance, reused for the whole run once made.
extern TPopupKodikosEidikotitas *PopupKodikosEidikotitas;
// PopupKodikosEidikotitas, made at its first use, owned by the application.
TPopupKodikosEidikotitas *SharedPopupKodikosEidikotitas();
