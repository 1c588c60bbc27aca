#include "XForms/DataSetFilterFrameF.h"
#include "support/EmployeesTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// What a user's pick in a list does.
void Pick(TComboBox *box, const QString &text)
{
    const int at = box->Items()->IndexOf(text);
    ASSERT_GE(at, 0) << text.toStdString();
    box->ComboBox()->setCurrentIndex(at);
    Q_EMIT box->ComboBox()->activated(at);
}

// What typing into an editable box does (the old text selected and replaced).
void Type(TComboBox *box, const QString &text)
{
    QLineEdit *edit = box->ComboBox()->lineEdit();
    ASSERT_TRUE(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    TypeText(edit, text);
}

QStringList Surnames(TDataSet *t)
{
    QStringList out;
    for (t->First(); !t->Eof(); t->Next())
        out << t->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->AsString();
    return out;
}

class FilterFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        table = folder.Table();
        table->Open();
    }
    TEmployeesFolder folder;
    TTable *table = nullptr;
    TDataSetFilterFrame frame{nullptr};
};

} // namespace

TEST_F(FilterFrameTest, ListsTheIndexesAndSortsByTheChosenOne)
{
    frame.SetDataSet(table);
    EXPECT_EQ(frame.IndexCombo->Items()->ToStringList(),
              (QStringList{"(Κύρια:ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.)", "(Ονομαστικά:ΕΠΩΝΥΜΟ;ΟΝΟΜΑ)", "(Περιγραφη:ΠΕΡΙΓΡΑΦΗ)"}));
    EXPECT_EQ(frame.IndexCombo->ItemIndex(), 0);
    // Only data fields are offered for the filter, in field order, each with its field.
    EXPECT_EQ(frame.FieldsCombo->Items()->Count(), 7);
    EXPECT_EQ(frame.FieldsCombo->Items()->Objects(1), table->FindField(QStringLiteral("ΕΠΩΝΥΜΟ")));
    EXPECT_EQ(frame.FieldsCombo->ItemIndex(), -1);

    frame.IndexCombo->Peer();
    Pick(frame.IndexCombo, QStringLiteral("(Ονομαστικά:ΕΠΩΝΥΜΟ;ΟΝΟΜΑ)"));
    EXPECT_EQ(table->IndexFieldNames(), QStringLiteral("ΕΠΩΝΥΜΟ;ΟΝΟΜΑ"));
    EXPECT_EQ(Surnames(table).first(), QStringLiteral("Αλεξίου"));
    EXPECT_EQ(frame.DBGrid1->RowCount(), 6);

    // Setting the dataset again leaves exactly the six operators, "=" chosen.
    frame.SetDataSet(table);
    frame.SetDataSet(table);
    EXPECT_EQ(frame.FilterKindCombo->Items()->ToStringList(), (QStringList{"=", "<>", "<", ">", "<=", ">="}));
    EXPECT_EQ(frame.FilterKindCombo->ItemIndex(), 0);

    // A dataset that is not a table has no index list.
    frame.SetDataSet(nullptr);
    EXPECT_EQ(frame.IndexCombo->Items()->Count(), 0);
    EXPECT_EQ(frame.FieldsCombo->Items()->Count(), 0);
}

