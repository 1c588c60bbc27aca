// Visual controls: components that own a Qt widget peer. The control keeps its own bounds, alignment,
// visibility, colour and font and moves the peer; the peer forwards paint, mouse, key, focus and size
// events back to the control's virtual handlers.
#pragma once

#include "Canvas.h"
#include "Classes.h"
#include "Graphics.h"
#include "SysUtils.h"
#include "Types.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace Controls
{
Q_NAMESPACE
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
Q_ENUM_NS(TAlign)
enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)
enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)
// Whether F1 on a control asks for its help keyword or its help context number.
enum THelpType { htKeyword, htContext };
Q_ENUM_NS(THelpType)
} // namespace Controls
Q_DECLARE_OPERATORS_FOR_FLAGS(Controls::TAnchors)
using namespace Controls;
using TBorderStyle = TFormBorderStyle;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Control style flags.
enum TControlStyleFlag : unsigned {
    csAcceptsControls = 0x1,
    csCaptureMouse = 0x2,
    csClickEvents = 0x4,
    csOpaque = 0x8,
    csDoubleClicks = 0x10,
    csSetCaption = 0x20,
};
using TControlStyle = unsigned;

using TCursor = int;
enum : TCursor { crDefault = 0, crArrow = -2, crIBeam = -4, crHourGlass = -11, crHandPoint = -21 };

// Key codes as the handlers compare them.
enum : quint16 {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_F1 = 112,
    VK_F4 = 115,
};

enum : int { SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CXSCREEN = 0, SM_CYSCREEN = 1 };
// System metrics: scroll-bar sizes and the screen size, in pixels.
int GetSystemMetrics(int index);

class TWinControl;
class TControl;

using TMouseEvent = TEvent<void(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject *Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject *Sender, quint16 &Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject *Sender, QChar &Key)>;
using TMouseWheelEvent =
    TEvent<void(TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled)>;

// The Qt side of a control. One class template serves plain widgets and the wrapped standard widgets.
class IPeerSink
{
public:
    virtual TControl *Control() const = 0;
    // Stops forwarding events (the control is going away).
    virtual void Detach() = 0;

protected:
    ~IPeerSink() = default;
};

