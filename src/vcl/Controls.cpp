#include "Controls.h"

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include <algorithm>

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: {
        const int extent = QApplication::style() ? QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
        return extent > 0 ? extent : 16;
    }
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        const QScreen *s = QGuiApplication::primaryScreen();
        const QRect g = s ? s->geometry() : QRect(0, 0, 1024, 768);
        return index == SM_CXSCREEN ? g.width() : g.height();
    }
    default:
        return 0;
    }
}

bool InvokeHelp(TControl *Control)
{
    for (TControl *c = Control; c; c = c->Parent()) {
        if (c->HelpType() == htKeyword && !c->HelpKeyword().isEmpty())
            return Application() && Application()->HelpKeyword(c->HelpKeyword());
        if (c->HelpType() == htContext && c->HelpContext() != 0)
            return Application() && Application()->HelpContext(c->HelpContext());
    }
    return false;
}

bool GuardEvent(const std::function<void()> &f)
{
    try {
        f();
        return true;
    } catch (const std::exception &e) {
        if (Application())
            Application()->HandleException(e);
        return false;
    }
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState s;
    if (modifiers & Qt::ShiftModifier)
        s |= ssShift;
    if (modifiers & Qt::AltModifier)
        s |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        s |= ssCtrl;
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

quint16 KeyCodeOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return quint16(VK_F1 + (qtKey - Qt::Key_F1));
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return quint16(qtKey);
    return 0;
}

namespace
{
TMouseButton ButtonOf(Qt::MouseButton b)
{
    return b == Qt::RightButton ? mbRight : b == Qt::MiddleButton ? mbMiddle : mbLeft;
}
} // namespace

// ---- TControl ----

TControl::TControl(TComponent *AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this](TObject *) { FontChangedHandler(); };
}

TControl::~TControl()
{
    DetachPeer();
    if (FParent)
        FParent->RemoveControl(this);
    if (QWidget *peer = FPeer.data()) {
        FPeer.clear();
        delete peer;
    }
    if (Application() && Application()->HintControl() == this)
        Application()->ForgetHintControl();
}

void TControl::DetachPeer()
{
    if (auto *sink = dynamic_cast<IPeerSink *>(FPeer.data()); sink && sink->Control() == this)
        sink->Detach();
}

QWidget *TControl::Peer()
{
    if (FPeer.isNull()) {
        QWidget *peer = CreatePeer();
        FPeer = peer;
        InitPeer(peer);
    }
    return FPeer.data();
}

QWidget *TControl::CreatePeer()
{
    return new TPeer<QWidget>(this);
}

void TControl::InitPeer(QWidget *peer)
{
    if (FParent)
        FParent->AttachChildPeer(this);
    peer->setGeometry(FLeft, FTop, FWidth, FHeight);
    peer->setEnabled(FEnabled);
    if (FCursor != crDefault)
        SetCursor(FCursor);
    if (FParent)
        ShowPeer(peer, FVisible);
}

void TControl::SetParent(TWinControl *AParent)
{
    if (AParent == FParent)
        return;
    if (AParent == static_cast<TControl *>(this))
        throw Exception(QStringLiteral("A control cannot be its own parent"));
    if (FParent)
        FParent->RemoveControl(this);
    if (AParent) {
        AParent->InsertControl(this);
        UpdateAnchorRules();
    }
}

TComponent *TControl::GetParentComponent() const
{
    return FParent;
}

void TControl::SetParentComponent(TComponent *Value)
{
    SetParent(qobject_cast<TWinControl *>(Value));
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (!FPeer.isNull())
        FPeer->setGeometry(FLeft, FTop, FWidth, FHeight);
    if (FParent && !FParent->FAligning)
        UpdateAnchorRules();
    if (resized)
        Resize();
    RequestAlign();
}

void TControl::PeerResized(int w, int h)
{
    // Only top-level windows are resized from outside; children follow their own bounds.
    if ((FParent && !ExternallySized()) || (w == FWidth && h == FHeight))
        return;
    FWidth = w;
    FHeight = h;
    Resize();
}

TRect TControl::GetClientRect()
{
    return {0, 0, FWidth, FHeight};
}

