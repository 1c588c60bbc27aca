#include "PopupWinF.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

static void InitPopupWinResources()
{
    Q_INIT_RESOURCE(XFormsForms);
}

TPopupWin::TPopupWin(TComponent *AOwner) : TForm(AOwner)
{
    InitPopupWinResources();
    InitInheritedComponent(this, &TForm::staticMetaObject);
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            GuardEvent([this] { AppDeactivated(); });
    });
}

TPopupWin::~TPopupWin()
{
    if (HandleAllocated())
        Peer()->removeEventFilter(this);
}

void TPopupWin::ApplyWindowStyle()
{
    QWidget *peer = Peer();
    Qt::WindowFlags flags = Qt::Tool;
    if (BorderStyle() == bsNone)
        flags |= Qt::FramelessWindowHint;
    if (FFormStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    // While a modal window runs, every other window is blocked; a picker serving it must belong to it.
    QWidget *owner = QApplication::activeModalWidget();
    if (owner == peer)
        owner = nullptr;
    if (peer->parentWidget() != owner) {
        QObject::disconnect(FOwnerGone);
        peer->setParent(owner, flags);
        // The picker outlives the modal window; the window's end must not take the picker's widgets with it.
        if (owner)
            FOwnerGone = QObject::connect(owner, &QObject::destroyed, this, [this] { LeaveOwner(); });
    } else if (peer->windowFlags() != flags) {
        peer->setWindowFlags(flags);
    }
    peer->installEventFilter(this);
}

void TPopupWin::LeaveOwner()
{
    // Run while the owner window is being destroyed, before it deletes its children: the served control
    // and its window are going, so no hide handler runs.
    QWidget *peer = Peer();
    FHiding = true;
    SetVisible(false);
    peer->setParent(nullptr, peer->windowFlags());
    FHiding = false;
    OnSelect = nullptr;
}

// Keys meant for a child reach the picker first, whichever inner widget of the child has the focus.
void TPopupWin::WatchChildren()
{
    for (QWidget *w : Peer()->findChildren<QWidget *>())
        w->installEventFilter(this);
}

TControl *TPopupWin::ControlOfWidget(QWidget *w) const
{
    for (; w && w != FPeer.data(); w = w->parentWidget())
        if (auto *sink = dynamic_cast<IPeerSink *>(w))
            return sink->Control();
    return nullptr;
}

bool TPopupWin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FPeer.data()) {
        switch (event->type()) {
        case QEvent::WindowDeactivate:
            if (Visible())
                GuardEvent([this] { Deactivate(); });
            break;
        case QEvent::Hide:
            if (!FHiding && Visible()) {
                // Hidden from outside (by the window system): the same as any other hide.
                SetVisible(false);
                GuardEvent([this] {
                    if (OnHide)
                        OnHide(this);
                });
            }
            break;
        default:
            break;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->window() == FPeer.data()) {
            bool taken = false;
            GuardEvent([&] { taken = WantChildKey(ControlOfWidget(w), static_cast<QKeyEvent *>(event)); });
            return taken;
        }
    }
    return false;
}

bool TPopupWin::WantChildKey(TControl *, QKeyEvent *Message)
{
    const int key = Message->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        DoSelect();
        ClosePopup();
        return true;
    }
    if (key == Qt::Key_Escape) {
        ClosePopup();
        return true;
    }
    return false;
}

void TPopupWin::KeyDown(quint16 &Key, TShiftState Shift)
{
    TForm::KeyDown(Key, Shift);
    if (Key == VK_RETURN)
        DoSelect();
    if (Key == VK_RETURN || Key == VK_ESCAPE)
        ClosePopup();
}

void TPopupWin::BeforeShow()
{
}

void TPopupWin::BeforePopup()
{
}

void TPopupWin::DoSelect()
{
    if (OnSelect)
        OnSelect(this);
}

void TPopupWin::Popup(int X, int Y)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (Y + Height() > screenHeight)
        Y = screenHeight - Height();
    if (X + Width() > screenWidth)
        X = screenWidth - Width();
    ApplyWindowStyle();
    SetBounds(X, Y, Width(), Height());
    BeforeShow();
    WatchChildren();
    Show();
    Peer()->move(X, Y);
    Peer()->activateWindow();
}

void TPopupWin::PopupExt(TObject *AControl, int AWidth, TNotifyEvent AOnSelect)
{
    auto *control = qobject_cast<TControl *>(AControl);
    if (!control)
        throw EAssertionFailed(QStringLiteral("Invalid Param In PopupExt Call"));
    FControl = control;
    // Given to the control by its picker: a box opens no editor for it.
    if (auto *win = qobject_cast<TWinControl *>(control))
        win->Peer()->setFocus(Qt::PopupFocusReason);
    OnSelect = AOnSelect;
    BeforePopup();
    const TPoint p = control->ClientToScreen({0, 0});
    if (AWidth < 0)
        SetWidth(control->Width());
    else if (AWidth > 0)
        SetWidth(AWidth);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int y = screenHeight >= p.Y + control->Height() + Height() ? p.Y + control->Height() : p.Y - Height();
    Popup(p.X, y);
}

void TPopupWin::ClosePopup()
{
    if (!Visible() && !(HandleAllocated() && Peer()->isVisible()))
        return;
    FHiding = true;
    SetVisible(false);
    if (HandleAllocated())
        Peer()->hide();
    FHiding = false;
    if (OnHide)
        OnHide(this);
}

void TPopupWin::FormHide(TObject *)
{
    OnSelect = nullptr;
    if (auto *win = qobject_cast<TWinControl *>(FControl.data())) {
        // Give the served window its activation back, unless another application took it.
        if (QGuiApplication::applicationState() == Qt::ApplicationActive)
            win->Peer()->window()->activateWindow();
        win->Peer()->setFocus(Qt::PopupFocusReason);
    }
}

void TPopupWin::Deactivate()
{
    ClosePopup();
}

void TPopupWin::AppDeactivated()
{
    ClosePopup();
}
