#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(ComboBox, OnlyTheUsersActionsRaiseEventsAndTheSelectionKeepsItsText)
{
    TForm form(nullptr);
    TComboBox box(&form);
    box.SetParent(&form);
    box.SetStyle(csDropDownList);
    QStringList events;
    box.OnClick = [&](TObject *) { events << QStringLiteral("click"); };
    box.OnChange = [&](TObject *) { events << QStringLiteral("change"); };
    box.Items()->Add(QStringLiteral("ΑΓΑΜΟΣ"));
    box.SetText(QStringLiteral("ΕΓΓΑΜΟΣ")); // not in the list yet: nothing chosen
    EXPECT_EQ(box.ItemIndex(), -1);
    box.SetItemIndex(0);
    box.Items()->Insert(0, QStringLiteral("ΕΓΓΑΜΟΣ"));
    EXPECT_EQ(box.ItemIndex(), 1); // still on "ΑΓΑΜΟΣ"
    EXPECT_EQ(box.ComboBox()->currentIndex(), 1);
    EXPECT_TRUE(events.isEmpty());

    box.ComboBox()->setCurrentIndex(0);
    Q_EMIT box.ComboBox()->activated(0);
    EXPECT_EQ(events, (QStringList{"click", "change"}));
    EXPECT_EQ(box.GetText(), QStringLiteral("ΕΓΓΑΜΟΣ"));
    box.Items()->Clear();
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.GetText(), QString());

    // Editable: typing raises OnChange and keeps the text through a change of style and list.
    events.clear();
    box.SetStyle(csDropDown);
    QTest::keyClicks(box.ComboBox()->lineEdit(), QStringLiteral("ab"));
    EXPECT_EQ(events, (QStringList{"change", "change"}));
    EXPECT_EQ(box.GetText(), QStringLiteral("ab"));
    box.Items()->Add(QStringLiteral("ab"));
    EXPECT_EQ(box.ItemIndex(), 0);
    box.SetStyle(csDropDownList);
    EXPECT_EQ(box.GetText(), QStringLiteral("ab"));
    box.SetMaxWidth(100);
    box.SetWidth(300);
    EXPECT_EQ(box.Width(), 100);
}

TEST(CheckBox, ClickTogglesAndRaisesOnClickAsDoesSettingChecked)
{
    TForm form(nullptr);
    TCheckBox check(&form);
    check.SetParent(&form);
    check.SetCaption(QStringLiteral("Μόνο για Ανάγνωση"));
    int clicks = 0;
    check.OnClick = [&](TObject *) { ++clicks; };
    check.CheckBox()->click();
    EXPECT_TRUE(check.Checked());
    EXPECT_EQ(clicks, 1);
    check.SetChecked(false);
    EXPECT_FALSE(check.CheckBox()->isChecked());
    EXPECT_EQ(clicks, 2);
    check.SetChecked(false);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(check.CheckBox()->text(), QStringLiteral("Μόνο για Ανάγνωση"));
}