TPoint TControl::ClientToScreen(TPoint p)
{
    const QPoint g = Peer()->mapToGlobal(QPoint(p.X, p.Y));
    return {g.x(), g.y()};
}

TPoint TControl::ScreenToClient(TPoint p)
{
    const QPoint g = Peer()->mapFromGlobal(QPoint(p.X, p.Y));
    return {g.x(), g.y()};
}

void TControl::SetAlign(TAlign v)
{
    if (v == FAlign)
        return;
    FAlign = v;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors v)
{
    if (v == FAnchors)
        return;
    FAnchors = v;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    FAnchorOrigin = BoundsRect();
    if (FParent) {
        const TRect pc = FParent->GetClientRect();
        FAnchorParentW = pc.Width();
        FAnchorParentH = pc.Height();
    }
}

void TControl::RequestAlign()
{
    if (FParent)
        FParent->AlignControl(this);
}

void TControl::SetVisible(bool v)
{
    if (v == FVisible)
        return;
    FVisible = v;
    if (!FPeer.isNull() && (FParent || !v))
        ShowPeer(FPeer.data(), v);
    RequestAlign();
}

bool TControl::Showing() const
{
    for (const TControl *c = this; c; c = c->FParent)
        if (!c->FVisible)
            return false;
    return true;
}

void TControl::SetEnabled(bool v)
{
    if (v == FEnabled)
        return;
    FEnabled = v;
    if (!FPeer.isNull())
        FPeer->setEnabled(v);
    Invalidate();
}

void TControl::SetColor(TColor v)
{
    if (v == FColor && !FParentColor)
        return;
    FColor = v;
    FParentColor = false;
    if (auto *w = qobject_cast<TWinControl *>(this))
        for (TControl *c : w->FControls)
            c->ParentColorChanged();
    Invalidate();
}

void TControl::SetParentColor(bool v)
{
    if (v == FParentColor)
        return;
    FParentColor = v;
    if (v)
        ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (FParentColor && FParent) {
        FColor = FParent->GetColor();
        FParentColor = true;
        if (auto *w = qobject_cast<TWinControl *>(this))
            for (TControl *c : w->FControls)
                c->ParentColorChanged();
        Invalidate();
    }
}

void TControl::SetFont(TFont *v)
{
    if (v)
        FFont->Assign(v);
}

void TControl::SetParentFont(bool v)
{
    if (v == FParentFont)
        return;
    FParentFont = v;
    if (v)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (FParentFont && FParent) {
        FFontFromParent = true;
        FFont->Assign(FParent->GetFont());
        FFontFromParent = false;
        FParentFont = true;
    }
}

void TControl::FontChangedHandler()
{
    if (!FFontFromParent)
        FParentFont = false;
    FontChanged();
}

void TControl::FontChanged()
{
    if (!FPeer.isNull() && !CustomPaint()) {
        FPeer->setFont(DesignFontOf(FFont.get()));
    }
    Invalidate();
}

void TControl::SetText(const QString &v)
{
    if (v == GetText())
        return;
    FText = v;
    TextChanged();
}

void TControl::TextChanged()
{
    Invalidate();
}

void TControl::SetCursor(TCursor v)
{
    FCursor = v;
    if (FPeer.isNull())
        return;
    switch (v) {
    case crHandPoint:
        FPeer->setCursor(Qt::PointingHandCursor);
        break;
    case crHourGlass:
        FPeer->setCursor(Qt::WaitCursor);
        break;
    case crIBeam:
        FPeer->setCursor(Qt::IBeamCursor);
        break;
    case crArrow:
        FPeer->setCursor(Qt::ArrowCursor);
        break;
    default:
        FPeer->unsetCursor();
        break;
    }
}

void TControl::Invalidate()
{
    if (!FPeer.isNull())
        FPeer->update();
}

void TControl::Repaint()
{
    if (!FPeer.isNull())
        FPeer->repaint();
}

void TControl::Update()
{
    if (!FPeer.isNull())
        FPeer->repaint(FPeer->visibleRegion());
}