class TControl : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(Controls::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(Controls::TAnchors Anchors READ Anchors WRITE SetAnchors)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(Graphics::TColor Color READ GetColor WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(TFont *Font READ GetFont WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(Controls::THelpType HelpType READ HelpType WRITE SetHelpType)
    Q_PROPERTY(QString HelpKeyword READ HelpKeyword WRITE SetHelpKeyword)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
    Q_PROPERTY(TNotifyEvent OnDblClick MEMBER OnDblClick)
    Q_PROPERTY(TNotifyEvent OnResize MEMBER OnResize)
    Q_PROPERTY(TMouseEvent OnMouseDown MEMBER OnMouseDown)
    Q_PROPERTY(TMouseEvent OnMouseUp MEMBER OnMouseUp)
    Q_PROPERTY(TMouseMoveEvent OnMouseMove MEMBER OnMouseMove)
    Q_CLASSINFO("Default:Align", "alNone")
    Q_CLASSINFO("Default:Anchors", "[akLeft, akTop]")
    Q_CLASSINFO("Default:Visible", "True")
    Q_CLASSINFO("Default:Enabled", "True")
    Q_CLASSINFO("Default:ParentColor", "True")
    Q_CLASSINFO("Default:ParentFont", "True")
    Q_CLASSINFO("Default:ShowHint", "False")
    Q_CLASSINFO("Default:Cursor", "0")
    Q_CLASSINFO("Default:HelpType", "htContext")
    Q_CLASSINFO("Default:HelpContext", "0")
    Q_CLASSINFO("Stored:Color", "IsColorStored")
    Q_CLASSINFO("Stored:Font", "IsFontStored")

public:
    explicit TControl(TComponent *AOwner);
    ~TControl() override;

    // The peer widget, created on first use.
    QWidget *Peer();
    bool HandleAllocated() const { return !FPeer.isNull(); }
    void HandleNeeded() { Peer(); }

    TWinControl *Parent() const { return FParent; }
    virtual void SetParent(TWinControl *AParent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    void SetBoundsRect(const TRect &r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The area in which children are laid out, in the control's own coordinates.
    virtual TRect GetClientRect();
    TRect ClientRect() { return GetClientRect(); }
    int ClientWidth() { return GetClientRect().Width(); }
    int ClientHeight() { return GetClientRect().Height(); }
    void SetClientWidth(int v) { SetWidth(FWidth - ClientWidth() + v); }
    void SetClientHeight(int v) { SetHeight(FHeight - ClientHeight() + v); }
    TPoint ClientToScreen(TPoint p);
    TPoint ScreenToClient(TPoint p);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign v);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors v);

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool v);

    // Colour and font; a box sharing a look scheme redirects them, hence virtual.
    virtual TColor GetColor() const { return FColor; }
    virtual void SetColor(TColor v);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    Q_INVOKABLE virtual bool IsColorStored() const { return !FParentColor; }
    Q_INVOKABLE virtual bool IsFontStored() const { return !FParentFont; }
    virtual TFont *GetFont() const { return FFont.get(); }
    virtual void SetFont(TFont *v);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);

    QString Caption() const { return GetText(); }
    void SetCaption(const QString &v) { SetText(v); }
    virtual QString GetText() const { return FText; }
    virtual void SetText(const QString &v);

    QString Hint() const { return FHint; }
    void SetHint(const QString &v) { FHint = v; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v) { FShowHint = v; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor v);
    THelpType HelpType() const { return FHelpType; }
    void SetHelpType(THelpType v) { FHelpType = v; }
    QString HelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const QString &v) { FHelpKeyword = v; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int v) { FHelpContext = v; }

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle v) { FControlStyle = v; }

    // Queues a repaint.
    virtual void Invalidate();
    // Paints now (a queued repaint is done at once).
    virtual void Repaint();
    void Update();
    void Refresh() { Repaint(); }

    // Scales position and size by M/D, and the font when it is the control's own.
    virtual void ChangeScale(int M, int D);
    void ScaleBy(int M, int D) { ChangeScale(M, D); }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;

    // Peer entry points (called by the widget peer).
    virtual void PeerPaint(QPainter &) {}
    virtual bool CustomPaint() const { return false; }
    void PeerMousePress(QMouseEvent *e, bool doubleClick);
    void PeerMouseRelease(QMouseEvent *e);
    void PeerMouseMove(QMouseEvent *e);
    bool PeerWheel(QWheelEvent *e);
    void PeerEnter();
    void PeerLeave();
    void PeerResized(int w, int h);
    // Sized by its parent's widget (tab sheets), not by its own bounds.
    virtual bool ExternallySized() const { return false; }
    void PeerDestroyed() { FPeer.clear(); }
    // The peer stops calling back; used when the control starts to go away.
    void DetachPeer();

    virtual void Click();
    virtual void DblClick();

    // Streaming: a control is written inside its parent.
    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override;
    void SetParentComponent(TComponent *Value) override;

protected:
    virtual QWidget *CreatePeer();
    // Applies the control's state to a freshly created peer.
    virtual void InitPeer(QWidget *peer);
    // Shows or hides the peer as Visible says; a control whose container decides what is shown leaves it.
    virtual void ShowPeer(QWidget *peer, bool v) { peer->setVisible(v); }
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The text changed (after Caption or Text was set to another value).
    virtual void TextChanged();
    virtual void Resize();
    // The parent's colour or font changed; controls that follow the parent take it.
    virtual void ParentColorChanged();
    virtual void ParentFontChanged();
    virtual void FontChanged();
    void RequestAlign();
    void UpdateAnchorRules();

    QPointer<QWidget> FPeer;
    TWinControl *FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    QString FText;

