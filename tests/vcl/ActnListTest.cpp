// Actions: grouped check states, disabled actions, and the Qt action following the action's state; the
// pictures of commands.
#include "vcl/ActnList.h"
#include "vcl/CommandIcons.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
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

// Two presses handled together: the first command's dialog runs the events that bring the second, which
// is not run in it; a command of the dialog itself, triggered there, is. The owner hears of the first
// command once it has returned.
TEST(Actions, ACommandTriggeredBeforeAModalWindowOpenedIsNotRunInsideIt)
{
    TComponent owner(nullptr);
    auto *ask = new TAction(&owner);
    auto *inside = new TAction(&owner);
    QStringList ran;
    int returned = 0;
    QObject::connect(ask, &TAction::Executed, [&] { ++returned; });
    ask->OnExecute = [&](TObject *) {
        ran << QStringLiteral("ask");
        QDialog box;
        box.setModal(true);
        QTimer::singleShot(0, &box, [&] { inside->Handle()->trigger(); });
        QTimer::singleShot(30, &box, [&] {
            ran << QStringLiteral("answered, %1 returned").arg(returned);
            box.accept();
        });
        box.exec();
    };
    inside->OnExecute = [&](TObject *) { ran << QStringLiteral("inside"); };
    ask->Handle()->trigger();
    ask->Handle()->trigger();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(ran,
              (QStringList{QStringLiteral("ask"), QStringLiteral("inside"), QStringLiteral("answered, 0 returned")}));
    EXPECT_EQ(returned, 1);
}

// A command's picture is looked for and read when first used; it then draws, measures and says whether there
// is one exactly as the picture made at once: the program's own drawing, else the theme's drawings at the
// theme's sizes.
TEST(CommandIcons, PicturesReadAtFirstUseAreThePicturesReadAtOnce)
{
    QStringList names = QDir(QStringLiteral(":/commands")).entryList();
    ASSERT_GE(names.size(), 10);
    for (QString &n : names)
        n.chop(4); // .svg
    names << QStringLiteral("document-save") << QStringLiteral("document-print")
          << QStringLiteral("document-print-preview") << QStringLiteral("preferences-desktop-font")
          << QStringLiteral("no-such-picture-anywhere");
    const auto atOnce = [](const QString &Name) { return MakeCommandIcon(Name); };
    const auto painted = [](const QIcon &Icon, QIcon::Mode Mode) {
        QImage image(QSize(40, 26), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        Icon.paint(&p, QRect(3, 2, 34, 22), Qt::AlignCenter, Mode);
        return image;
    };
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        // Asked first whether there is a picture, or first drawn.
        for (const bool askedFirst : {true, false}) {
            const QIcon later = CommandIcon(name), now = atOnce(name);
            if (askedFirst) {
                EXPECT_EQ(later.isNull(), now.isNull());
            }
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                for (const int size : {16, 20, 24, 32}) {
                    EXPECT_EQ(later.pixmap(QSize(size, size), mode).toImage(),
                              now.pixmap(QSize(size, size), mode).toImage())
                        << size;
                    EXPECT_EQ(later.actualSize(QSize(size, size), mode), now.actualSize(QSize(size, size), mode));
                }
                EXPECT_EQ(painted(later, mode), painted(now, mode));
                EXPECT_EQ(later.availableSizes(mode), now.availableSizes(mode));
            }
            EXPECT_EQ(later.isNull(), now.isNull());
            // A copy is the same picture.
            const QIcon copy = later;
            EXPECT_EQ(copy.pixmap(QSize(20, 20)).toImage(), now.pixmap(QSize(20, 20)).toImage());
        }
        EXPECT_EQ(CommandIcon(name).isNull(), name.startsWith(QStringLiteral("no-such")));
    }
}