TEST_F(FilterFrameTest, WritesTheFilterOfFieldOperatorAndValue)
{
    frame.SetDataSet(table);
    frame.Peer();
    Pick(frame.FieldsCombo, QStringLiteral("ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(frame.FilterField(), table->FindField(QStringLiteral("ΕΠΩΝΥΜΟ")));
    EXPECT_FALSE(table->Filtered()); // no value yet
    Type(frame.FilterValueEdit, QStringLiteral("Γεω"));
    EXPECT_EQ(table->Filter(), QStringLiteral("[ΕΠΩΝΥΜΟ] = 'Γεω*'"));
    EXPECT_TRUE(table->Filtered());
    EXPECT_EQ(Surnames(table), QStringList{"Γεωργίου"});
    EXPECT_EQ(frame.DBGrid1->RowCount(), 1);

    Pick(frame.FilterKindCombo, QStringLiteral("<>"));
    EXPECT_EQ(table->Filter(), QStringLiteral("[ΕΠΩΝΥΜΟ] <> 'Γεω'"));
    EXPECT_EQ(frame.DBGrid1->RowCount(), 6);

    // A quote in the value is doubled, and read back as one when the bar is shown again.
    Pick(frame.FilterKindCombo, QStringLiteral("="));
    Type(frame.FilterValueEdit, QStringLiteral("O'B"));
    EXPECT_EQ(table->Filter(), QStringLiteral("[ΕΠΩΝΥΜΟ] = 'O''B*'"));
    TDataSetFilterFrame other(nullptr);
    other.SetDataSet(table);
    EXPECT_EQ(other.FieldsCombo->GetText(), QStringLiteral("ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(other.FilterKindCombo->GetText(), QStringLiteral("="));
    EXPECT_EQ(other.FilterValueEdit->GetText(), QStringLiteral("O'B"));

    // Clearing the value switches the filter off and keeps its text.
    Type(frame.FilterValueEdit, QString());
    EXPECT_FALSE(table->Filtered());
    EXPECT_EQ(table->Filter(), QStringLiteral("[ΕΠΩΝΥΜΟ] = 'O''B*'"));
}

TEST_F(FilterFrameTest, ShownFilterCanBeChangedWithoutChoosingTheFieldAgain)
{
    table->SetFilter(QStringLiteral("[ΕΠΩΝΥΜΟ] = 'Αλε*'"));
    table->SetFiltered(true);
    frame.SetDataSet(table);
    frame.Peer();
    EXPECT_EQ(frame.FieldsCombo->GetText(), QStringLiteral("ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(frame.FilterValueEdit->GetText(), QStringLiteral("Αλε"));
    Type(frame.FilterValueEdit, QStringLiteral("Βασ"));
    EXPECT_TRUE(table->Filtered());
    EXPECT_EQ(Surnames(table), QStringList{"Βασιλείου"});

    // A filter the bar cannot read shows as none and stays as it is.
    table->SetFilter(QStringLiteral("ΕΠΩΝΥΜΟ = x"));
    frame.SetDataSet(table);
    EXPECT_EQ(frame.FieldsCombo->ItemIndex(), -1);
    EXPECT_EQ(frame.FilterValueEdit->GetText(), QString());
    EXPECT_EQ(table->Filter(), QStringLiteral("ΕΠΩΝΥΜΟ = x"));
}

TEST_F(FilterFrameTest, BooleanFieldOffersYesAndNo)
{
    frame.SetDataSet(table);
    frame.Peer();
    Pick(frame.FieldsCombo, QStringLiteral("ΕΓΓΑΜΟΣ"));
    EXPECT_EQ(frame.FilterValueEdit->Style(), csDropDownList);
    EXPECT_EQ(frame.FilterValueEdit->Items()->ToStringList(), (QStringList{"ΝΑΙ", "ΟΧΙ"}));
    Pick(frame.FilterValueEdit, QStringLiteral("ΟΧΙ"));
    EXPECT_EQ(table->Filter(), QStringLiteral("[ΕΓΓΑΜΟΣ] = '0'"));
    EXPECT_TRUE(table->Filtered());
    EXPECT_EQ(table->RecordCount(), 3);
    Pick(frame.FilterValueEdit, QStringLiteral("ΝΑΙ"));
    EXPECT_EQ(table->Filter(), QStringLiteral("[ΕΓΓΑΜΟΣ] = '1'"));
    EXPECT_EQ(table->RecordCount(), 3);

    // Another field: an editable value again, empty, and the filter off.
    Pick(frame.FieldsCombo, QStringLiteral("ΤΡΙΕΤΙΕΣ"));
    EXPECT_EQ(frame.FilterValueEdit->Style(), csDropDown);
    EXPECT_EQ(frame.FilterValueEdit->GetText(), QString());
    EXPECT_FALSE(table->Filtered());
    Pick(frame.FilterKindCombo, QStringLiteral(">="));
    Type(frame.FilterValueEdit, QStringLiteral("2"));
    EXPECT_EQ(table->Filter(), QStringLiteral("[ΤΡΙΕΤΙΕΣ] >= '2'"));
    EXPECT_EQ(table->RecordCount(), 2);
}

TEST(FilterText, ParsesWhatTheBarWrites)
{
    QString name, value;
    int op = -1;
    EXPECT_TRUE(ParseFilter(QStringLiteral("[ΕΠΩΝΥΜΟ] = 'ΑΒΓ*'"), name, value, op));
    EXPECT_EQ(name, QStringLiteral("ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(value, QStringLiteral("ΑΒΓ"));
    EXPECT_EQ(op, 0);
    const std::pair<const char *, int> ops[] = {{"<>", 1}, {"<", 2}, {">", 3}, {"<=", 4}, {">=", 5}};
    for (auto [text, code] : ops) {
        EXPECT_TRUE(ParseFilter(QStringLiteral("[A] %1 'x'").arg(QLatin1String(text)), name, value, op));
        EXPECT_EQ(op, code) << text;
    }
    EXPECT_TRUE(ParseFilter(QStringLiteral("[A] = 'it''s'"), name, value, op));
    EXPECT_EQ(value, QStringLiteral("it's"));
    EXPECT_FALSE(ParseFilter(QStringLiteral("A = 'x'"), name, value, op));
    EXPECT_FALSE(ParseFilter(QStringLiteral("[A = 'x'"), name, value, op));
    EXPECT_FALSE(ParseFilter(QStringLiteral("[A] 'x'"), name, value, op));
    EXPECT_FALSE(ParseFilter(QStringLiteral("[A] = x"), name, value, op));
    EXPECT_FALSE(ParseFilter(QStringLiteral("[A] = '"), name, value, op));
    EXPECT_FALSE(ParseFilter(QStringLiteral("[A] = ''"), name, value, op));
    // The emptiness test comes before the "*" is taken off.
    EXPECT_TRUE(ParseFilter(QStringLiteral("[A] = '*'"), name, value, op));
    EXPECT_EQ(value, QString());
}

TEST(FilterText, BooleanTexts)
{
    QString t, f;
    EXPECT_TRUE(SplitDisplayValues(QStringLiteral("ΕΓΓΑΜΟΣ;ΑΓΑΜΟΣ"), t, f));
    EXPECT_EQ(t, QStringLiteral("ΕΓΓΑΜΟΣ"));
    EXPECT_EQ(f, QStringLiteral("ΑΓΑΜΟΣ"));
    EXPECT_FALSE(SplitDisplayValues(QStringLiteral("ΝΑΙ;"), t, f));
    EXPECT_FALSE(SplitDisplayValues(QStringLiteral("ΝΑΙ"), t, f));
    EXPECT_TRUE(t.isEmpty() && f.isEmpty());
    EXPECT_TRUE(SplitDisplayValues(QStringLiteral("a;") + QString(300, QLatin1Char('b')), t, f));
    EXPECT_EQ(f.size(), 255);

    TStringList items;
    QString tt, ff;
    FillBooleanItems(QStringLiteral("Ναι;"), &items, tt, ff);
    EXPECT_EQ(items.ToStringList(), (QStringList{"ΝΑΙ", "ΟΧΙ"}));
    items.Clear();
    tt = QStringLiteral("Σωστό");
    FillBooleanItems(QString(), &items, tt, ff);
    EXPECT_EQ(items.ToStringList(), (QStringList{"Σωστό", "ΟΧΙ"}));
    items.Clear();
    FillBooleanItems(QStringLiteral("Α;Β"), &items, tt, ff);
    EXPECT_EQ(items.ToStringList(), (QStringList{"Α", "Β"}));
}
