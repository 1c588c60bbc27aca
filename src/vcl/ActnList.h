// Actions: a command with a caption, a hint, an image, enabled and checked states, an execute handler and
// an update handler that sets those states; and a tool bar that shows actions as buttons.
#pragma once

#include "Controls.h"

#include <QIcon>
#include <QKeySequence>
#include <QPointer>

class QAction;
class QToolBar;

class TAction : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool AutoCheck READ AutoCheck WRITE SetAutoCheck)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(QString Category READ Category WRITE SetCategory)
    Q_PROPERTY(int ShortCut READ ShortCut WRITE SetShortCut)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
    Q_CLASSINFO("Default:ShortCut", "0")
    Q_CLASSINFO("Default:HelpContext", "0")
    Q_PROPERTY(TNotifyEvent OnExecute MEMBER OnExecute)
    Q_PROPERTY(TNotifyEvent OnUpdate MEMBER OnUpdate)

public:
    Q_INVOKABLE explicit TAction(TComponent *AOwner);
    ~TAction() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString &v);
    QString Hint() const { return FHint; }
    void SetHint(const QString &v);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v) { FImageIndex = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    bool Checked() const { return FChecked; }
    // Checking an action of a group (GroupIndex above 0) unchecks the others of the same owner.
    void SetChecked(bool v);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool v) { FAutoCheck = v; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int v) { FGroupIndex = v; }
    void SetIcon(const QIcon &icon);
    QString Category() const { return FCategory; }
    void SetCategory(const QString &v) { FCategory = v; }
    // The key combination in the class library's coding: the virtual key plus 0x2000 Shift, 0x4000 Ctrl,
    // 0x8000 Alt (Ctrl+Ins is 16429).
    int ShortCut() const { return FShortCut; }
    void SetShortCut(int v);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int v) { FHelpContext = v; }

    // Runs OnExecute (checking the action first when AutoCheck); false when disabled or unhandled.
    bool Execute();
    // Runs OnUpdate; false when unhandled.
    bool Update();

    // The Qt action that menus and tool bars show. Triggering it (a menu item, a tool button, a shortcut)
    // executes the action once control is back in the event loop, not while the trigger is handled; not
    // at all when by then a modal window has opened that was not open at the trigger (a second press
    // handled together with the first would run inside the first command's dialog).
    QAction *Handle();

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

signals:
    // A command started by a trigger has returned (its windows closed): the owner updates its states.
    void Executed();

private:
    void Sync();
    // Runs the command of a trigger that came while Modal (none: no modal window) was the modal window.
    void RunTriggered(const QPointer<QWidget> &Modal, bool FromModal);
    QString FCaption, FHint, FCategory;
    int FImageIndex = -1;
    int FShortCut = 0;
    int FHelpContext = 0;
    bool FEnabled = true, FChecked = false, FAutoCheck = false;
    int FGroupIndex = 0;
    QIcon FIcon;
    QAction *FAction = nullptr;
};

// The Qt key sequence of a shortcut in the class library's coding (0 gives an empty sequence).
QKeySequence ShortCutToKeySequence(int ShortCut);

// A bar of action buttons (images without captions), with separators.
class TActionToolBar : public TWinControl
{
    Q_OBJECT
public:
    explicit TActionToolBar(TComponent *AOwner);
    void AddAction(TAction *Action);
    void AddSeparator();
    QToolBar *ToolBar();

protected:
    QWidget *CreatePeer() override;
};