void TControl::ChangeScale(int M, int D)
{
    if (M == D || D == 0)
        return;
    const int l = MulDiv(FLeft, M, D), t = MulDiv(FTop, M, D);
    const int r = MulDiv(FLeft + FWidth, M, D), b = MulDiv(FTop + FHeight, M, D);
    SetBounds(l, t, r - l, b - t);
    if (!FParentFont)
        FFont->SetSize(MulDiv(FFont->Size(), M, D));
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    return handled;
}

void TControl::MouseEnter()
{
}

void TControl::MouseLeave()
{
}

void TControl::PeerMousePress(QMouseEvent *e, bool doubleClick)
{
    const QPoint p = e->position().toPoint();
    TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons() | e->button());
    if (doubleClick) {
        shift |= ssDouble;
        if ((FControlStyle & csClickEvents) && e->button() == Qt::LeftButton)
            DblClick();
    } else if (e->button() == Qt::LeftButton && (FControlStyle & csClickEvents)) {
        FClicked = true;
    }
    MouseDown(ButtonOf(e->button()), shift, p.x(), p.y());
}

void TControl::PeerMouseRelease(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    MouseUp(ButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()), p.x(), p.y());
    if (e->button() == Qt::LeftButton && FClicked) {
        FClicked = false;
        if (GetClientRect().Contains({p.x(), p.y()}) || TRect{0, 0, FWidth, FHeight}.Contains({p.x(), p.y()}))
            Click();
    }
}

void TControl::PeerMouseMove(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    MouseMove(ShiftStateOf(e->modifiers(), e->buttons()), p.x(), p.y());
}

bool TControl::PeerWheel(QWheelEvent *e)
{
    const QPoint p = e->position().toPoint();
    return DoMouseWheel(ShiftStateOf(e->modifiers(), e->buttons()), e->angleDelta().y(), {p.x(), p.y()});
}

void TControl::PeerEnter()
{
    if (Application())
        Application()->HintMouseEntered(this);
    MouseEnter();
}

void TControl::PeerLeave()
{
    if (Application())
        Application()->HintMouseLeft(this);
    MouseLeave();
}

// ---- TWinControl ----

TWinControl::TWinControl(TComponent *AOwner) : TControl(AOwner)
{
}

TWinControl::~TWinControl()
{
    // From here on this control and what it owns are on their way out (the controls on it go first).
    Destroying();
    DetachPeer();
    if (Screen() && Screen()->ActiveControl() == this)
        Screen()->SetActiveControl(nullptr);
    // Children go with their parent, whoever owns them.
    FDestroyingChildren = true;
    while (!FControls.empty()) {
        TControl *c = FControls.back();
        RemoveControl(c);
        delete c;
    }
}

void TWinControl::ValidateInsert(TComponent *)
{
}

void TWinControl::InsertControl(TControl *AControl)
{
    ValidateInsert(AControl);
    AControl->FParent = this;
    FControls.push_back(AControl);
    if (auto *w = qobject_cast<TWinControl *>(AControl)) {
        int pos = int(FTabList.size());
        if (w->FPendingTabOrder >= 0 && w->FPendingTabOrder < pos)
            pos = w->FPendingTabOrder;
        FTabList.insert(FTabList.begin() + pos, w);
        w->FPendingTabOrder = -1;
        UpdateTabChain();
    }
    if (AControl->FParentColor)
        AControl->ParentColorChanged();
    if (AControl->FParentFont)
        AControl->ParentFontChanged();
    if (!FPeer.isNull() || !AControl->FPeer.isNull())
        AttachChildPeer(AControl);
    AControl->RequestAlign();
    AlignControl(AControl);
}

void TWinControl::AttachChildPeer(TControl *AControl)
{
    QWidget *peer = AControl->Peer();
    QWidget *container = ChildContainer();
    if (peer->parentWidget() != container) {
        peer->setParent(container);
        peer->setGeometry(AControl->FLeft, AControl->FTop, AControl->FWidth, AControl->FHeight);
    }
    AControl->ShowPeer(peer, AControl->FVisible);
}

