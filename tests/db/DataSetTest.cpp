#include "db/DBTables.h"
#include "db/TableStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

// A folder with one employees-like table, reached through a database component.
class DataSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db = new TDatabase(&owner);
        db->SetDatabaseName(QStringLiteral("TestDb"));
        db->SetParamValue(QStringLiteral("PATH"), dir.path());
        TTableStore::CreateFile(dir.filePath(QStringLiteral("People.db")),
                                {{QStringLiteral("ΚΩΔ"), ftString, 6, true, 1},
                                 {QStringLiteral("ΕΠΩΝΥΜΟ"), ftString, 20, false, 2},
                                 {QStringLiteral("ΤΡΙΕΤΙΕΣ"), ftSmallint, 0, false, 3},
                                 {QStringLiteral("ΕΓΓΑΜΟΣ"), ftBoolean, 0, false, 4},
                                 {QStringLiteral("ΜΙΣΘΟΣ"), ftCurrency, 0, false, 5}},
                                {{QStringLiteral("primary"), QStringLiteral("ΚΩΔ"), ixPrimary | ixUnique},
                                 {QStringLiteral("name"), QStringLiteral("ΕΠΩΝΥΜΟ"), ixCaseInsensitive}},
                                {{QStringLiteral("003"), QStringLiteral("Γεωργίου"), 1, true, 60.5},
                                 {QStringLiteral("001"), QStringLiteral("αλεξίου"), 0, false, 50.0},
                                 {QStringLiteral("002"), QStringLiteral("Βασιλείου"), 2, false, QVariant()}});
    }
    TTable *Table(const QString &name = QStringLiteral("People"))
    {
        auto *t = new TTable(&owner);
        t->SetName(QStringLiteral("tb") + QString::number(++count));
        t->SetDatabaseName(QStringLiteral("TestDb"));
        t->SetTableName(name);
        return t;
    }
    QStringList Codes(TDataSet *t)
    {
        QStringList out;
        for (t->First(); !t->Eof(); t->Next())
            out << t->FieldByName(QStringLiteral("ΚΩΔ"))->AsString();
        return out;
    }
    QTemporaryDir dir;
    TComponent owner{nullptr};
    TDatabase *db = nullptr;
    int count = 0;
};

} // namespace

