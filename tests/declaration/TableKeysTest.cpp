// The keys of the reference tables: written out here as the tables are known to be keyed, and checked
// against the module's design, the tables it creates, the shipped tables and an installed table without them.
#include "DataModuleFixture.h"
#include "XForms/DataSetFilterFrameF.h"
#include "db/TableStore.h"

#include <QCoreApplication>

namespace
{

struct TExpectedIndex {
    const char *Name;
    const char *Fields;
    int Options;
};

const int PU = ixPrimary | ixUnique;

// How each table is keyed, independently of the module's own design.
const std::map<QString, std::vector<TExpectedIndex>> &ExpectedKeys()
{
    static const std::map<QString, std::vector<TExpectedIndex>> keys{
        {QStringLiteral("tbEmployes"), {{"tbEmployesIndex1", "ΑΦΜ", PU}, {"ΕΠΩΝΥΜΙΑ", "ΕΠΩΝΥΜΙΑ", 0}}},
        {QStringLiteral("tbEmployers"),
         {{"tbEmployersIndex1", "ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.", PU},
          {"Ονομαστικά", "ΕΠΩΝΥΜΟ;ΟΝΟΜΑ", ixCaseInsensitive},
          {"Περιγραφη", "ΠΕΡΙΓΡΑΦΗ", 0}}},
        {QStringLiteral("tbIkaOffices"), {{"primary", "ΚΩΔΙΚΟΣ", PU}, {"ΟΝΟΜΑΣΙΑ", "ΟΝΟΜΑΣΙΑ", 0}}},
        {QStringLiteral("tbInsCases"), {{"<primary>", "ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ", PU}}},
        {QStringLiteral("tbPayment"),
         {{"primary", "ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ;ΕΓΓΑΜΟΣ;ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ", PU},
          {"ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ", "ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ", 0},
          {"ΕΓΓΑΜΟΣ", "ΕΓΓΑΜΟΣ", 0},
          {"ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ", "ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ", 0},
          {"ΑΠΟΔΟΧΕΣ", "ΑΠΟΔΟΧΕΣ", 0}}},
        {QStringLiteral("tbConPhase"), {{"primary", "ΙΔΙΩΤΙΚΑ/ΔΗΜΟΣΙΑ ΕΡΓΑ;ΚΩΔΙΚΟΣ", PU}}},
    };
    return keys;
}

std::string Describe(const std::vector<TStoredIndexDef> &defs)
{
    QStringList out;
    for (const TStoredIndexDef &d : defs)
        out << QStringLiteral("%1(%2)#%3").arg(d.Name, d.Fields).arg(d.Options);
    return out.join(QStringLiteral(", ")).toStdString();
}

std::string Describe(const std::vector<TExpectedIndex> &defs)
{
    std::vector<TStoredIndexDef> stored;
    for (const TExpectedIndex &d : defs)
        stored.push_back({QString::fromUtf8(d.Name), QString::fromUtf8(d.Fields), d.Options});
    return Describe(stored);
}

std::vector<TStoredIndexDef> DesignedIndexes(TTable *t)
{
    std::vector<TStoredIndexDef> out;
    for (int i = 0; i < t->IndexDefs()->Count(); ++i) {
        const TIndexDef &d = (*t->IndexDefs())[i];
        out.push_back({d.Name, d.Fields, static_cast<int>(d.Options.toInt())});
    }
    return out;
}

std::vector<TTable *> DataTables(TAPDDataModule *m)
{
    return {m->tbEmployes, m->tbEmployers, m->tbIkaOffices, m->tbInsCases, m->tbPayment, m->tbConPhase};
}

using TableKeysTest = DataModuleFixture;

} // namespace