void TWinControl::RemoveControl(TControl *AControl)
{
    auto it = std::find(FControls.begin(), FControls.end(), AControl);
    if (it == FControls.end())
        return;
    FControls.erase(it);
    // Compared as plain pointers: a control being destroyed is no longer of its derived class.
    std::erase_if(FTabList, [AControl](TWinControl *w) { return static_cast<TControl *>(w) == AControl; });
    AControl->FParent = nullptr;
    ControlRemoved(AControl);
    if (FDestroyingChildren || IsDestroying())
        return;
    if (!AControl->FPeer.isNull()) {
        AControl->FPeer->hide();
        AControl->FPeer->setParent(nullptr);
    }
    Realign();
}

bool TWinControl::ContainsControl(TControl *AControl) const
{
    for (TControl *c = AControl; c; c = c->FParent)
        if (c == this)
            return true;
    return false;
}

void TWinControl::SetTabStop(bool v)
{
    FTabStop = v;
    if (!FPeer.isNull() && FocusOnlyByTab())
        FPeer->setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus);
}

int TWinControl::TabOrder() const
{
    if (!FParent)
        return FPendingTabOrder;
    const auto &list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int v)
{
    // While a stream is read, moving at once would make the result depend on the order in which the
    // siblings come: the orders are placed together once the parent is read.
    if (!FParent || ComponentState().testFlag(csReading)) {
        FPendingTabOrder = v;
        return;
    }
    auto &list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    // Out-of-range orders go to the nearest end.
    const int pos = std::clamp(v, 0, int(list.size()) - 1);
    if (pos == int(it - list.begin()))
        return;
    list.erase(it);
    list.insert(list.begin() + pos, this);
    FParent->UpdateTabChain();
}

void TWinControl::UpdateTabChain()
{
    if (FPeer.isNull())
        return;
    QWidget *prev = nullptr;
    for (TWinControl *w : FTabList) {
        if (w->FPeer.isNull())
            continue;
        if (prev)
            QWidget::setTabOrder(prev, w->FPeer.data());
        prev = w->FPeer.data();
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl *> &List) const
{
    for (TWinControl *w : FTabList) {
        List.push_back(w);
        w->GetTabOrderList(List);
    }
}

TWinControl *FindWinControl(QWidget *W)
{
    for (; W; W = W->parentWidget())
        if (auto *sink = dynamic_cast<IPeerSink *>(W))
            if (auto *c = qobject_cast<TWinControl *>(sink->Control()))
                return c;
    return nullptr;
}

namespace
{
// The widget that takes the focus when W is given it.
QWidget *FocusTarget(QWidget *W)
{
    while (W->focusProxy())
        W = W->focusProxy();
    return W;
}

// A tab stop the user can reach where it stands: its widget shown (so on the page shown, in a shown
// window) and enabled. Controls whose widgets are not made yet (pages never shown) are not.
bool TakesTabFocus(TWinControl *W)
{
    if (!W->TabStop() || !W->Enabled() || !W->HandleAllocated())
        return false;
    QWidget *peer = W->Peer();
    return peer->isVisible() && peer->isEnabled() && (FocusTarget(peer)->focusPolicy() & Qt::TabFocus);
}
} // namespace

TWinControl *TWinControl::FindNextControl(TWinControl *CurControl, bool GoForward)
{
    std::vector<TWinControl *> list;
    GetTabOrderList(list);
    const int count = int(list.size());
    const auto at = std::find(list.begin(), list.end(), CurControl);
    int i = at != list.end() ? int(at - list.begin()) : GoForward ? -1 : count;
    QWidget *current = CurControl && CurControl->HandleAllocated() ? FocusTarget(CurControl->Peer()) : nullptr;
    for (int step = 0; step < count; ++step) {
        i = GoForward ? (i + 1) % count : (i - 1 + count) % count;
        TWinControl *w = list[size_t(i)];
        if (w != CurControl && TakesTabFocus(w) && FocusTarget(w->Peer()) != current)
            return w;
    }
    return nullptr;
}

bool TWinControl::SelectNext(TWinControl *CurControl, bool GoForward)
{
    TWinControl *next = FindNextControl(CurControl, GoForward);
    if (!next)
        return false;
    next->Peer()->setFocus(GoForward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TWinControl::Focused() const
{
    return !FPeer.isNull() && FPeer->hasFocus();
}

bool TWinControl::CanFocus() const
{
    for (const TControl *c = this; c; c = c->FParent)
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    Peer()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0)
        --FAlignLevel;
    if (FAlignLevel == 0 && FAlignNeeded)
        Realign();
}

void TWinControl::Realign()
{
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl *AControl)
{
    if (IsDestroying())
        return;
    // While a design is read, alignment waits for Loaded.
    if (FAlignLevel > 0 || ComponentState().testFlag(csReading)) {
        FAlignNeeded = true;
        return;
    }
    DisableAlign();
    FAligning = true;
    TRect r = GetClientRect();
    AlignControls(AControl, r);
    FAligning = false;
    FAlignNeeded = false;
    EnableAlign();
}

void TWinControl::CarveAligned(TControl *child, TAlign align, TRect &Rect)
{
    const int w = child->Width(), h = child->Height();
    switch (align) {
    case alTop:
        child->SetBounds(Rect.Left, Rect.Top, Rect.Width(), h);
        Rect.Top += h;
        break;
    case alBottom:
        child->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), h);
        Rect.Bottom -= h;
        break;
    case alLeft:
        child->SetBounds(Rect.Left, Rect.Top, w, Rect.Height());
        Rect.Left += w;
        break;
    case alRight:
        child->SetBounds(Rect.Right - w, Rect.Top, w, Rect.Height());
        Rect.Right -= w;
        break;
    case alClient:
        child->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
        break;
    default:
        break;
    }
}

