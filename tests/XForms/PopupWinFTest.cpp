#include "XForms/ListBoxPopUpF.h"
#include "XForms/XDateFrame.h"
#include "XForms/XForms.h"
#include "vcl/ExtCtrls.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// A window with an edit to serve, placed where a test wants it on the (offscreen) screen.
struct Served {
    Served(int left, int top, int width = 120, int height = 21)
    {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(left, top, width, height);
        Edit = new TEdit(&Form);
        Edit->SetParent(&Form);
        Edit->SetBounds(0, 0, width, height);
        Form.Show();
        Form.Peer()->move(left, top);
        QApplication::setActiveWindow(Form.Peer());
        QCoreApplication::processEvents();
    }
    TForm Form{nullptr};
    TEdit *Edit = nullptr;
};

int ScreenW()
{
    return GetSystemMetrics(SM_CXSCREEN);
}
int ScreenH()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

} // namespace

TEST(PopupWin, PlacedUnderItsControlOrAboveAndKeptOnScreen)
{
    TListBoxPopup popup(nullptr);
    EXPECT_EQ(popup.FormStyle(), fsStayOnTop);
    EXPECT_EQ(popup.BorderStyle(), bsNone);
    EXPECT_EQ(popup.ClientWidth(), 151);
    EXPECT_EQ(popup.ClientHeight(), 87);
    {
        Served s(40, 50);
        popup.PopupExt(s.Edit, 0, nullptr);
        const TPoint p = s.Edit->ClientToScreen({0, 0});
        EXPECT_EQ(popup.Left(), p.X);
        EXPECT_EQ(popup.Top(), p.Y + 21);
        EXPECT_TRUE(popup.Peer()->isVisible());
        EXPECT_EQ(popup.Control(), s.Edit);
        popup.ClosePopup();
    }
    {
        // Near the bottom: directly above.
        Served s(40, ScreenH() - 60);
        popup.PopupExt(s.Edit, 0, nullptr);
        EXPECT_EQ(popup.Top(), s.Edit->ClientToScreen({0, 0}).Y - popup.Height());
        popup.ClosePopup();
    }
    {
        // Near the right edge: moved left until it meets the edge.
        Served s(ScreenW() - 50, 50, 40);
        popup.PopupExt(s.Edit, 0, nullptr);
        EXPECT_EQ(popup.Left(), ScreenW() - popup.Width());
        popup.ClosePopup();
    }
    {
        // Too tall for either side: above, even partly off the top of the screen.
        Served s(40, 150);
        popup.SetHeight(ScreenH() - 100);
        popup.PopupExt(s.Edit, 0, nullptr);
        EXPECT_EQ(popup.Top(), s.Edit->ClientToScreen({0, 0}).Y - popup.Height());
        EXPECT_LT(popup.Top(), 0);
        popup.ClosePopup();
    }
}

TEST(PopupWin, WidthRuleAndInvalidControl)
{
    TListBoxPopup popup(nullptr);
    Served s(40, 50, 230);
    popup.PopupExt(s.Edit, -1, nullptr);
    EXPECT_EQ(popup.Width(), 230);
    popup.ClosePopup();
    auto *narrow = new TEdit(&s.Form);
    narrow->SetParent(&s.Form);
    narrow->SetBounds(0, 0, 60, 21);
    popup.PopupExt(narrow, 0, nullptr); // keeps the earlier control's width
    EXPECT_EQ(popup.Width(), 230);
    popup.ClosePopup();
    popup.PopupExt(narrow, 175, nullptr);
    EXPECT_EQ(popup.Width(), 175);
    popup.ClosePopup();

    TComponent notAControl(nullptr);
    int selects = 0;
    try {
        popup.PopupExt(&notAControl, 0, [&](TObject *) { ++selects; });
        FAIL() << "no assertion";
    } catch (const EAssertionFailed &e) {
        EXPECT_EQ(e.Message(), "Invalid Param In PopupExt Call");
    }
    EXPECT_FALSE(popup.Peer()->isVisible());
    EXPECT_EQ(popup.Control(), narrow);
    EXPECT_FALSE(popup.OnSelect);
}