TEST_F(TableKeysTest, EveryTableIsDesignedCreatedAndShippedWithItsKeys)
{
    std::unique_ptr<TAPDDataModule> design(TAPDDataModule::CreateDesign(nullptr));
    MakeTables();
    const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/APDData"));
    for (TTable *t : DataTables(design.get())) {
        SCOPED_TRACE(t->Name().toStdString());
        const std::string expected = Describe(ExpectedKeys().at(t->Name()));
        EXPECT_EQ(Describe(DesignedIndexes(t)), expected);
        // The table the module creates from its design stores them.
        EXPECT_EQ(Describe(TTableStore::Acquire(TTableStore::ResolveFileName(Data, t->TableName()))->IndexDefs()),
                  expected);
        const QString shippedFile = TTableStore::ResolveFileName(shipped.path(), t->TableName());
        if (QFileInfo::exists(shippedFile)) {
            EXPECT_EQ(Describe(TTableStore::Acquire(shippedFile)->IndexDefs()), expected);
        }
    }
}

TEST_F(TableKeysTest, AnEmployeesTableWithoutItsKeysIsUpgradedAndDuplicatesStayInTheBackup)
{
    MakeTables(ReferenceRows());
    // The employees table as it was installed before: the fields of the design, no index, and a register
    // number entered twice.
    const QString file = QDir(Data).filePath(QStringLiteral("Employers.db"));
    std::vector<TStoredFieldDef> fields = TTableStore::Acquire(file)->FieldDefs();
    auto row = [&](const char *reg, const char *surname, double allowance) {
        TRowValues r(fields.size());
        r[0] = QString::fromUtf8(reg);
        r[2] = QString::fromUtf8(surname);
        r[10] = QStringLiteral("933110");
        r[13] = allowance;
        return r;
    };
    TTableStore::CreateFile(file, fields, {},
                            {row("123", "ΑΛΕΞΙΟΥ", 10.0), row("456", "ΒΑΣΙΛΕΙΟΥ", 0.0), row("123", "ΔΙΠΛΟΣ", 50.0)});
    const QByteArray before = FileBytes(QStringLiteral("Employers.db"));

    Answers = {mrOk, mrOk};
    StartModule();
    ASSERT_EQ(Asked.size(), 2u);
    EXPECT_TRUE(Asked[0].Msg.startsWith(QStringLiteral("Η δομή του πίνακα \"Employers.db\" άλλαξε.")));
    EXPECT_EQ(Asked[1].Msg, QStringLiteral("2 από τις 3 εγγραφές του πίνακα μετατράπηκαν επιτυχώς."));
    // The record that broke the key is in the backup, with the rest, as the table was.
    EXPECT_EQ(FileBytes(QStringLiteral("backup of Employers.db")), before);

    TTable *t = Module->tbEmployers;
    ASSERT_TRUE(t->Active());
    EXPECT_EQ(t->RecordCount(), 2);
    EXPECT_EQ(Describe(TTableStore::Acquire(file)->IndexDefs()), Describe(ExpectedKeys().at(QStringLiteral("tbEmployers"))));
    // One allowance per employee now, and a second record with a used number is refused.
    EXPECT_EQ(Module->EmployeeAllowance(QStringLiteral("933110"), QStringLiteral("123")),
              Module->AllowanceAmount(QStringLiteral("933110"), 10.0f));
    t->Append();
    t->FieldByName(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."))->SetAsString(QStringLiteral("456"));
    // The refusal names the table as the program's windows do, not by its file.
    try {
        t->Post();
        ADD_FAILURE() << "a second record with a used number was posted";
    } catch (const EDatabaseError &e) {
        EXPECT_EQ(
            e.Message(),
            QStringLiteral("Παραβίαση κλειδιού: υπάρχει ήδη εγγραφή με το ίδιο κλειδί στον πίνακα \"Εργαζόμενοι\"."));
    }
    t->Cancel();
    EXPECT_EQ(t->RecordCount(), 2);

    // The sort list of the employees' picker offers the three orders.
    {
        TDataSetFilterFrame frame(nullptr);
        frame.SetDataSet(t);
        const TStrings *orders = frame.IndexCombo->Items();
        ASSERT_EQ(orders->Count(), 3);
        EXPECT_EQ(orders->Strings(1), QStringLiteral("(Ονομαστικά:ΕΠΩΝΥΜΟ;ΟΝΟΜΑ)"));
    }

    // The next start finds the structure equal and asks nothing.
    Module.reset();
    Asked.clear();
    StartModule();
    EXPECT_TRUE(Asked.empty());
}
