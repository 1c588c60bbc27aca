// The picker of the earnings types, used by the earnings-type boxes of the employee lines. Its list is in its design.
#pragma once

#include "XForms/ListBoxPopUpF.h"

class TPopupTyposApodoxon : public TListBoxPopup
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/PopupTyposApodoxon.dfm")

public:
    Q_INVOKABLE explicit TPopupTyposApodoxon(TComponent *AOwner);
};

// The one instance, reused for the whole run once made.
extern TPopupTyposApodoxon *PopupTyposApodoxon;
// PopupTyposApodoxon, made at its first use, owned by the application.
TPopupTyposApodoxon *SharedPopupTyposApodoxon();
