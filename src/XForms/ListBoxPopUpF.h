// The code-list picker: lines "code meaning"; a click on a line writes the code with the blank after it
// into the served box or edit, reports the pick and hides. The lists come from the descendants' designs.
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
};

// The code of a list line: its text up to and including the first blank ("" when there is none).
QString ListItemCode(const QString &Item);
