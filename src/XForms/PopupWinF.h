// The pickers' window: a borderless stay-on-top form shown under (or above) the control it serves, kept on
// the screen, reporting a pick to a callback and hiding on Esc, on a pick or when it loses activation.
// Pickers are created once and shown again and again; none is closed or freed while the program runs.
#pragma once

#include "vcl/ComponentStream.h"
#include "vcl/Forms.h"

#include <QPointer>

class QKeyEvent;

// A broken precondition of a call (the class library's assertion failure).
class EAssertionFailed : public Exception
{
    using Exception::Exception;
};

class TPopupWin : public TForm
{
    Q_OBJECT
    Q_PROPERTY(FormStyles::TFormStyle FormStyle READ FormStyle WRITE SetFormStyle)
    Q_PROPERTY(TNotifyEvent OnHide MEMBER OnHide)
    Q_CLASSINFO("Default:FormStyle", "fsNormal")
    Q_CLASSINFO("FormResource", ":/forms/PopupWin.dfm")

public:
    Q_INVOKABLE explicit TPopupWin(TComponent *AOwner);
    ~TPopupWin() override;

    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle v) { FFormStyle = v; }
    // The control served by the last PopupExt; kept after the picker hides.
    TControl *Control() const { return FControl.data(); }
    // Called on a pick with the picker as Sender; cleared whenever the picker hides.
    TNotifyEvent OnSelect;

    // Before a child control handles a key, the picker may take it (true): Enter picks and hides, Esc hides.
    virtual bool WantChildKey(TControl *Child, QKeyEvent *Message);
    // Run by Popup just before the window shows.
    virtual void BeforeShow();
    // Run by PopupExt before the window is placed.
    virtual void BeforePopup();
    // The pick: OnSelect with the picker as Sender.
    virtual void DoSelect();
    // Shows at a screen position, moved back onto the screen at the right and bottom edges.
    virtual void Popup(int X, int Y);
    // Shows for AControl: AWidth < 0 takes the control's width, 0 keeps the picker's, > 0 is the width.
    virtual void PopupExt(TObject *AControl, int AWidth, TNotifyEvent AOnSelect);

    Q_INVOKABLE void FormHide(TObject *Sender);

    // Hides the picker (every hide runs OnHide).
    void ClosePopup();

protected:
    void KeyDown(quint16 &Key, TShiftState Shift) override;
    // Another window became active: the picker hides.
    virtual void Deactivate();
    // The application lost activation to another one.
    virtual void AppDeactivated();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ApplyWindowStyle();
    // The modal window the picker belonged to is going: the picker becomes a window of its own again.
    void LeaveOwner();
    void WatchChildren();
    TControl *ControlOfWidget(QWidget *w) const;

    TFormStyle FFormStyle = fsNormal;
    QPointer<TControl> FControl;
    bool FHiding = false;
    QMetaObject::Connection FOwnerGone;
};
