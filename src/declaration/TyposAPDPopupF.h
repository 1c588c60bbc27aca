// The picker of the declaration types, used by the declaration-type box of the declaration window. Its list is in its
// design.
#pragma once

#include "XForms/ListBoxPopUpF.h"

class TTyposAPDPopup : public TListBoxPopup
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/TyposAPDPopup.dfm")

public:
    Q_INVOKABLE explicit TTyposAPDPopup(TComponent *AOwner);
};

// The one instance, reused for the whole run once made.
extern TTyposAPDPopup *TyposAPDPopup;
// TyposAPDPopup, made at its first use, owned by the application.
TTyposAPDPopup *SharedTyposAPDPopup();
