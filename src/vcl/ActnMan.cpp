#include "ActnMan.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QTextStream>

// ---- TActionClients ----

TActionClients::~TActionClients() = default;

TActionClientItem *TActionClients::Add()
{
    FItems.push_back(std::make_unique<TActionClientItem>(FOwner));
    FOwner->Changed();
    return FItems.back().get();
}

void TActionClients::Delete(int Index)
{
    FItems.erase(FItems.begin() + Index);
    FOwner->Changed();
}

void TActionClients::Clear()
{
    if (FItems.empty())
        return;
    FItems.clear();
    FOwner->Changed();
}

int TActionClients::IndexOf(const TActionClientItem *Item) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item)
            return int(i);
    return -1;
}

// ---- TActionClientItem ----

TActionClientItem::TActionClientItem(TActionClientItem *ParentItem) : FParentItem(ParentItem), FItems(this)
{
}

TActionClientItem::~TActionClientItem() = default;

void TActionClientItem::SetAction(TAction *Value)
{
    if (FAction == Value)
        return;
    FAction = Value;
    Changed();
}

QString TActionClientItem::Caption() const
{
    if (!FCaption.isEmpty() || !FAction)
        return FCaption;
    return FAction->Caption();
}

void TActionClientItem::SetCaption(const QString &Value)
{
    FCaption = Value;
    Changed();
}

void TActionClientItem::SetMenu(QMenu *Value)
{
    FMenu = Value;
    Changed();
}

void TActionClientItem::SetSeparator(bool Value)
{
    FSeparator = Value;
    Changed();
}

int TActionClientItem::Index() const
{
    return FParentItem ? FParentItem->FItems.IndexOf(this) : -1;
}

void TActionClientItem::Changed()
{
    TActionClientItem *root = this;
    while (root->FParentItem)
        root = root->FParentItem;
    if (root->OnChange)
        root->OnChange();
}

// ---- TActionMainMenuBar ----

TActionMainMenuBar::TActionMainMenuBar(TComponent *AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 150, 24);
    FRoot.OnChange = [this] { Rebuild(); };
}

void TActionMainMenuBar::SetActionClient(TActionClientItem *Value)
{
    if (!Value)
        Value = &FRoot;
    if (FClient == Value)
        return;
    FClient->OnChange = nullptr;
    FClient = Value;
    FClient->OnChange = [this] { Rebuild(); };
    Rebuild();
}

TActionMainMenuBar::~TActionMainMenuBar()
{
    FClient->OnChange = nullptr;
    for (auto &m : FMenus)
        delete m.data();
}

namespace
{
// The bar watches its window (as it does for Alt): F10 pressed alone anywhere in the window does what Alt
// pressed and released alone does, the first menu marked and the arrows and Enter the bar's; F10 again
// leaves it. It also watches its menus: one opened with the mouse (the keys were not the bar's) closes on
// Esc as on a click elsewhere, the keys going back to where they were, rather than leaving the bar holding
// them with no menu open.
class TMenuBarPeer : public TPeer<QMenuBar>
{
public:
    using TPeer<QMenuBar>::TPeer;
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (auto *menu = qobject_cast<QMenu *>(Watched)) {
            if (Event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(Event)->key() == Qt::Key_Escape &&
                menu->parentWidget() == this && !hasFocus()) {
                menu->hide();
                return true;
            }
            return false;
        }
        if (Event->type() == QEvent::KeyPress && Watched == window() && isVisible() && isEnabled()) {
            const auto *key = static_cast<QKeyEvent *>(Event);
            if (key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window();
                QKeyEvent altOverride(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
                altOverride.ignore();
                QCoreApplication::sendEvent(target, &altOverride);
                QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
                QCoreApplication::sendEvent(target, &altDown);
                QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
                QCoreApplication::sendEvent(target, &altUp);
                return true;
            }
        }
        return TPeer<QMenuBar>::eventFilter(Watched, Event);
    }
};
} // namespace