private:
    friend class TWinControl;
    void FontChangedHandler();

    TAlign FAlign = alNone;
    TAnchors FAnchors = TAnchors(akLeft | akTop);
    // Where the control stood when its anchors were last recorded, and the parent's client size then.
    TRect FAnchorOrigin;
    int FAnchorParentW = 0, FAnchorParentH = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FFontFromParent = false;
    QString FHint;
    bool FShowHint = false;
    TCursor FCursor = crDefault;
    THelpType FHelpType = htContext;
    QString FHelpKeyword;
    int FHelpContext = 0;
    bool FClicked = false;
};

// A control that holds other controls and can take the focus.
class TWinControl : public TControl
{
    Q_OBJECT
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(TNotifyEvent OnEnter MEMBER OnEnter)
    Q_PROPERTY(TNotifyEvent OnExit MEMBER OnExit)
    Q_PROPERTY(TKeyEvent OnKeyDown MEMBER OnKeyDown)
    Q_PROPERTY(TKeyEvent OnKeyUp MEMBER OnKeyUp)
    Q_PROPERTY(TKeyPressEvent OnKeyPress MEMBER OnKeyPress)
    Q_CLASSINFO("Default:TabStop", "False")
    Q_CLASSINFO("Default:TabOrder", "-1")

public:
    explicit TWinControl(TComponent *AOwner);
    ~TWinControl() override;

    int ControlCount() const { return int(FControls.size()); }
    TControl *Controls(int i) const { return FControls[size_t(i)]; }
    // Inserts and removes a child control (SetParent calls these).
    void InsertControl(TControl *AControl);
    void RemoveControl(TControl *AControl);
    bool ContainsControl(TControl *AControl) const;

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool v);
    // True when the control takes the focus only by Tab (where TabStop) or by its own SetFocus, never by
    // a mouse press on it: our painted controls, and containers that merely hold others.
    virtual bool FocusOnlyByTab() const { return CustomPaint(); }
    // The position in the parent's tab order, -1 without parent.
    int TabOrder() const;
    void SetTabOrder(int v);
    // The windowed children in tab order.
    std::vector<TWinControl *> GetTabOrderList() const { return FTabList; }
    // Every windowed control inside this one in tab order, each followed by the controls inside it.
    void GetTabOrderList(std::vector<TWinControl *> &List) const;
    // Where Tab (GoForward) or Shift+Tab goes from CurControl, a control inside this one (none: from the
    // start): the next control in tab order, round past the end, that is a tab stop and can take the focus
    // where it stands (shown, enabled, on the page shown). A control whose focus would only go back to
    // CurControl's widget (a box whose editor stands in for it) is passed over. Null when none other can.
    TWinControl *FindNextControl(TWinControl *CurControl, bool GoForward);
    // Gives that control the focus as Tab does; false, and nothing done, when there is none.
    bool SelectNext(TWinControl *CurControl, bool GoForward);
    // The first control in tab order that can take the focus gets it; false when there is none.
    bool SelectFirst() { return SelectNext(nullptr, true); }

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();

    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void HoldUpdates() override { DisableAlign(); }
    void ReleaseUpdates() override { EnableAlign(); }
    void Realign();
    bool AlignDisabled() const { return FAlignLevel > 0; }
    // Realigns after AControl moved or resized (or all children when null).
    void AlignControl(TControl *AControl);
    void ScaleControls(int M, int D);
    void ChangeScale(int M, int D) override;
    void GetChildren(TGetChildProc Proc, TComponent *Root) override;
    void SetChildOrder(TComponent *Child, int Order) override;
    void Loaded() override;

    // The widget in which child peers are placed.
    virtual QWidget *ChildContainer() { return Peer(); }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // Peer entry points. Returns true when the key was consumed (Key set to 0 by a handler).
    bool PeerKeyPress(QKeyEvent *e);
    void PeerKeyRelease(QKeyEvent *e);
    void PeerFocusIn(Qt::FocusReason Reason = Qt::OtherFocusReason);
    void PeerFocusOut(Qt::FocusReason Reason = Qt::OtherFocusReason);
    // Why the control last gained or lost the focus (its window activated or left, Tab, a click, a picker
    // giving it back); read by FocusGained and FocusLost.
    Qt::FocusReason FocusReason() const { return FFocusReason; }
    // The control keeps its window's focus while another window, a menu over its own or the menu bar has
    // the keys: it gets them back when that one goes. Read by FocusLost.
    bool FocusOnlyLent() const;

