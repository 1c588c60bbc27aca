#include "db/DBCtrls.h"
#include "support/EmployeesTable.h"
#include "vcl/Dialogs.h"
#include "vcl/Forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace
{
class DBCtrlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        table = folder.Table();
        table->Open();
        source = new TDataSource(&form);
        source->SetDataSet(table);
        form.SetBounds(0, 0, 400, 300);
        form.Show();
        QApplication::setActiveWindow(form.Peer());
    }
    TField *F(const char16_t *name) { return table->FieldByName(QString::fromUtf16(name)); }
    TEmployeesFolder folder;
    TTable *table = nullptr;
    TDataSource *source = nullptr;
    TForm form{nullptr};
};
} // namespace

TEST_F(DBCtrlsTest, EditShowsTheFieldAndWritesTypedTextBack)
{
    auto *edit = new TDBEdit(&form);
    edit->SetParent(&form);
    edit->SetDataSource(source);
    edit->SetDataField(QStringLiteral("ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(edit->Field(), F(u"ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(edit->GetText(), QStringLiteral("Παπαδόπουλος"));
    table->Next();
    EXPECT_EQ(edit->GetText(), QStringLiteral("Αλεξίου"));

    edit->SetFocus();
    QLineEdit *line = edit->LineEdit();
    line->selectAll();
    TypeText(line, QStringLiteral("Ρήγας"));
    EXPECT_EQ(table->State(), dsEdit);
    EXPECT_EQ(edit->GetText(), QStringLiteral("Ρήγας"));
    EXPECT_EQ(F(u"ΕΠΩΝΥΜΟ")->AsString(), QStringLiteral("Αλεξίου")); // not yet written
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(F(u"ΕΠΩΝΥΜΟ")->AsString(), QStringLiteral("Ρήγας"));
    table->Post();
    EXPECT_EQ(table->State(), dsBrowse);
    table->First();
    table->Next();
    EXPECT_EQ(edit->GetText(), QStringLiteral("Ρήγας"));

    // Typing and then moving on posts the typed text with the record.
    line->selectAll();
    TypeText(line, QStringLiteral("Σούτσος"));
    table->Next();
    table->Prior();
    EXPECT_EQ(F(u"ΕΠΩΝΥΜΟ")->AsString(), QStringLiteral("Σούτσος"));

    // Read-only table: typing is undone.
    table->Close();
    table->SetReadOnly(true);
    table->Open();
    line->selectAll();
    TypeText(line, QStringLiteral("Χ"));
    EXPECT_EQ(table->State(), dsBrowse);
    EXPECT_EQ(edit->GetText(), QStringLiteral("Παπαδόπουλος"));

    delete source;
    EXPECT_EQ(edit->DataSource(), nullptr);
    EXPECT_EQ(edit->GetText(), QString());
}

TEST_F(DBCtrlsTest, CheckBoxAndComboBoxWriteTheirChoice)
{
    auto *check = new TDBCheckBox(&form);
    check->SetParent(&form);
    check->SetDataSource(source);
    check->SetDataField(QStringLiteral("ΕΓΓΑΜΟΣ"));
    EXPECT_TRUE(check->Checked());
    table->Next();
    EXPECT_FALSE(check->Checked());
    int clicks = 0;
    check->OnClick = [&](TObject *) { ++clicks; };
    check->CheckBox()->click();
    EXPECT_EQ(table->State(), dsEdit);
    EXPECT_TRUE(F(u"ΕΓΓΑΜΟΣ")->AsBoolean());
    EXPECT_EQ(clicks, 1);
    table->Post();

    auto *combo = new TDBComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDownList);
    combo->Items()->Add(QStringLiteral("Εργάτης 1"));
    combo->Items()->Add(QStringLiteral("Εργάτης 6"));
    combo->SetDataSource(source);
    combo->SetDataField(QStringLiteral("ΠΕΡΙΓΡΑΦΗ"));
    EXPECT_EQ(combo->GetText(), QString()); // "Εργάτης 5" is not in its list
    table->First();
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->ComboBox()->setCurrentIndex(0);
    Q_EMIT combo->ComboBox()->activated(0);
    EXPECT_EQ(F(u"ΠΕΡΙΓΡΑΦΗ")->AsString(), QStringLiteral("Εργάτης 1"));
    EXPECT_EQ(table->State(), dsEdit);
    table->Cancel();
    EXPECT_EQ(combo->GetText(), QStringLiteral("Εργάτης 6"));
}

TEST_F(DBCtrlsTest, NavigatorButtonsFollowTheStateAndAct)
{
    auto *nav = new TDBNavigator(&form);
    nav->SetParent(&form);
    nav->SetDataSource(source);
    nav->Hints()->SetText(QStringLiteral("Πρώτη εγγραφή\nΠροηγούμενη εγγραφή"));
    EXPECT_FALSE(nav->ButtonEnabled(nbFirst));
    EXPECT_TRUE(nav->ButtonEnabled(nbNext));
    EXPECT_FALSE(nav->ButtonEnabled(nbPost));
    nav->Button(nbLast)->click();
    EXPECT_EQ(table->RecNo(), 6);
    EXPECT_TRUE(nav->ButtonEnabled(nbPrior));
    EXPECT_FALSE(nav->ButtonEnabled(nbNext));
    EXPECT_EQ(nav->Button(nbFirst)->toolTip(), QStringLiteral("Πρώτη εγγραφή"));

    nav->BtnClick(nbEdit);
    EXPECT_EQ(table->State(), dsEdit);
    EXPECT_TRUE(nav->ButtonEnabled(nbPost));
    EXPECT_TRUE(nav->ButtonEnabled(nbCancel));
    EXPECT_FALSE(nav->ButtonEnabled(nbEdit));
    nav->BtnClick(nbCancel);
    EXPECT_EQ(table->State(), dsBrowse);

    // Delete asks first; Cancel keeps the record.
    {
        TScriptedDialogs dialogs({mrCancel, mrOk});
        nav->BtnClick(nbDelete);
        EXPECT_EQ(table->RecordCount(), 6);
        nav->BtnClick(nbDelete);
        EXPECT_EQ(table->RecordCount(), 5);
        EXPECT_EQ(dialogs.Count(), 2);
    }
    table->Close();
    table->SetReadOnly(true);
    table->Open();
    EXPECT_FALSE(nav->ButtonEnabled(nbInsert));
    EXPECT_FALSE(nav->ButtonEnabled(nbDelete));
    EXPECT_TRUE(nav->ButtonEnabled(nbRefresh));
}

TEST_F(DBCtrlsTest, ComboBoxOfABooleanFieldWithDisplayValues)
{
    static_cast<TBooleanField *>(F(u"ΕΓΓΑΜΟΣ"))->SetDisplayValues(QStringLiteral("ΕΓΓΑΜΟΣ;ΑΓΑΜΟΣ"));
    auto *combo = new TDBComboBox(&form);
    combo->SetParent(&form);
    combo->Items()->Add(QStringLiteral("ΑΓΑΜΟΣ"));
    combo->Items()->Add(QStringLiteral("ΕΓΓΑΜΟΣ"));
    combo->SetDataSource(source);
    combo->SetDataField(QStringLiteral("ΕΓΓΑΜΟΣ"));
    EXPECT_EQ(combo->GetText(), QStringLiteral("ΕΓΓΑΜΟΣ"));
    combo->ComboBox()->setCurrentIndex(0);
    Q_EMIT combo->ComboBox()->activated(0);
    EXPECT_FALSE(F(u"ΕΓΓΑΜΟΣ")->AsBoolean());
    table->Post();
    table->Next();
    table->Prior();
    EXPECT_EQ(combo->GetText(), QStringLiteral("ΑΓΑΜΟΣ"));
}
