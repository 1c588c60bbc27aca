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

// The one instance, made at start-up and reused for the whole run.
extern TPopupTyposApodoxon *PopupTyposApodoxon;