TEST_F(DataSetTest, NavigatesInKeyOrderAndSortsByIndexFields)
{
    TTable *t = Table();
    t->Open();
    EXPECT_EQ(t->RecordCount(), 3);
    EXPECT_EQ(Codes(t), (QStringList{"001", "002", "003"}));
    EXPECT_TRUE(t->Eof());
    t->Last();
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΚΩΔ"))->AsString(), QStringLiteral("003"));
    t->Prior();
    t->Prior();
    t->Prior();
    EXPECT_TRUE(t->Bof());
    EXPECT_EQ(t->RecNo(), 1);
    EXPECT_EQ(t->MoveBy(5), 2);
    t->SetIndexFieldNames(QStringLiteral("ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(Codes(t), (QStringList{"001", "002", "003"})); // α < Β < Γ whatever the case
    t->SetIndexFieldNames(QStringLiteral("ΤΡΙΕΤΙΕΣ"));
    EXPECT_EQ(Codes(t), (QStringList{"001", "003", "002"}));
    // Display texts of the field kinds.
    t->First();
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΜΙΣΘΟΣ"))->AsString(), QStringLiteral("50"));
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΕΓΓΑΜΟΣ"))->AsString(), QStringLiteral("False"));
}

TEST_F(DataSetTest, FiltersWithTheFilterBarGrammar)
{
    TTable *t = Table();
    t->SetFilterOptions(foCaseInsensitive);
    t->Open();
    t->SetFilter(QStringLiteral("[ΕΠΩΝΥΜΟ] = 'ΑΛΕΞ*'"));
    t->SetFiltered(true);
    EXPECT_EQ(Codes(t), (QStringList{"001"}));
    t->SetFilter(QStringLiteral("[ΤΡΙΕΤΙΕΣ] >= '1'"));
    EXPECT_EQ(Codes(t), (QStringList{"002", "003"}));
    t->SetFilter(QStringLiteral("[ΕΓΓΑΜΟΣ] = '1'"));
    EXPECT_EQ(Codes(t), (QStringList{"003"}));
    // A value that does not convert leaves the filter off, silently.
    t->SetFilter(QStringLiteral("[ΤΡΙΕΤΙΕΣ] = 'δύο'"));
    EXPECT_EQ(t->RecordCount(), 3);
    t->SetFilter(QStringLiteral("[ΚΩΔ] <> '002'"));
    EXPECT_EQ(Codes(t), (QStringList{"001", "003"}));
    t->SetFiltered(false);
    EXPECT_EQ(t->RecordCount(), 3);
    // Switching the filter posts a pending change first.
    t->Locate(QStringLiteral("ΚΩΔ"), QStringLiteral("002"), 0);
    t->Edit();
    t->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetAsString(QStringLiteral("Βλάχου"));
    t->SetFiltered(false);
    EXPECT_EQ(t->State(), dsBrowse);
    EXPECT_EQ(t->Lookup(QStringLiteral("ΚΩΔ"), QStringLiteral("002"), QStringLiteral("ΕΠΩΝΥΜΟ")).toString(),
              QStringLiteral("Βλάχου"));
}

TEST_F(DataSetTest, EditsPostAndCancelThroughTheSharedRows)
{
    TTable *a = Table();
    TTable *b = Table(QStringLiteral("people.DB")); // same file, other cursor
    a->Open();
    b->Open();
    a->Edit();
    EXPECT_EQ(a->State(), dsEdit);
    a->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->SetAsString(QStringLiteral("Πολύ μακρύ επώνυμο που κόβεται"));
    EXPECT_EQ(a->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->AsString().size(), 20);
    a->Cancel();
    EXPECT_EQ(a->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ"))->AsString(), QStringLiteral("αλεξίου"));
    a->Append();
    a->FieldByName(QStringLiteral("ΚΩΔ"))->SetAsString(QStringLiteral("000"));
    a->FieldByName(QStringLiteral("ΤΡΙΕΤΙΕΣ"))->SetAsString(QStringLiteral("4"));
    EXPECT_THROW(a->FieldByName(QStringLiteral("ΤΡΙΕΤΙΕΣ"))->SetAsString(QStringLiteral("x")), EDatabaseError);
    a->Post();
    EXPECT_EQ(a->FieldByName(QStringLiteral("ΚΩΔ"))->AsString(), QStringLiteral("000"));
    EXPECT_EQ(a->RecNo(), 1);
    EXPECT_EQ(b->RecordCount(), 4);
    EXPECT_EQ(Codes(b).first(), QStringLiteral("000"));
    // Key violation and a required field keep the record in insert state.
    a->Insert();
    a->FieldByName(QStringLiteral("ΚΩΔ"))->SetAsString(QStringLiteral("001 "));
    EXPECT_THROW(a->Post(), EDatabaseError);
    EXPECT_EQ(a->State(), dsInsert);
    a->FieldByName(QStringLiteral("ΚΩΔ"))->Clear();
    EXPECT_THROW(a->Post(), EDatabaseError);
    a->Cancel();
    // Moving away posts a pending change.
    a->First();
    a->Edit();
    a->FieldByName(QStringLiteral("ΤΡΙΕΤΙΕΣ"))->SetAsInteger(9);
    a->Next();
    EXPECT_EQ(a->State(), dsBrowse);
    b->First();
    EXPECT_EQ(b->FieldByName(QStringLiteral("ΤΡΙΕΤΙΕΣ"))->AsInteger(), 9);
    b->Delete();
    EXPECT_EQ(a->RecordCount(), 3);
    a->Close();
    b->Close();
    // The file holds the changes.
    TTable *c = Table();
    c->Open();
    EXPECT_EQ(Codes(c), (QStringList{"001", "002", "003"}));
}

TEST_F(DataSetTest, ReadOnlyTablesRefuseChanges)
{
    TTable *t = Table();
    t->SetReadOnly(true);
    t->Open();
    EXPECT_FALSE(t->CanModify());
    EXPECT_THROW(t->Edit(), EDatabaseError);
    EXPECT_THROW(t->Append(), EDatabaseError);
    EXPECT_THROW(t->SetReadOnly(false), EDatabaseError); // open tables keep their mode
}

TEST_F(DataSetTest, LocateLookupAndBookmarks)
{
    TTable *t = Table();
    t->Open();
    EXPECT_TRUE(t->Locate(QStringLiteral("ΕΠΩΝΥΜΟ"), QStringLiteral("ΓΕΩΡ"), loCaseInsensitive | loPartialKey));
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΚΩΔ"))->AsString(), QStringLiteral("003"));
    EXPECT_FALSE(t->Locate(QStringLiteral("ΕΠΩΝΥΜΟ"), QStringLiteral("ΓΕΩΡ"), loCaseInsensitive));
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΚΩΔ"))->AsString(), QStringLiteral("003")); // not moved
    EXPECT_TRUE(t->Locate(QStringLiteral("ΤΡΙΕΤΙΕΣ;ΕΓΓΑΜΟΣ"), QVariantList{2, false}, 0));
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΚΩΔ"))->AsString(), QStringLiteral("002"));
    TBookmark b = t->GetBookmark();
    t->First();
    // Lookup keeps the record; string keys ignore trailing blanks; several results come as a list.
    EXPECT_EQ(t->Lookup(QStringLiteral("ΚΩΔ"), QStringLiteral("003 "), QStringLiteral("ΜΙΣΘΟΣ")).value<Currency>(),
              Currency::FromCents(6050));
    const QVariant both = t->Lookup(QStringLiteral("ΚΩΔ"), QStringLiteral("001"), QStringLiteral("ΤΡΙΕΤΙΕΣ;ΕΓΓΑΜΟΣ"));
    ASSERT_EQ(both.toList().size(), 2);
    EXPECT_FALSE(both.toList()[1].toBool());
    EXPECT_FALSE(t->Lookup(QStringLiteral("ΚΩΔ"), QStringLiteral("999"), QStringLiteral("ΜΙΣΘΟΣ")).isValid());
    EXPECT_EQ(t->RecNo(), 1);
    EXPECT_TRUE(t->BookmarkValid(b));
    t->GotoBookmark(b);
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΚΩΔ"))->AsString(), QStringLiteral("002"));
    t->Delete();
    EXPECT_FALSE(t->BookmarkValid(b));
    EXPECT_THROW(t->GotoBookmark(b), EDatabaseError);
    EXPECT_THROW(t->Locate(QStringLiteral("ΑΓΝΩΣΤΟ"), 1, 0), EDatabaseError);
}

TEST_F(DataSetTest, DataLinksFollowStateAndCountedDisabling)
{
    TTable *t = Table();
    auto *ds = new TDataSource(&owner);
    ds->SetDataSet(t);
    struct Link : TFieldDataLink {
        int changes = 0;
    } link;
    link.OnDataChange = [&](TFieldDataLink *) { ++link.changes; };
    link.SetDataSource(ds);
    link.SetFieldName(QStringLiteral("ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(link.Field(), nullptr);
    t->Open();
    ASSERT_NE(link.Field(), nullptr);
    EXPECT_TRUE(link.Active());
    link.changes = 0;
    t->DisableControls();
    t->DisableControls();
    t->Next();
    t->EnableControls();
    EXPECT_EQ(link.changes, 0);
    t->EnableControls();
    EXPECT_EQ(link.changes, 1);
    EXPECT_TRUE(link.Edit());
    EXPECT_TRUE(link.Editing());
    t->Cancel();
    EXPECT_FALSE(link.Editing());
    delete ds; // the link loses its source
    EXPECT_EQ(link.DataSource(), nullptr);
    EXPECT_FALSE(link.Active());
}

// A passive link (a box that does not follow the dataset) hears nothing, yet finds its field whenever asked,
// also after the table was closed and opened again, and forgets a source that goes.
TEST_F(DataSetTest, PassiveLinksHearNoEventsAndFindTheirFieldWhenAsked)
{
    TTable *t = Table();
    auto *ds = new TDataSource(&owner);
    ds->SetDataSet(t);
    struct Link : TFieldDataLink {
        int changes = 0;
    } active, passive;
    for (Link *l : {&active, &passive}) {
        l->OnDataChange = [l](TFieldDataLink *) { ++l->changes; };
        l->SetFieldName(QStringLiteral("ΕΠΩΝΥΜΟ"));
    }
    passive.SetPassive(true);
    active.SetDataSource(ds);
    passive.SetDataSource(ds);
    EXPECT_EQ(passive.Field(), nullptr);
    t->Open();
    ASSERT_NE(passive.Field(), nullptr);
    EXPECT_EQ(passive.Field(), t->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ")));
    active.changes = passive.changes = 0;
    t->Next();
    t->DisableControls();
    t->Lookup(QStringLiteral("ΚΩΔ"), QStringLiteral("001"), QStringLiteral("ΕΠΩΝΥΜΟ"));
    t->EnableControls();
    EXPECT_GE(active.changes, 2);
    EXPECT_EQ(passive.changes, 0);
    t->Close();
    EXPECT_EQ(passive.Field(), nullptr);
    t->Open();
    EXPECT_EQ(passive.Field(), t->FieldByName(QStringLiteral("ΕΠΩΝΥΜΟ")));
    // Turning passive later moves the link between the source's lists.
    active.SetPassive(true);
    active.changes = 0;
    t->Next();
    EXPECT_EQ(active.changes, 0);
    EXPECT_NE(active.Field(), nullptr);
    delete ds;
    EXPECT_EQ(passive.DataSource(), nullptr);
    EXPECT_EQ(active.DataSource(), nullptr);
    EXPECT_EQ(passive.Field(), nullptr);
}

TEST_F(DataSetTest, LookupAndCalculatedFields)
{
    TTableStore::CreateFile(dir.filePath(QStringLiteral("Rates.db")),
                            {{QStringLiteral("ΤΡΙΕΤΙΕΣ"), ftSmallint, 0, false, 1},
                             {QStringLiteral("ΕΓΓΑΜΟΣ"), ftBoolean, 0, false, 2},
                             {QStringLiteral("ΠΟΣΟ"), ftCurrency, 0, false, 3}},
                            {}, {{1, true, 10.0}, {2, false, 20.0}});
    TTable *rates = Table(QStringLiteral("Rates"));
    TTable *t = Table();
    for (const char *n : {"ΚΩΔ", "ΤΡΙΕΤΙΕΣ", "ΕΓΓΑΜΟΣ"}) {
        TField *f = CreateFieldOfType(
            QString::fromUtf8(n) == u"ΚΩΔ" ? ftString : (QString::fromUtf8(n) == u"ΕΓΓΑΜΟΣ" ? ftBoolean : ftSmallint),
            &owner);
        f->SetFieldName(QString::fromUtf8(n));
        f->SetDataSet(t);
    }
    auto *rate = new TCurrencyField(&owner);
    rate->SetFieldName(QStringLiteral("rate"));
    rate->SetFieldKind(fkLookup);
    rate->SetLookupDataSet(rates);
    rate->SetKeyFields(QStringLiteral("ΤΡΙΕΤΙΕΣ;ΕΓΓΑΜΟΣ"));
    rate->SetLookupKeyFields(QStringLiteral("ΤΡΙΕΤΙΕΣ;ΕΓΓΑΜΟΣ"));
    rate->SetLookupResultField(QStringLiteral("ΠΟΣΟ"));
    rate->SetDataSet(t);
    auto *twice = new TCurrencyField(&owner);
    twice->SetFieldName(QStringLiteral("twice"));
    twice->SetFieldKind(fkCalculated);
    twice->SetDataSet(t);
    t->OnCalcFields = [&](TDataSet *) { twice->SetAsCurrency(rate->AsCurrency() + rate->AsCurrency()); };
    rates->Open();
    t->Open();
    EXPECT_EQ(t->FieldCount(), 5);
    EXPECT_THROW(twice->SetAsCurrency(Currency()), EDatabaseError); // only in the calculation
    t->Locate(QStringLiteral("ΚΩΔ"), QStringLiteral("003"), 0);
    EXPECT_EQ(rate->AsCurrency(), Currency::FromInt(10));
    EXPECT_EQ(twice->AsCurrency(), Currency::FromInt(20));
    // Grids read other records without moving, calculated fields included.
    const int current = t->RecNo();
    EXPECT_EQ(t->RecordValue(0, twice).value<Currency>(), Currency());
    EXPECT_FALSE(t->RecordValue(0, rate).isValid());
    EXPECT_EQ(t->RecordValue(2, twice).value<Currency>(), Currency::FromInt(20));
    EXPECT_EQ(t->RecordText(0, t->FieldByName(QStringLiteral("ΚΩΔ"))), QStringLiteral("001"));
    EXPECT_EQ(t->RecordText(2, rate), QStringLiteral("10,00 €"));
    EXPECT_EQ(t->RecNo(), current);
    EXPECT_EQ(twice->AsCurrency(), Currency::FromInt(20));
    t->SetRecNo(1);
    EXPECT_TRUE(rate->IsNull());
    t->Edit();
    t->FieldByName(QStringLiteral("ΤΡΙΕΤΙΕΣ"))->SetAsInteger(2); // recomputed while editing
    EXPECT_EQ(twice->AsCurrency(), Currency::FromInt(40));
    t->Cancel();
}

TEST_F(DataSetTest, TableFilesAreCreatedRenamedAndDeletedByName)
{
    TTable *t = Table(QStringLiteral("New"));
    EXPECT_FALSE(t->Exists());
    t->FieldDefs()->Add(QStringLiteral("Α"), ftString, 5, true);
    t->FieldDefs()->Add(QStringLiteral("Β"), ftDate);
    t->IndexDefs()->Add(QStringLiteral("primary"), QStringLiteral("Α"), ixPrimary | ixUnique);
    t->CreateTable();
    EXPECT_TRUE(t->Exists());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("New.db"))));
    t->RenameTable(QStringLiteral("backup of New.db"));
    EXPECT_EQ(t->TableName(), QStringLiteral("backup of New.db"));
    t->FieldDefs()->Clear();
    t->FieldDefs()->Update();
    ASSERT_EQ(t->FieldDefs()->Count(), 2);
    EXPECT_EQ((*t->FieldDefs())[1].DataType, ftDate);
    EXPECT_EQ((*t->FieldDefs())[1].FieldNo, 2);
    t->Open();
    EXPECT_THROW(t->DeleteTable(), EDatabaseError);
    t->Close();
    t->DeleteTable();
    EXPECT_FALSE(t->Exists());
}

TEST(DisplayFormatTest, FormatsLikeTheDesignsAskWithGreekSeparators)
{
    EXPECT_EQ(FormatFloatText(QStringLiteral("#.000%"), 19.45L), QStringLiteral("19,450%"));
    EXPECT_EQ(FormatFloatText(QStringLiteral("#.000%"), 0.5L), QStringLiteral(",500%"));
    EXPECT_EQ(FormatFloatText(QStringLiteral("#,##0.00"), 1234567.125L), QStringLiteral("1.234.567,12"));
    EXPECT_EQ(FormatFloatText(QStringLiteral("0.##"), 2.5L), QStringLiteral("2,5"));
    EXPECT_EQ(FormatFloatText(QStringLiteral("0"), -3.5L), QStringLiteral("-4"));
}
