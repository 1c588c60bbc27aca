#include "vcl/ComCtrls.h"
#include "vcl/ComponentStream.h"
#include "vcl/Dialogs.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"
#include "vcl/StdDialogs.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{
QAbstractButton *ButtonPeer(TControl *c)
{
    return static_cast<QAbstractButton *>(c->Peer());
}
} // namespace

TEST(StdButtons, RadioButtonsOfOneParentExcludeEachOtherAndClickWhenChecked)
{
    TForm form(nullptr);
    auto *group = new TGroupBox(&form);
    group->SetParent(&form);
    auto *a = new TRadioButton(&form);
    auto *b = new TRadioButton(&form);
    auto *other = new TRadioButton(&form);
    a->SetParent(group);
    b->SetParent(group);
    other->SetParent(&form);
    other->SetChecked(true);
    QList<TObject *> clicks;
    a->OnClick = [&](TObject *s) { clicks << s; };
    b->OnClick = [&](TObject *s) { clicks << s; };
    form.Show();

    a->SetChecked(true);
    ButtonPeer(b)->click();
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(ButtonPeer(a)->isChecked());
    // Another parent's radio button is another group.
    EXPECT_TRUE(other->Checked());
    // A click on the checked one changes nothing and clicks nothing.
    ButtonPeer(b)->click();
    EXPECT_TRUE(ButtonPeer(b)->isChecked());
    EXPECT_EQ(clicks, (QList<TObject *>{a, b}));
}

TEST(StdButtons, CheckBoxesButtonsAndTheModalResult)
{
    TForm form(nullptr);
    auto *check = new TCheckBox(&form);
    check->SetParent(&form);
    int checkClicks = 0;
    check->OnClick = [&](TObject *) { ++checkClicks; };
    check->SetChecked(true);
    ButtonPeer(check)->click();
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(checkClicks, 2);

    auto *ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetModalResult(mrOk);
    int okClicks = 0;
    ok->OnClick = [&](TObject *) { ++okClicks; };
    QTimer::singleShot(0, &form, [&] { ButtonPeer(ok)->click(); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(okClicks, 1);
}

TEST(StdButtons, DatePickerHoldsTheWholeDay)
{
    TDateTimePicker picker(nullptr);
    EXPECT_EQ(picker.Date(), Date());
    picker.SetDate(EncodeDate(2003, 1, 22) + 0.75);
    EXPECT_EQ(picker.Date(), EncodeDate(2003, 1, 22));
    EXPECT_EQ(picker.DateEdit()->text(), "22/01/2003");
    picker.DateEdit()->setDate(QDate(2024, 2, 29));
    EXPECT_EQ(picker.Date(), EncodeDate(2024, 2, 29));
}

TEST(StdButtons, DesignedControlsReadFromText)
{
    const QByteArray design = "object Form1: TForm\n"
                              "  object GroupBox1: TGroupBox\n"
                              "    Caption = 'Εκτύπωση'\n"
                              "    object CheckBox1: TCheckBox\n"
                              "      Caption = 'Συνοδευτικού εντύπου'\n"
                              "      Checked = True\n"
                              "    end\n"
                              "    object FontSize: TComboBox\n"
                              "      Text = '9'\n"
                              "      Items.Strings = (\n"
                              "        '8'\n"
                              "        '9')\n"
                              "    end\n"
                              "  end\n"
                              "  object Button1: TButton\n"
                              "    Caption = '&Άκυρο'\n"
                              "    Cancel = True\n"
                              "    ModalResult = 2\n"
                              "  end\n"
                              "  object DateTimePicker2: TDateTimePicker\n"
                              "    Date = 37643.0\n"
                              "  end\n"
                              "  object SaveDialog1: TSaveDialog\n"
                              "  end\n"
                              "end\n";
    TForm form(nullptr);
    ReadComponent(ObjectTextToBinary(design), &form);
    auto *check = qobject_cast<TCheckBox *>(form.FindComponent("CheckBox1"));
    auto *combo = qobject_cast<TComboBox *>(form.FindComponent("FontSize"));
    auto *button = qobject_cast<TButton *>(form.FindComponent("Button1"));
    auto *picker = qobject_cast<TDateTimePicker *>(form.FindComponent("DateTimePicker2"));
    ASSERT_TRUE(check && combo && button && picker);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(check->Parent()->Caption(), "Εκτύπωση");
    EXPECT_EQ(combo->GetText(), "9");
    EXPECT_EQ(combo->Items()->Count(), 2);
    EXPECT_EQ(button->ModalResult(), mrCancel);
    EXPECT_TRUE(button->Cancel());
    EXPECT_EQ(picker->Date(), EncodeDate(2003, 1, 22));
    EXPECT_NE(form.FindComponent("SaveDialog1"), nullptr);

    // Written back against a fresh form, only what the design set comes out.
    const QByteArray text = ObjectBinaryToText(WriteComponent(&form));
    EXPECT_TRUE(text.contains("Checked = True"));
    EXPECT_TRUE(text.contains("ModalResult = 2"));
    EXPECT_FALSE(text.contains("Default = "));
}

TEST(StdButtons, SaveDialogIsAnsweredByTheHandler)
{
    TSaveDialog dialog(nullptr);
    dialog.SetInitialDir("/tmp");
    dialog.SetFileName("CSC01");
    // Offscreen without a handler nothing can be chosen.
    EXPECT_FALSE(dialog.Execute());
    auto previous = SetCommonDialogHandler([](TComponent *Dialog) {
        auto *d = qobject_cast<TSaveDialog *>(Dialog);
        if (!d)
            return false;
        d->SetFileName(d->InitialDir() + "/" + d->FileName());
        return true;
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/tmp/CSC01");
    SetCommonDialogHandler(previous);
}
