#include "TyposAPDPopupF.h"

static void InitTyposAPDPopupResource()
{
    Q_INIT_RESOURCE(CodeListForms);
}

TTyposAPDPopup *TyposAPDPopup = nullptr;

TTyposAPDPopup *SharedTyposAPDPopup()
{
    if (!TyposAPDPopup)
        TyposAPDPopup = new TTyposAPDPopup(Application());
    return TyposAPDPopup;
}

TTyposAPDPopup::TTyposAPDPopup(TComponent *AOwner) : TListBoxPopup(AOwner)
{
    InitTyposAPDPopupResource();
    InitInheritedComponent(this, &TForm::staticMetaObject);
}