void TWinControl::AlignControls(TControl *AControl, TRect &Rect)
{
    // Unaligned controls follow their anchors when the client area changed size.
    const TRect client = GetClientRect();
    for (TControl *c : FControls) {
        if (c->FAlign != alNone || (c->FAnchorParentW == 0 && c->FAnchorParentH == 0))
            continue;
        const int dw = client.Width() - c->FAnchorParentW, dh = client.Height() - c->FAnchorParentH;
        if (dw == 0 && dh == 0)
            continue;
        TRect o = c->FAnchorOrigin;
        const TAnchors a = c->FAnchors;
        if (a & akRight) {
            if (a & akLeft)
                o.Right += dw;
            else
                OffsetRect(o, dw, 0);
        } else if (!(a & akLeft)) {
            OffsetRect(o, dw / 2, 0);
        }
        if (a & akBottom) {
            if (a & akTop)
                o.Bottom += dh;
            else
                OffsetRect(o, 0, dh);
        } else if (!(a & akTop)) {
            OffsetRect(o, 0, dh / 2);
        }
        c->SetBounds(o.Left, o.Top, o.Width(), o.Height());
    }
    // Aligned controls, side by side in the order top, bottom, left, right, client; within one kind by
    // position, the control that asked for the alignment first among equals.
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl *> list;
        for (TControl *c : FControls)
            if (c->FAlign == align && (c->FVisible || IsDesigning()))
                list.push_back(c);
        auto key = [align](TControl *c) {
            switch (align) {
            case alTop:
                return c->Top();
            case alBottom:
                return -(c->Top() + c->Height());
            case alLeft:
                return c->Left();
            case alRight:
                return -(c->Left() + c->Width());
            default:
                return 0;
            }
        };
        std::stable_sort(list.begin(), list.end(), [&](TControl *a, TControl *b) {
            const int ka = key(a), kb = key(b);
            if (ka != kb)
                return ka < kb;
            return a == AControl && b != AControl;
        });
        for (TControl *c : list)
            CarveAligned(c, align, Rect);
    }
}

void TWinControl::ScaleControls(int M, int D)
{
    for (TControl *c : std::vector<TControl *>(FControls))
        c->ChangeScale(M, D);
}

void TWinControl::ChangeScale(int M, int D)
{
    DisableAlign();
    ScaleControls(M, D);
    TControl::ChangeScale(M, D);
    EnableAlign();
}

