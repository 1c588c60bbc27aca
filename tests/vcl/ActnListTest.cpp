// Actions: grouped check states, disabled actions, and the Qt action following the action's state.
#include "vcl/ActnList.h"

#include <QAction>
#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(Actions, GroupedAutoCheckDisabledAndQtState)
{
    TComponent owner(nullptr);
    auto *a = new TAction(&owner);
    auto *b = new TAction(&owner);
    auto *other = new TAction(&owner);
    for (TAction *x : {a, b}) {
        x->SetAutoCheck(true);
        x->SetGroupIndex(2);
    }
    other->SetGroupIndex(3);
    other->SetChecked(true);
    int runs = 0;
    a->OnExecute = [&](TObject *Sender) {
        EXPECT_EQ(Sender, a);
        ++runs;
    };
    b->SetChecked(true);
    EXPECT_TRUE(a->Execute());
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(other->Checked()) << "another group is left alone";
    EXPECT_EQ(runs, 1);
    // Triggered from Qt's side (a menu, a button, a shortcut), it runs once the event loop has it again.
    a->Handle()->trigger();
    EXPECT_EQ(runs, 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(a->Checked()) << "a grouped action stays checked when run again";
    EXPECT_EQ(runs, 2);

    a->SetEnabled(false);
    EXPECT_FALSE(a->Execute());
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(a->Handle()->isEnabled());
    b->OnUpdate = [&](TObject *) { b->SetCaption(QStringLiteral("Ενημερώθηκε")); };
    EXPECT_TRUE(b->Update());
    EXPECT_EQ(b->Handle()->text(), QStringLiteral("Ενημερώθηκε"));
    EXPECT_FALSE(other->Update());
}

TEST(Actions, ATriggerRunsAfterTheEventThatMadeItAndNotAtAllOnceTheActionIsFreed)
{
    TComponent owner(nullptr);
    auto *a = new TAction(&owner);
    auto *b = new TAction(&owner);
    QStringList ran;
    a->OnExecute = [&](TObject *) { ran << QStringLiteral("a"); };
    b->OnExecute = [&](TObject *) { ran << QStringLiteral("b"); };
    // The command may free what triggered it: it is not running yet when the trigger returns.
    a->Handle()->trigger();
    b->Handle()->trigger();
    EXPECT_TRUE(ran.isEmpty());
    delete b;
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, QStringList{QStringLiteral("a")}) << "in order, and nothing for the freed action";
    // Disabled by the time the loop has it: nothing runs.
    a->Handle()->trigger();
    a->SetEnabled(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(ran.size(), 1);
}
