#include "PopupKodikosEidikotitasF.h"

static void InitPopupKodikosEidikotitasResource()
{
    Q_INIT_RESOURCE(CodeListForms);
}

TPopupKodikosEidikotitas *PopupKodikosEidikotitas = nullptr;

TPopupKodikosEidikotitas *SharedPopupKodikosEidikotitas()
{
    if (!PopupKodikosEidikotitas)
        PopupKodikosEidikotitas = new TPopupKodikosEidikotitas(Application());
    return PopupKodikosEidikotitas;
}

TPopupKodikosEidikotitas::TPopupKodikosEidikotitas(TComponent *AOwner) : TListBoxPopup(AOwner)
{
    InitPopupKodikosEidikotitasResource();
    InitInheritedComponent(this, &TForm::staticMetaObject);
}