void TWinControl::GetChildren(TGetChildProc Proc, TComponent *Root)
{
    for (TControl *c : std::vector<TControl *>(FControls))
        if (c->Owner() == Root)
            Proc(c);
}

void TWinControl::SetChildOrder(TComponent *Child, int Order)
{
    auto it = std::find(FControls.begin(), FControls.end(), Child);
    if (it == FControls.end() || Order < 0)
        return;
    TControl *c = *it;
    FControls.erase(it);
    FControls.insert(FControls.begin() + std::min<size_t>(size_t(Order), FControls.size()), c);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    // A read control whose parent was not read with it (the root of a stream placed somewhere) takes its
    // order now; the others were placed by their parent, which is loaded first.
    if (FParent && FPendingTabOrder >= 0) {
        const int order = FPendingTabOrder;
        FPendingTabOrder = -1;
        SetTabOrder(order);
    }
    FixupTabList();
    if (FAlignNeeded)
        Realign();
}

void TWinControl::FixupTabList()
{
    const int count = int(FTabList.size());
    std::vector<TWinControl *> placed(size_t(count), nullptr);
    std::vector<TWinControl *> rest;
    bool pending = false;
    for (TWinControl *w : FTabList) {
        const int order = w->FPendingTabOrder;
        w->FPendingTabOrder = -1;
        pending = pending || order >= 0;
        // Out-of-range orders go to the nearest end; of two that claim one place the first keeps it.
        const int at = std::min(order, count - 1);
        if (order >= 0 && !placed[size_t(at)])
            placed[size_t(at)] = w;
        else
            rest.push_back(w);
    }
    if (!pending)
        return;
    auto next = rest.begin();
    for (TWinControl *&w : placed)
        if (!w)
            w = *next++;
    FTabList = std::move(placed);
    UpdateTabChain();
}

void TWinControl::InitPeer(QWidget *peer)
{
    peer->setFocusPolicy(FocusOnlyByTab() ? (FTabStop ? Qt::TabFocus : Qt::NoFocus) : peer->focusPolicy());
    TControl::InitPeer(peer);
    // Children get their widgets with their parent's.
    for (TControl *c : FControls)
        AttachChildPeer(c);
    UpdateTabChain();
}

void TWinControl::ParentColorChanged()
{
    TControl::ParentColorChanged();
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (TControl *c : FControls)
        c->ParentFontChanged();
}

void TWinControl::Resize()
{
    Realign();
    TControl::Resize();
}

