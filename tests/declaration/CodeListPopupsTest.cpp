#include "XForms/XForms.h"
#include "declaration/PopupKodikosEidikotitasF.h"
#include "declaration/PopupTyposApodoxonF.h"
#include "declaration/TyposAPDPopupF.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace
{
QStringList Lines(TListBoxPopup &p)
{
    return p.ListBox1->Items()->ToStringList();
}
} // namespace

TEST(CodeListPopups, ListsAndSizesOfTheDesigns)
{
    TTyposAPDPopup types(nullptr);
    EXPECT_EQ(Lines(types), QStringList({"01 (Κανονική)", "02 (Έκτακτη)", "03 (Επανυποβολή)", "04 (Συμπληρωματική)"}));
    EXPECT_EQ(types.ClientHeight(), 61);
    TPopupTyposApodoxon earnings(nullptr);
    EXPECT_EQ(Lines(earnings),
              QStringList({"01 (Τακτικές Αποδοχές)", "08 (Αποδοχές Ασθενείας)", "09 (Αναδρομικές Αποδοχές)",
                           "10 (Bonus)", "11 (Υπερωρίες)", "14 (Λοιπές Αποδοχές)"}));
    EXPECT_EQ(earnings.ClientHeight(), 87);
    TPopupKodikosEidikotitas specialties(nullptr);
    EXPECT_EQ(Lines(specialties), QStringList({"933110 (Τεχνίτης)", "933120 (Βοηθός Τεχνίτη)", "933130 (Εργάτης)"}));
    EXPECT_EQ(specialties.ClientHeight(), 46);
    for (TListBoxPopup *p : std::initializer_list<TListBoxPopup *>{&types, &earnings, &specialties}) {
        EXPECT_EQ(p->ClientWidth(), 151);
        EXPECT_EQ(p->ListBox1->ItemHeight(), 13);
        EXPECT_EQ(p->ListBox1->Align(), alClient);
        EXPECT_EQ(p->FormStyle(), fsStayOnTop);
    }
}

TEST(CodeListPopups, PickingWritesTheCodeAndItsBlankAndReopensUnselected)
{
    TPopupTyposApodoxon picker(nullptr);
    TForm form(nullptr);
    form.SetBounds(60, 60, 200, 40);
    auto *box = new TXFrame(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 60, 20);
    box->SetCaption("01 ");
    form.Show();
    QApplication::setActiveWindow(form.Peer());
    int picks = 0;
    picker.PopupExt(box, 0, [&](TObject *) { ++picks; });
    QListWidget *list = picker.ListBox1->ListWidget();
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR"))
        picker.Peer()->grab().save(QDir(qEnvironmentVariable("APD_RENDER_DIR")).filePath("earnings-popup.png"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(box->Caption(), "10 ");
    EXPECT_EQ(picks, 1);
    EXPECT_FALSE(picker.Peer()->isVisible());

    // Shown again: nothing selected; Esc or another window leave the box as it is.
    picker.PopupExt(box, 0, [&](TObject *) { ++picks; });
    EXPECT_EQ(picker.ListBox1->ItemIndex(), -1);
    QApplication::setActiveWindow(picker.Peer());
    QTest::keyClick(list, Qt::Key_Escape);
    picker.PopupExt(box, 0, [&](TObject *) { ++picks; });
    QApplication::setActiveWindow(picker.Peer());
    QApplication::setActiveWindow(form.Peer());
    QCoreApplication::processEvents();
    EXPECT_FALSE(picker.Peer()->isVisible());
    EXPECT_EQ(box->Caption(), "10 ");
    EXPECT_EQ(picks, 1);
}