TEST(PopupWin, EnterPicksEscAndDeactivationHideAndGiveTheFocusBack)
{
    TListBoxPopup popup(nullptr);
    popup.ListBox1->Items()->SetStrings({"01 (Κανονική)", "02 (Έκτακτη)"});
    Served s(40, 50);
    s.Edit->SetText("αρχικό");
    int selects = 0;
    QListWidget *list = popup.ListBox1->ListWidget();

    // Enter in the list picks without writing a code, then hides.
    popup.PopupExt(s.Edit, -1, [&](TObject *sender) {
        EXPECT_EQ(sender, &popup);
        ++selects;
    });
    QApplication::setActiveWindow(popup.Peer());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(selects, 1);
    EXPECT_FALSE(popup.Peer()->isVisible());
    EXPECT_FALSE(popup.OnSelect);
    EXPECT_EQ(s.Edit->GetText(), "αρχικό");
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() == s.Form.Peer()) {
        EXPECT_TRUE(s.Edit->Focused());
    }

    // Esc hides without a pick; so does Enter or Esc reaching the window itself.
    auto again = [&] {
        popup.PopupExt(s.Edit, -1, [&](TObject *) { ++selects; });
        QApplication::setActiveWindow(popup.Peer());
    };
    again();
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(popup.Peer()->isVisible());
    again();
    QTest::keyClick(popup.Peer(), Qt::Key_Return);
    EXPECT_EQ(selects, 2);
    EXPECT_FALSE(popup.Peer()->isVisible());
    EXPECT_EQ(selects, 2);

    // Another window of the program, or another application, becomes active: hidden, no pick.
    again();
    EXPECT_TRUE(popup.Peer()->isVisible());
    QApplication::setActiveWindow(s.Form.Peer());
    QCoreApplication::processEvents();
    EXPECT_FALSE(popup.Peer()->isVisible());
    EXPECT_FALSE(popup.OnSelect);
    EXPECT_TRUE(s.Edit->Focused());
    again();
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(popup.Peer()->isVisible());
    EXPECT_EQ(selects, 2);
}