void TWinControl::KeyDown(quint16 &Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(quint16 &Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(QChar &Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

bool TWinControl::PeerKeyPress(QKeyEvent *e)
{
    quint16 key = KeyCodeOf(e->key());
    if (key != 0) {
        KeyDown(key, ShiftStateOf(e->modifiers()));
        if (key == 0)
            return true;
    }
    const QString text = e->text();
    if (text.size() == 1 && (text[0].isPrint() || text[0] == u'\r' || text[0] == u'\x1b')) {
        QChar c = text[0];
        KeyPress(c);
        if (c.isNull())
            return true;
    }
    return false;
}

void TWinControl::PeerKeyRelease(QKeyEvent *e)
{
    quint16 key = KeyCodeOf(e->key());
    if (key != 0)
        KeyUp(key, ShiftStateOf(e->modifiers()));
}

void TWinControl::PeerFocusIn(Qt::FocusReason Reason)
{
    FFocusReason = Reason;
    DoEnter();
    FocusGained();
    if (Screen())
        Screen()->SetActiveControl(this);
}

void TWinControl::PeerFocusOut(Qt::FocusReason Reason)
{
    FFocusReason = Reason;
    FocusLost();
    DoExit();
}

bool TWinControl::FocusOnlyLent() const
{
    if (FPeer.isNull())
        return false;
    // The window's focus widget stays while the window is inactive or a pop-up menu is open over it; the
    // menu bar, when it takes the keys (Alt, F10), gives them back where it took them.
    QWidget *window = FPeer->window();
    if (auto *bar = qobject_cast<QMenuBar *>(QApplication::focusWidget()); bar && bar->window() == window)
        return true;
    return window->focusWidget() == FPeer.data() && (!FPeer->isActiveWindow() || QApplication::activePopupWidget());
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

// ---- TCustomControl, TGraphicControl ----

namespace
{
void PaintWithCanvas(TControl *control, TCanvas *canvas, QPainter &painter, const std::function<void()> &paint)
{
    canvas->SetPainter(&painter);
    canvas->Font()->Assign(control->GetFont());
    canvas->Brush().Color = control->GetColor();
    canvas->Brush().Style = bsSolid;
    canvas->Pen() = TPen();
    paint();
    canvas->SetPainter(nullptr);
}
} // namespace

TCustomControl::TCustomControl(TComponent *AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>())
{
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PeerPaint(QPainter &painter)
{
    PaintWithCanvas(this, FCanvas.get(), painter, [this] { Paint(); });
}

TGraphicControl::TGraphicControl(TComponent *AOwner) : TControl(AOwner), FCanvas(std::make_unique<TCanvas>())
{
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PeerPaint(QPainter &painter)
{
    PaintWithCanvas(this, FCanvas.get(), painter, [this] { Paint(); });
}

namespace
{
// Moves the focus among the enabled buttons of one bar; see WalkButtonsByTab.
class TButtonBarWalker : public QObject
{
public:
    TButtonBarWalker(TWinControl *Bar, QWidget *Peer) : QObject(Peer), FBar(Bar), FPeer(Peer)
    {
        Peer->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Watched == FPeer && Event->type() == QEvent::FocusIn) {
            const bool back = static_cast<QFocusEvent *>(Event)->reason() == Qt::BacktabFocusReason;
            const QList<QAbstractButton *> buttons = Buttons();
            if (!buttons.isEmpty())
                Focus(back ? buttons.last() : buttons.first(), back);
            else
                PassOn(!back); // nothing to press here: on to the next control
            return false;
        }
        if (Watched == FPeer || Event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(Event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        const bool back =
            key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (!back && key->key() != Qt::Key_Tab)
            return false;
        const QList<QAbstractButton *> buttons = Buttons();
        const qsizetype next = buttons.indexOf(qobject_cast<QAbstractButton *>(Watched)) + (back ? -1 : 1);
        // Past the ends the window's own Tab goes on from the bar.
        if (next < 0 || next >= buttons.size() || !buttons.contains(qobject_cast<QAbstractButton *>(Watched)))
            return false;
        Focus(buttons[next], back);
        return true;
    }

private:
    // The enabled buttons shown on the bar, left to right (the bars are one row).
    QList<QAbstractButton *> Buttons() const
    {
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *b : FPeer->findChildren<QAbstractButton *>())
            if (b->isVisibleTo(FPeer) && b->isEnabled())
                buttons << b;
        std::stable_sort(buttons.begin(), buttons.end(), [this](QAbstractButton *a, QAbstractButton *b) {
            return a->mapTo(FPeer, QPoint()).x() < b->mapTo(FPeer, QPoint()).x();
        });
        return buttons;
    }
    void Focus(QAbstractButton *Button, bool Back)
    {
        // Tab focus only: a click leaves the focus where it was.
        Button->setFocusPolicy(Qt::TabFocus);
        Button->installEventFilter(this);
        Button->setFocus(Back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
    void PassOn(bool Forward)
    {
        auto *sink = dynamic_cast<IPeerSink *>(FPeer->window());
        if (auto *window = sink ? qobject_cast<TWinControl *>(sink->Control()) : nullptr; window && FBar)
            window->SelectNext(FBar, Forward);
    }

    QPointer<TWinControl> FBar;
    QWidget *FPeer;
};
} // namespace

void WalkButtonsByTab(TWinControl *Bar)
{
    Bar->SetTabStop(true);
    QWidget *peer = Bar->Peer();
    peer->setFocusPolicy(Qt::TabFocus);
    const QString name = QStringLiteral("ButtonBarWalker");
    if (!peer->findChild<QObject *>(name, Qt::FindDirectChildrenOnly)) {
        auto *walker = new TButtonBarWalker(Bar, peer);
        walker->setObjectName(name);
    }
}
