#include "PopupTyposApodoxonF.h"

static void InitPopupTyposApodoxonResource()
{
    Q_INIT_RESOURCE(CodeListForms);
}

TPopupTyposApodoxon *PopupTyposApodoxon = nullptr;

TPopupTyposApodoxon *SharedPopupTyposApodoxon()
{
    if (!PopupTyposApodoxon)
        PopupTyposApodoxon = new TPopupTyposApodoxon(Application());
    return PopupTyposApodoxon;
}

TPopupTyposApodoxon::TPopupTyposApodoxon(TComponent *AOwner) : TListBoxPopup(AOwner)
{
    InitPopupTyposApodoxonResource();
    InitInheritedComponent(this, &TForm::staticMetaObject);
}
