#include "XForms/DbXForms.h"
#include "support/EmployeesTable.h"
#include "vcl/Forms.h"

#include <gtest/gtest.h>

namespace
{
class DbXFormsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        table = folder.Table();
        table->Open();
        source = new TDataSource(&folder.Owner);
        source->SetDataSet(table);
    }
    TDbLookupXFrame *Box(const QString &field, int group)
    {
        auto *b = new TDbLookupXFrame(&form);
        b->SetName(QStringLiteral("Box%1").arg(++count));
        b->SetParent(&form);
        b->SetDataSource(source);
        b->SetDataField(field);
        b->SetGroup(group);
        return b;
    }
    QString Current(const QString &field) { return table->FieldByName(field)->AsString(); }
    TEmployeesFolder folder;
    TTable *table = nullptr;
    TDataSource *source = nullptr;
    TForm form{nullptr};
    int count = 0;
};
} // namespace

TEST_F(DbXFormsTest, GroupLocatesByItsKeyBoxesAndAPickFillsTheWholeGroup)
{
    TDbLookupXFrame *key = Box(TEmployeesFolder::Register, 0);
    TDbLookupXFrame *name = Box(QStringLiteral("ΕΠΩΝΥΜΟ"), 0);
    TDbLookupXFrame *other = Box(QStringLiteral("ΟΝΟΜΑ"), 1);
    key->SetCaption(QStringLiteral("0000001014"));
    name->SetCaption(QStringLiteral("ό,τι να ναι")); // not an index field: not used to locate
    table->First();
    key->LocateCurrent(true);
    EXPECT_EQ(Current(TEmployeesFolder::Register), QStringLiteral("0000001014"));

    // A key that is only the beginning of a value, in another case, finds the first that begins with it.
    key->SetCaption(QStringLiteral("000000102"));
    name->LocateCurrent(true);
    EXPECT_EQ(Current(TEmployeesFolder::Register), QStringLiteral("0000001021"));

    // No match: the dataset stays where it was.
    key->SetCaption(QStringLiteral("999"));
    key->LocateCurrent(true);
    EXPECT_EQ(Current(TEmployeesFolder::Register), QStringLiteral("0000001021"));

    table->Last();
    name->UpdateFromDataSet(true);
    EXPECT_EQ(key->Caption(), QStringLiteral("0000001035"));
    EXPECT_EQ(name->Caption(), QStringLiteral("Ζαχαρίου"));
    EXPECT_EQ(name->Value().toString(), QStringLiteral("Ζαχαρίου"));
    EXPECT_EQ(other->Caption(), QString()); // another group
    EXPECT_EQ(Current(TEmployeesFolder::Register), QStringLiteral("0000001035"));
}

TEST_F(DbXFormsTest, UngroupedBoxLocatesByItsLastPickNotItsTypedText)
{
    TDbLookupXFrame *box = Box(QStringLiteral("ΕΠΩΝΥΜΟ"), -1);
    table->First();
    table->Next();
    table->Next();
    box->UpdateFromDataSet(true);
    EXPECT_EQ(box->Caption(), QStringLiteral("Γεωργίου"));
    box->SetEditText(QStringLiteral("Αλεξίου")); // typed: text only
    EXPECT_EQ(box->Caption(), QStringLiteral("Αλεξίου"));
    EXPECT_EQ(box->Value().toString(), QStringLiteral("Γεωργίου"));
    EXPECT_EQ(Current(QStringLiteral("ΕΠΩΝΥΜΟ")), QStringLiteral("Γεωργίου")); // the dataset did not move
    table->First();
    box->LocateCurrent(true);
    EXPECT_EQ(Current(QStringLiteral("ΕΠΩΝΥΜΟ")), QStringLiteral("Γεωργίου"));

    // An unknown field is ignored silently.
    box->SetDataField(QStringLiteral("ΧΧΧ"));
    EXPECT_NO_THROW(box->LocateCurrent(false));
    EXPECT_NO_THROW(box->UpdateFromDataSet(false));
    EXPECT_EQ(box->Caption(), QStringLiteral("Αλεξίου"));
}

TEST_F(DbXFormsTest, ChangesOfTheDataSetDoNotReachTheBoxAndAFreedSourceIsForgotten)
{
    TDbLookupXFrame *box = Box(QStringLiteral("ΕΠΩΝΥΜΟ"), -1);
    box->UpdateFromDataSet(false);
    const QString before = box->Caption();
    table->Last();
    table->Edit();
    table->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetAsString(QStringLiteral("Άλλος"));
    table->Post();
    EXPECT_EQ(box->Caption(), before);
    delete source;
    EXPECT_EQ(box->DataSource(), nullptr);
    EXPECT_EQ(box->Field(), nullptr);
    EXPECT_NO_THROW(box->LocateCurrent(true));
}
