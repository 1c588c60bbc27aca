#include "ActnList.h"

#include "Forms.h"

#include <QAction>
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
        QObject::connect(FAction, &QAction::triggered, FAction, [this] {
            if (Application())
                Application()->Guard([this] { Execute(); });
            else
                Execute();
        });
        Sync();
    }
    return FAction;
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