protected:
    // The class library's check before a control is put into this one; raises to refuse.
    void ValidateInsert(TComponent *AComponent) override;
    virtual void AlignControls(TControl *AControl, TRect &Rect);
    // Places the child peer into this control's widget (page controls put sheets into their tab widget).
    virtual void AttachChildPeer(TControl *AControl);
    // A child control has left (also while it is being destroyed: compare it only as a pointer).
    virtual void ControlRemoved(TControl *) {}
    void InitPeer(QWidget *peer) override;
    void ParentColorChanged() override;
    void FontChanged() override;
    virtual void KeyDown(quint16 &Key, TShiftState Shift);
    virtual void KeyUp(quint16 &Key, TShiftState Shift);
    virtual void KeyPress(QChar &Key);
    virtual void FocusGained() {}
    virtual void FocusLost() {}
    virtual void DoEnter();
    virtual void DoExit();
    void Resize() override;
    void UpdateTabChain();
    // After reading: the children whose tab order was read take those places, the others keep their
    // order in the places left.
    void FixupTabList();
    // Places one aligned child the way the class library does, carving it from Rect.
    static void CarveAligned(TControl *child, TAlign align, TRect &Rect);

private:
    friend class TControl;
    std::vector<TControl *> FControls;
    std::vector<TWinControl *> FTabList;
    bool FTabStop = false;
    // The tab order read from a stream (or given before the control has a parent), placed later.
    int FPendingTabOrder = -1;
    int FAlignLevel = 0;
    Qt::FocusReason FFocusReason = Qt::OtherFocusReason;
    bool FAlignNeeded = false;
    bool FAligning = false;
    bool FDestroyingChildren = false;
};

