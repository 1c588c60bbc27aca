#include "ListBoxPopUpF.h"

#include "XForms.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScopedValueRollback>

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

bool TListBoxPopup::WantChildKey(TControl *Child, QKeyEvent *Message)
{
    const int key = Message->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && ListBox1->ItemIndex() >= 0) {
        ListBox1Click(ListBox1);
        return true;
    }
    if (Child != ListBox1 || enter || key == Qt::Key_Escape || FMoving)
        return TPopupWin::WantChildKey(Child, Message);
    // The list handles the key here, with its selection change marked as no pick.
    const QScopedValueRollback<bool> moving(FMoving, true);
    QKeyEvent copy(Message->type(), key, Message->modifiers(), Message->text(), Message->isAutoRepeat(),
                   ushort(Message->count()));
    QCoreApplication::sendEvent(ListBox1->ListWidget(), &copy);
    return true;
}

void TListBoxPopup::ListBox1Click(TObject *)
{
    if (FMoving)
        return;
    // Hidden whatever happens; a click on no line writes and reports nothing.
    TScopeExit close([this] { ClosePopup(); });
    if (ListBox1->ItemIndex() < 0)
        return;
    const QString code = ListItemCode(ListBox1->Items()->Strings(ListBox1->ItemIndex()));
    TControl *control = Control();
    if (qobject_cast<TXFrame *>(control) || qobject_cast<TEdit *>(control))
        control->SetText(code);
    DoSelect();
}
