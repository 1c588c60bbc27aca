// Action bars: a tree of client items, each showing an action (or a separator, or a caption that opens
// sub-items), drawn as a menu bar; and the action manager that keeps the bars' layouts.
#pragma once

#include "ActnList.h"

#include <QMenu>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QMenuBar;
class TActionClientItem;

// The sub-items of an item, in order; the list owns them.
class TActionClients
{
public:
    explicit TActionClients(TActionClientItem *Owner) : FOwner(Owner) {}
    ~TActionClients();
    int Count() const { return int(FItems.size()); }
    TActionClientItem *Items(int Index) const { return FItems.at(size_t(Index)).get(); }
    TActionClientItem *operator[](int Index) const { return Items(Index); }
    // Appends a new empty item.
    TActionClientItem *Add();
    void Delete(int Index);
    void Clear();
    int IndexOf(const TActionClientItem *Item) const;

private:
    TActionClientItem *FOwner;
    std::vector<std::unique_ptr<TActionClientItem>> FItems;
};

class TActionClientItem : public TPersistent
{
    Q_OBJECT
public:
    explicit TActionClientItem(TActionClientItem *ParentItem = nullptr);
    ~TActionClientItem() override;

    // The action shown; the item does not own it. An action freed elsewhere leaves the item empty.
    TAction *Action() const { return FAction; }
    void SetAction(TAction *Value);
    // The item's own caption; the action's caption when empty.
    QString Caption() const;
    void SetCaption(const QString &Value);
    bool Separator() const { return FSeparator; }
    void SetSeparator(bool Value);
    TActionClients *Items() { return &FItems; }
    // A menu kept by someone else that the bar shows as this item's sub-menu, whatever it holds.
    QMenu *Menu() const { return FMenu.data(); }
    void SetMenu(QMenu *Value);
    bool HasItems() const { return FItems.Count() > 0; }
    TActionClientItem *ParentItem() const { return FParentItem; }
    // Position among the parent's items, -1 for a root.
    int Index() const;

    // Told of every change in the tree below a root item (bars rebuild their menus).
    std::function<void()> OnChange;
    void Changed();

private:
    TActionClientItem *FParentItem;
    QPointer<TAction> FAction;
    QString FCaption;
    bool FSeparator = false;
    QPointer<QMenu> FMenu;
    TActionClients FItems;
};

// The main menu bar: the root's items are the top menus, theirs the commands; an item with sub-items
// opens a sub-menu.
class TActionMainMenuBar : public TWinControl
{
    Q_OBJECT
public:
    explicit TActionMainMenuBar(TComponent *AOwner);
    ~TActionMainMenuBar() override;
    // The layout shown: the bar's own until it is given one of the action manager's.
    TActionClientItem *Items() { return FClient; }
    void SetActionClient(TActionClientItem *Value);
    // The top menu of that caption, nullptr when there is none.
    TActionClientItem *FindMenu(const QString &Caption);
    QMenuBar *MenuBar();
    // Rebuilds the Qt menus from the items (done after every change of the tree).
    void Rebuild();
    // Fired before a menu opens (the owner refreshes its actions' states).
    TNotifyEvent OnPopup;

protected:
    QWidget *CreatePeer() override;

private:
    void Fill(QMenu *Menu, TActionClientItem *Item);
    TActionClientItem FRoot;
    TActionClientItem *FClient = &FRoot;
    std::vector<QPointer<QMenu>> FMenus;
};

// Keeps the layouts of the action bars; writes them as text (one line per item, indented by depth).
class TActionManager : public TComponent
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TActionManager(TComponent *AOwner);
    ~TActionManager() override;
    // Layouts, in order; the manager owns them. A layout may belong to no bar.
    int ActionBarCount() const { return int(FBars.size()); }
    TActionClientItem *ActionBars(int Index) const { return FBars.at(size_t(Index)).get(); }
    TActionClientItem *AddActionBar();
    // Writes the layouts to FileName (replaced in one step); raises EFCreateError when it cannot.
    void SaveToFile(const QString &FileName) const;

private:
    std::vector<std::unique_ptr<TActionClientItem>> FBars;
};
