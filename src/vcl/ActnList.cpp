#include "ActnList.h"

#include "Forms.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>

TAction::TAction(TComponent *AOwner) : TComponent(AOwner)
{
}

TAction::~TAction()
{
    delete FAction;
}

QAction *TAction::Handle()
{
    if (!FAction) {
        FAction = new QAction;
        // A menu, a tool button or a shortcut triggers the action from inside its own key or mouse handling,
        // and a menu goes on using itself and its items afterwards; the command may free or rebuild them (a
        // new document, a recent file, the page list), so it runs once that handling has returned, as a
        // posted command does. An action freed meanwhile takes its pending command with it.
        QObject::connect(FAction, &QAction::triggered, FAction, [this] {
            const QPointer<QWidget> modal = QApplication::activeModalWidget();
            const bool fromModal = !modal.isNull();
            QMetaObject::invokeMethod(
                FAction, [this, modal, fromModal] { RunTriggered(modal, fromModal); }, Qt::QueuedConnection);
        });
        Sync();
    }
    return FAction;
}

void TAction::RunTriggered(const QPointer<QWidget> &Modal, bool FromModal)
{
    // Two presses handled together (a busy moment, a repeating key): the first command's dialog runs the
    // events that bring the second. Outside that dialog the second press would not have reached the window.
    if (QWidget *now = QApplication::activeModalWidget(); now && (!FromModal || now != Modal.data()))
        return;
    const QPointer<TAction> self(this);
    if (Application())
        Application()->Guard([this] { Execute(); });
    else
        Execute();
    if (self)
        emit Executed();
}

void TAction::Sync()
{
    if (!FAction)
        return;
    FAction->setText(FCaption);
    FAction->setToolTip(GetShortHint(FHint.isEmpty() ? FCaption : FHint));
    FAction->setStatusTip(GetLongHint(FHint));
    FAction->setEnabled(FEnabled);
    FAction->setCheckable(FAutoCheck || FChecked || FGroupIndex > 0);
    FAction->setChecked(FChecked);
    FAction->setIcon(FIcon);
    FAction->setShortcut(ShortCutToKeySequence(FShortCut));
}

void TAction::SetShortCut(int v)
{
    FShortCut = v;
    Sync();
}

bool IsWindowShortCut(TControl *Control, const QKeyEvent *Key)
{
    if (!Control->HandleAllocated())
        return false;
    auto *sink = dynamic_cast<IPeerSink *>(Control->Peer()->window());
    TControl *window = sink ? sink->Control() : nullptr;
    if (!window)
        return false;
    // Ins on the keypad is Ins.
    const QKeySequence pressed(QKeyCombination(Key->modifiers() & ~Qt::KeypadModifier, Qt::Key(Key->key())));
    for (TComponent *c : window->ComponentList())
        if (auto *action = qobject_cast<TAction *>(c);
            action && action->ShortCut() && action->Enabled() && ShortCutToKeySequence(action->ShortCut()) == pressed)
            return true;
    return false;
}

QKeySequence ShortCutToKeySequence(int ShortCut)
{
    const int vk = ShortCut & 0xFF;
    if (vk == 0)
        return QKeySequence();
    int key = 0;
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        key = vk;
    else if (vk >= VK_F1 && vk < VK_F1 + 24)
        key = Qt::Key_F1 + (vk - VK_F1);
    else
        switch (vk) {
        case VK_BACK: key = Qt::Key_Backspace; break;
        case VK_TAB: key = Qt::Key_Tab; break;
        case VK_RETURN: key = Qt::Key_Return; break;
        case VK_ESCAPE: key = Qt::Key_Escape; break;
        case VK_SPACE: key = Qt::Key_Space; break;
        case VK_PRIOR: key = Qt::Key_PageUp; break;
        case VK_NEXT: key = Qt::Key_PageDown; break;
        case VK_END: key = Qt::Key_End; break;
        case VK_HOME: key = Qt::Key_Home; break;
        case VK_LEFT: key = Qt::Key_Left; break;
        case VK_UP: key = Qt::Key_Up; break;
        case VK_RIGHT: key = Qt::Key_Right; break;
        case VK_DOWN: key = Qt::Key_Down; break;
        case VK_INSERT: key = Qt::Key_Insert; break;
        case VK_DELETE: key = Qt::Key_Delete; break;
        default: return QKeySequence();
        }
    int mods = 0;
    if (ShortCut & 0x2000)
        mods |= Qt::SHIFT;
    if (ShortCut & 0x4000)
        mods |= Qt::CTRL;
    if (ShortCut & 0x8000)
        mods |= Qt::ALT;
    return QKeySequence(key | mods);
}

void TAction::SetCaption(const QString &v)
{
    FCaption = v;
    Sync();
}

void TAction::SetHint(const QString &v)
{
    FHint = v;
    Sync();
}

void TAction::SetEnabled(bool v)
{
    FEnabled = v;
    Sync();
}

void TAction::SetIcon(const QIcon &icon)
{
    FIcon = icon;
    Sync();
}

void TAction::SetChecked(bool v)
{
    FChecked = v;
    if (v && FGroupIndex > 0 && Owner()) {
        for (int i = 0; i < Owner()->ComponentCount(); ++i) {
            auto *other = qobject_cast<TAction *>(Owner()->Components(i));
            if (other && other != this && other->FGroupIndex == FGroupIndex && other->FChecked) {
                other->FChecked = false;
                other->Sync();
            }
        }
    }
    Sync();
}

bool TAction::Execute()
{
    if (!FEnabled)
        return false;
    if (FAutoCheck)
        SetChecked(FGroupIndex > 0 ? true : !FChecked);
    else
        Sync(); // a checkable button toggled itself; the action's state rules
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

bool TAction::Update()
{
    if (!OnUpdate)
        return false;
    OnUpdate(this);
    return true;
}

// ---- TActionToolBar ----

TActionToolBar::TActionToolBar(TComponent *AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 150, 30);
}

QWidget *TActionToolBar::CreatePeer()
{
    auto *bar = new TPeer<QToolBar>(this);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setIconSize(QSize(20, 20));
    return bar;
}

QToolBar *TActionToolBar::ToolBar()
{
    return static_cast<QToolBar *>(Peer());
}

void TActionToolBar::AddAction(TAction *Action)
{
    ToolBar()->addAction(Action->Handle());
}

void TActionToolBar::AddSeparator()
{
    ToolBar()->addSeparator();
}
