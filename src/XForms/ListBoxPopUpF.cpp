#include "ListBoxPopUpF.h"

#include "XForms.h"

TListBoxPopup::TListBoxPopup(TComponent *AOwner) : TPopupWin(AOwner)
{
    InitInheritedComponent(this, &TForm::staticMetaObject);
}

void TListBoxPopup::BeforeShow()
{
    TPopupWin::BeforeShow();
    ListBox1->SetItemIndex(-1);
}

QString ListItemCode(const QString &Item)
{
    const qsizetype blank = Item.indexOf(u' ');
    return blank < 0 ? QString() : Item.left(blank + 1);
}

void TListBoxPopup::ListBox1Click(TObject *)
{
    // Hidden whatever happens; a click on no line writes and reports nothing.
    try {
        if (ListBox1->ItemIndex() >= 0) {
            const QString code = ListItemCode(ListBox1->Items()->Strings(ListBox1->ItemIndex()));
            TControl *control = Control();
            if (qobject_cast<TXFrame *>(control) || qobject_cast<TEdit *>(control))
                control->SetText(code);
            DoSelect();
        }
    } catch (...) {
        ClosePopup();
        throw;
    }
    ClosePopup();
}