// A windowed control that paints itself on its canvas.
class TCustomControl : public TWinControl
{
    Q_OBJECT
public:
    explicit TCustomControl(TComponent *AOwner);
    ~TCustomControl() override;
    TCanvas *Canvas() { return FCanvas.get(); }
    void PeerPaint(QPainter &painter) override;
    bool CustomPaint() const override { return true; }

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// A control without children or focus that paints itself (labels, images).
class TGraphicControl : public TControl
{
    Q_OBJECT
public:
    explicit TGraphicControl(TComponent *AOwner);
    ~TGraphicControl() override;
    TCanvas *Canvas() { return FCanvas.get(); }
    void PeerPaint(QPainter &painter) override;
    bool CustomPaint() const override { return true; }

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// Runs what a widget event leads to under the application's default exception handler, so that no
// exception unwinds through Qt; returns false when it raised.
bool GuardEvent(const std::function<void()> &f);

// F1 on Control: the help keyword or context of the control, or of the nearest parent that has one, goes to
// the application's help system. False when none of them has help or nothing answered.
bool InvokeHelp(TControl *Control);

// The windowed control whose widget is W or holds it; null for a widget of no control.
TWinControl *FindWinControl(QWidget *W);

// Whether Key is the shortcut of an enabled action of the window that shows Control (an action the window's
// control owns).
bool IsWindowShortCut(TControl *Control, const QKeyEvent *Key);

// Converts the Qt keyboard state to the shift state of the handlers.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
// The key code of a Qt key (letters and digits as their upper-case character codes).
quint16 KeyCodeOf(int qtKey);

// Widget peer: forwards events to the control and, for wrapped standard widgets, to the widget itself.
template <class Base> class TPeer : public Base, public IPeerSink
{
public:
    explicit TPeer(TControl *control, QWidget *parent = nullptr) : Base(parent), FControl(control)
    {
        if (control->CustomPaint())
            this->setAttribute(Qt::WA_OpaquePaintEvent, false);
        this->setMouseTracking(false);
    }
    ~TPeer() override
    {
        if (FControl)
            FControl->PeerDestroyed();
    }
    TControl *Control() const override { return FControl; }
    void Detach() override { FControl = nullptr; }

protected:
    bool event(QEvent *e) override
    {
        // A key that is a command's shortcut reaches the command first, as it does on the system the
        // windows were designed for: an edit's own use of it (Ctrl+Ins copies, Ctrl+Del deletes a word)
        // gives way.
        if (e->type() == QEvent::ShortcutOverride && FControl &&
            IsWindowShortCut(FControl, static_cast<QKeyEvent *>(e))) {
            e->ignore();
            return true;
        }
        return Base::event(e);
    }
    void paintEvent(QPaintEvent *e) override
    {
        if (FControl && FControl->CustomPaint()) {
            QPainter p(this);
            GuardEvent([&] { FControl->PeerPaint(p); });
        } else {
            Base::paintEvent(e);
        }
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        Base::mousePressEvent(e);
        if (FControl)
            GuardEvent([&] { FControl->PeerMousePress(e, false); });
    }
    void mouseDoubleClickEvent(QMouseEvent *e) override
    {
        Base::mouseDoubleClickEvent(e);
        if (FControl)
            GuardEvent([&] { FControl->PeerMousePress(e, true); });
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        Base::mouseReleaseEvent(e);
        if (FControl)
            GuardEvent([&] { FControl->PeerMouseRelease(e); });
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        Base::mouseMoveEvent(e);
        if (FControl)
            GuardEvent([&] { FControl->PeerMouseMove(e); });
    }
    void wheelEvent(QWheelEvent *e) override
    {
        bool handled = false;
        if (FControl)
            GuardEvent([&] { handled = FControl->PeerWheel(e); });
        if (handled)
            e->accept();
        else
            Base::wheelEvent(e);
    }
    void enterEvent(QEnterEvent *e) override
    {
        Base::enterEvent(e);
        if (FControl)
            GuardEvent([&] { FControl->PeerEnter(); });
    }
    void leaveEvent(QEvent *e) override
    {
        Base::leaveEvent(e);
        if (FControl)
            GuardEvent([&] { FControl->PeerLeave(); });
    }
    void keyPressEvent(QKeyEvent *e) override
    {
        auto *w = qobject_cast<TWinControl *>(FControl);
        bool consumed = false;
        if (w)
            GuardEvent([&] { consumed = w->PeerKeyPress(e); });
        if (consumed) {
            e->accept();
            return;
        }
        Base::keyPressEvent(e);
        // F1 that neither the handlers nor the widget took asks for help, from the innermost control out.
        if (!e->isAccepted() && e->key() == Qt::Key_F1 && FControl) {
            bool shown = false;
            GuardEvent([&] { shown = InvokeHelp(FControl); });
            e->setAccepted(shown);
        }
    }
    void keyReleaseEvent(QKeyEvent *e) override
    {
        Base::keyReleaseEvent(e);
        if (auto *w = qobject_cast<TWinControl *>(FControl))
            GuardEvent([&] { w->PeerKeyRelease(e); });
    }
    void focusInEvent(QFocusEvent *e) override
    {
        Base::focusInEvent(e);
        if (auto *w = qobject_cast<TWinControl *>(FControl))
            GuardEvent([&] { w->PeerFocusIn(e->reason()); });
    }
    void focusOutEvent(QFocusEvent *e) override
    {
        Base::focusOutEvent(e);
        if (auto *w = qobject_cast<TWinControl *>(FControl))
            GuardEvent([&] { w->PeerFocusOut(e->reason()); });
    }
    void resizeEvent(QResizeEvent *e) override
    {
        Base::resizeEvent(e);
        if (FControl)
            GuardEvent([&] { FControl->PeerResized(this->width(), this->height()); });
    }

private:
    TControl *FControl;
};

// The buttons of a bar (a tool bar, a navigator) reached by Tab one by one: the bar becomes a tab stop whose
// focus goes on to its first enabled button (to its last for Shift+Tab); Tab and Shift+Tab walk the enabled
// buttons in their order on the bar and leave it past either end for the window's next control. A click on a
// button still takes no focus, so a box being typed into keeps it.
void WalkButtonsByTab(TWinControl *Bar);