TEST(ListBoxPopup, ClickWritesTheCodeWithItsBlankThenReportsAndHides)
{
    TListBoxPopup popup(nullptr);
    popup.ListBox1->Items()->SetStrings({"933110 (Τεχνίτης)", "10 (Bonus)", "ΧΩΡΙΣ"});
    Served s(40, 50, 260, 30);
    auto *box = new TXFrame(&s.Form);
    box->SetParent(&s.Form);
    box->SetBounds(0, 0, 200, 30);
    auto *panel = new TPanel(&s.Form);
    panel->SetParent(&s.Form);
    panel->SetBounds(200, 0, 60, 30);
    QListWidget *list = popup.ListBox1->ListWidget();
    auto click = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };

    QString seenInSelect;
    popup.PopupExt(box, -1, [&](TObject *) { seenInSelect = box->Caption(); });
    EXPECT_EQ(popup.ListBox1->ItemIndex(), -1);
    click(0);
    EXPECT_EQ(box->Caption(), "933110 ");
    EXPECT_EQ(seenInSelect, "933110 "); // the code is in the box before the callback runs
    EXPECT_FALSE(popup.Peer()->isVisible());

    // Opened again: nothing selected. A line without a blank writes the empty text.
    popup.PopupExt(box, -1, nullptr);
    EXPECT_EQ(popup.ListBox1->ItemIndex(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    click(2);
    EXPECT_EQ(box->Caption(), "");

    // An edit gets the code too; a panel gets nothing, but the pick is reported.
    popup.PopupExt(s.Edit, -1, nullptr);
    click(1);
    EXPECT_EQ(s.Edit->GetText(), "10 ");
    int selects = 0;
    popup.PopupExt(panel, -1, [&](TObject *) { ++selects; });
    click(1);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(panel->Caption(), "");
    EXPECT_FALSE(popup.Peer()->isVisible());

    // The keys move along the list without a pick, the first arrow to the first line; Enter picks the line
    // selected, as a click on it does.
    box->SetCaption("x");
    selects = 0;
    popup.PopupExt(box, -1, [&](TObject *) { ++selects; });
    QApplication::setActiveWindow(popup.Peer());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(popup.ListBox1->ItemIndex(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(popup.ListBox1->ItemIndex(), 1);
    EXPECT_TRUE(popup.Peer()->isVisible());
    EXPECT_EQ(box->Caption(), "x");
    EXPECT_EQ(selects, 0);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(box->Caption(), "10 ");
    EXPECT_EQ(selects, 1);
    EXPECT_FALSE(popup.Peer()->isVisible());
    // The first letters typed find a line; Esc gives it up.
    popup.PopupExt(box, -1, nullptr);
    QApplication::setActiveWindow(popup.Peer());
    list->setFocus();
    QTest::sendKeyEvent(QTest::Click, list, Qt::Key_unknown, QStringLiteral("Χ"), Qt::NoModifier);
    EXPECT_EQ(popup.ListBox1->ItemIndex(), 2);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(popup.Peer()->isVisible());
    EXPECT_EQ(box->Caption(), "10 ");
}

TEST(ListBoxPopup, ItemCode)
{
    EXPECT_EQ(ListItemCode("933110 (Τεχνίτης)"), "933110 ");
    EXPECT_EQ(ListItemCode("10 (Bonus)"), "10 ");
    EXPECT_EQ(ListItemCode("ΧΩΡΙΣ"), "");
    EXPECT_EQ(ListItemCode(" (κενό)"), " ");
}

TEST(PopupWin, ServesAModalWindowAndOutlivesIt)
{
    TListBoxPopup popup(nullptr);
    popup.ListBox1->Items()->SetStrings({"933110 (Τεχνίτης)", "933120 (Βοηθός Τεχνίτη)"});
    auto pick = [&](TEdit *edit, int row) {
        popup.PopupExt(edit, -1, nullptr);
        // Input reaches a window of the modal one.
        EXPECT_EQ(popup.Peer()->parentWidget(), QApplication::activeModalWidget());
        QListWidget *list = popup.ListBox1->ListWidget();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    {
        // A window run modally (shown as such here, without its own loop).
        Served dialog(60, 60);
        dialog.Form.Peer()->hide();
        dialog.Form.Peer()->setWindowModality(Qt::ApplicationModal);
        dialog.Form.Peer()->show();
        QApplication::setActiveWindow(dialog.Form.Peer());
        ASSERT_EQ(QApplication::activeModalWidget(), dialog.Form.Peer());
        pick(dialog.Edit, 1);
        EXPECT_EQ(dialog.Edit->GetText(), "933120 ");
        EXPECT_FALSE(popup.Peer()->isVisible());
    }
    // The modal window is gone, and the picker's window with it; the picker makes a new one.
    Served s(60, 60);
    pick(s.Edit, 0);
    EXPECT_EQ(s.Edit->GetText(), "933110 ");
    EXPECT_EQ(popup.Peer()->parentWidget(), nullptr);
}

// A box typed in place that a list serves, driven with the keys as a combo box is: the list gives the box the
// focus without opening its editor, and a pick ends the one that was open; a value picked is not typed over
// by a stray key, and Esc gives the editor back as it was left.
TEST(PopupWin, ABoxTypedInPlaceOpensItsListWithTheKeysAndAPickIsNotTypedOver)
{
    TListBoxPopup popup(nullptr);
    popup.ListBox1->Items()->SetStrings({"01 (Κανονική)", "02 (Έκτακτη)"});
    Served s(40, 50, 260, 30);
    auto *box = new TInplaceEditFrame(&s.Form);
    box->SetParent(&s.Form);
    box->SetBounds(0, 0, 200, 30);
    box->SetTabStop(true);
    box->OnClick = [&](TObject *) { popup.PopupExt(box, -1, nullptr); };
    if (QApplication::activeWindow() != s.Form.Peer())
        GTEST_SKIP() << "no keyboard focus on this platform";
    QListWidget *list = popup.ListBox1->ListWidget();
    const auto key = [](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
        QCoreApplication::processEvents();
    };
    const auto back = [&] {
        QApplication::setActiveWindow(s.Form.Peer());
        QCoreApplication::processEvents();
    };

    // Opened by a click: the box has the focus, without an editor; Enter in the list picks.
    box->Click();
    ASSERT_TRUE(popup.Peer()->isVisible());
    EXPECT_EQ(s.Form.Peer()->focusWidget(), box->Peer());
    EXPECT_FALSE(box->Editor());
    QApplication::setActiveWindow(popup.Peer());
    list->setFocus();
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    back();
    EXPECT_EQ(box->Caption(), "01 ");
    EXPECT_EQ(QApplication::focusWidget(), box->Peer());
    EXPECT_FALSE(box->Editor());
    // A stray key types nothing over it; Enter opens the list again, and Esc gives the focus back.
    QTest::keyClicks(box->Peer(), "5");
    EXPECT_EQ(box->Caption(), "01 ");
    EXPECT_FALSE(box->Editor());
    key(Qt::Key_Return);
    ASSERT_TRUE(popup.Peer()->isVisible());
    QApplication::setActiveWindow(popup.Peer());
    key(Qt::Key_Escape);
    back();
    EXPECT_FALSE(popup.Peer()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), box->Peer());
    EXPECT_FALSE(box->Editor());

    // From the editor: Alt+Down hands back what is typed and opens the list; Esc gives the editor back, the
    // caret after what was typed and nothing selected; F4 opens it again, and a pick ends the editor.
    box->DblClick();
    ASSERT_TRUE(box->Editor());
    QTest::keyClicks(QApplication::focusWidget(), "0");
    key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(popup.Peer()->isVisible());
    EXPECT_EQ(box->Caption(), "0");
    QApplication::setActiveWindow(popup.Peer());
    key(Qt::Key_Escape);
    back();
    ASSERT_TRUE(box->Editor());
    QLineEdit *edit = box->Editor()->LineEdit();
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(edit->text(), "0");
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(edit->cursorPosition(), 1);
    key(Qt::Key_F4);
    ASSERT_TRUE(popup.Peer()->isVisible());
    QApplication::setActiveWindow(popup.Peer());
    list->setFocus();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    back();
    EXPECT_EQ(box->Caption(), "02 ");
    EXPECT_FALSE(box->Editor());
    EXPECT_EQ(QApplication::focusWidget(), box->Peer());
    // Another control takes the focus: coming back by Tab opens the editor as ever.
    s.Edit->SetFocus();
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(box->Editor());
    EXPECT_EQ(box->Editor()->LineEdit()->selectedText(), "02 ");
}
