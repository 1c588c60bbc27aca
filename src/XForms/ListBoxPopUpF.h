// The code-list picker: lines "code meaning"; a click on a line, or Enter on the line selected with the
// keys, writes the code with the blank after it into the served box or edit, reports the pick and hides.
// The lists come from the descendants' designs.
#pragma once

#include "PopupWinF.h"
#include "vcl/StdCtrls.h"

class TListBoxPopup : public TPopupWin
{
    Q_OBJECT
    Q_PROPERTY(TListBox *ListBox1 MEMBER ListBox1 STORED false)
    Q_CLASSINFO("FormResource", ":/forms/ListBoxPopup.dfm")

public:
    Q_INVOKABLE explicit TListBoxPopup(TComponent *AOwner);

    Q_INVOKABLE void ListBox1Click(TObject *Sender);

    TListBox *ListBox1 = nullptr;

protected:
    // Every showing starts with no line selected.
    void BeforeShow() override;
    // The keys move the selection without a pick (the arrows would otherwise pick the first line they
    // reach, and a keyboard could choose no other); Enter picks the line selected as a click on it does.
    bool WantChildKey(TControl *Child, QKeyEvent *Message) override;

private:
    // Set while the list handles a key: the selection it moves to is no pick.
    bool FMoving = false;
};

// The code of a list line: its text up to and including the first blank ("" when there is none).
QString ListItemCode(const QString &Item);