QWidget *TActionMainMenuBar::CreatePeer()
{
    auto *bar = new TMenuBarPeer(this);
    bar->setNativeMenuBar(false);
    return bar;
}

QMenuBar *TActionMainMenuBar::MenuBar()
{
    return static_cast<QMenuBar *>(Peer());
}

TActionClientItem *TActionMainMenuBar::FindMenu(const QString &Caption)
{
    for (int i = 0; i < FClient->Items()->Count(); ++i)
        if (FClient->Items()->Items(i)->Caption() == Caption)
            return FClient->Items()->Items(i);
    return nullptr;
}

void TActionMainMenuBar::Fill(QMenu *Menu, TActionClientItem *Item)
{
    for (int i = 0; i < Item->Items()->Count(); ++i) {
        TActionClientItem *sub = Item->Items()->Items(i);
        if (sub->Separator()) {
            Menu->addSeparator();
        } else if (sub->Menu() || sub->HasItems() || (sub->Action() && !sub->Action()->OnExecute)) {
            // A host item: its action's caption, image and enabled state on a sub-menu.
            QMenu *child = sub->Menu();
            if (child) {
                child->setTitle(sub->Caption());
                Menu->addMenu(child);
            } else {
                child = Menu->addMenu(sub->Caption());
            }
            if (TAction *a = sub->Action()) {
                child->setIcon(a->Handle()->icon());
                child->menuAction()->setEnabled(a->Enabled());
                child->menuAction()->setStatusTip(a->Handle()->statusTip());
                QObject::connect(a->Handle(), &QAction::changed, Menu, [child = QPointer<QMenu>(child), a] {
                    if (child)
                        child->menuAction()->setEnabled(a->Enabled());
                });
            }
            if (!sub->Menu())
                Fill(child, sub);
        } else if (TAction *a = sub->Action()) {
            Menu->addAction(a->Handle());
        }
    }
}

void TActionMainMenuBar::Rebuild()
{
    QMenuBar *bar = MenuBar();
    bar->clear();
    for (auto &m : FMenus)
        delete m.data();
    FMenus.clear();
    for (int i = 0; i < FClient->Items()->Count(); ++i) {
        TActionClientItem *top = FClient->Items()->Items(i);
        auto *menu = new QMenu(top->Caption(), bar);
        menu->installEventFilter(bar);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] {
            if (OnPopup)
                GuardEvent([this] { OnPopup(this); });
        });
        Fill(menu, top);
        bar->addMenu(menu);
        FMenus.emplace_back(menu);
    }
}

// ---- TActionManager ----

TActionManager::TActionManager(TComponent *AOwner) : TComponent(AOwner)
{
}

TActionManager::~TActionManager() = default;

TActionClientItem *TActionManager::AddActionBar()
{
    FBars.push_back(std::make_unique<TActionClientItem>());
    return FBars.back().get();
}

namespace
{
void WriteItem(QTextStream &out, TActionClientItem *item, int depth)
{
    for (int i = 0; i < item->Items()->Count(); ++i) {
        TActionClientItem *sub = item->Items()->Items(i);
        out << QString(depth * 2, QLatin1Char(' '));
        if (sub->Separator())
            out << "-";
        else if (sub->Action() && !sub->Action()->Name().isEmpty())
            out << sub->Action()->Name();
        else
            out << '"' << sub->Caption() << '"';
        out << "\n";
        WriteItem(out, sub, depth + 1);
    }
}
} // namespace

void TActionManager::SaveToFile(const QString &FileName) const
{
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        throw EFCreateError(QStringLiteral("Αδυναμία δημιουργίας του αρχείου %1").arg(FileName));
    QTextStream out(&file);
    for (size_t b = 0; b < FBars.size(); ++b) {
        out << "[ActionBar" << b << "]\n";
        WriteItem(out, FBars[b].get(), 0);
    }
    out.flush();
    if (!file.commit())
        throw EFCreateError(QStringLiteral("Αδυναμία δημιουργίας του αρχείου %1").arg(FileName));
}
