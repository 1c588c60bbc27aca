#include "DataModuleFixture.h"
#include "db/DBCtrls.h"
#include "db/TableStore.h"
#include "support/ParadoxTestFiles.h"
#include "support/PrivateHome.h"
#include "vcl/CodePage.h"
#include "vcl/ComponentStream.h"

#include <QRegularExpression>
#include <sqlite3.h>

extern "C" {
#include <paradox.h>
}

namespace
{

using DataModuleTest = DataModuleFixture;

const QString Employes = QStringLiteral("Employes.Db");
const QString Employers = QStringLiteral("Employers.db");

// An employers table of an older layout: a longer tax number, the name under another name, the city
// under a name that differs only in case, and no postcode.
void MakeOldEmployes(const QString &data, const std::vector<TRowValues> &rows)
{
    TTableStore::CreateFile(QDir(data).filePath(Employes),
                            {{QStringLiteral("Α.Φ.Μ."), ftString, 12, true, 1},
                             {QStringLiteral("ΑΜΕ"), ftString, 10, false, 2},
                             {QStringLiteral("ΕΠΩΝΥΜΙΑ ΕΤΑΙΡΕΙΑΣ"), ftString, 80, false, 3},
                             {QStringLiteral("Πολη"), ftString, 20, false, 4}},
                            {{QStringLiteral("primary"), QStringLiteral("Α.Φ.Μ."), ixPrimary | ixUnique}}, rows);
}

std::vector<TRowValues> Rows(const QString &data, const QString &file)
{
    auto store = TTableStore::Acquire(QDir(data).filePath(file));
    std::vector<TRowValues> out;
    for (const auto &r : store->Rows())
        out.push_back(r->Values);
    return out;
}

} // namespace

TEST_F(DataModuleTest, EqualStructureOpensEverythingWithoutAQuestion)
{
    MakeTables(ReferenceRows());
    const QByteArray before = FileBytes(Employes);
    StartModule();
    EXPECT_TRUE(Asked.empty());
    for (TTable *t : {Module->tbEmployes, Module->tbEmployers, Module->tbIkaOffices, Module->tbInsCases,
                      Module->tbInsCasesLookUp, Module->tbPayment, Module->tbPaymentLookUp, Module->tbConPhase})
        EXPECT_TRUE(t->Active()) << t->Name().toStdString();
    EXPECT_FALSE(Module->tbTemp->Active());
    EXPECT_EQ(FileBytes(Employes), before);
    EXPECT_FALSE(QFileInfo::exists(QDir(Data).filePath(QStringLiteral("backup of Employes.Db"))));
    EXPECT_EQ(Module->DataFolder(), Dir.path() + QStringLiteral("/APDData"));
    EXPECT_EQ(Session()->NetFileDir(), Dir.path() + u'/');
    // The two lookup cursors share the rows of their tables.
    EXPECT_EQ(Module->tbInsCasesLookUp->RecordCount(), 2);
    EXPECT_EQ(Module->tbEmployers->RecordCount(), 3);
}

TEST_F(DataModuleTest, ShippedTablesReachTheUsersFolderAndANewerReferenceTableNeverTakesTheUsersOwn)
{
    // The tables that ship beside the program: the reference tables filled, the employees table empty.
    const QString shipped = Dir.filePath(QStringLiteral("shipped"));
    const QString user = Dir.filePath(QStringLiteral("user"));
    Data = shipped;
    QDir().mkpath(shipped);
    auto rows = ReferenceRows();
    rows.erase(QStringLiteral("tbEmployers"));
    MakeTables(rows);
    const auto start = [&] { Module = std::make_unique<TAPDDataModule>(nullptr, user, shipped); };
    const auto append = [](TTable *t, const QVariantList &values) {
        if (t->ReadOnly()) {
            t->Close();
            t->SetReadOnly(false);
        }
        t->Open();
        t->Append();
        for (int i = 0; i < values.size(); ++i)
            t->Fields().at(i)->SetValue(values[i]);
        t->Post();
    };
    const QDir userData(user + QStringLiteral("/APDData"));

    // First start: every table is brought into the user's folder, unasked.
    start();
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(Module->DataFolder(), userData.path());
    EXPECT_EQ(Module->tbPayment->RecordCount(), 5);
    EXPECT_EQ(Module->tbEmployers->RecordCount(), 0);
    // The user's work: an employee, and a construction phase of their own.
    append(Module->tbEmployers, {"123", QVariant(), QStringLiteral("ΑΛΕΞΙΟΥ")});
    append(Module->tbConPhase, {false, "11", QStringLiteral("ΦΑΣΗ ΤΟΥ ΧΡΗΣΤΗ")});
    Module.reset();

    // The same shipped tables at the next start: nothing is replaced.
    start();
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(Module->tbEmployers->RecordCount(), 1);
    EXPECT_EQ(Module->tbConPhase->RecordCount(), 1);
    Module.reset();

    // A newer program ships a newer wage table, a newer phase table, and (as never happens) employees.
    {
        std::unique_ptr<TAPDDataModule> design(TAPDDataModule::CreateDesign(nullptr));
        design->dbAPD->SetParamValue(QStringLiteral("PATH"), shipped);
        append(design->tbPayment, {"933130", false, 0, 50.10});
        append(design->tbConPhase, {false, "01", QStringLiteral("ΕΚΣΚΑΦΗ")});
        append(design->tbEmployers, {"999", QVariant(), QStringLiteral("ΑΠΟ ΤΟ ΠΡΟΓΡΑΜΜΑ")});
    }
    start();
    // The wage table the user never changed is replaced unasked; the phase table they changed is replaced
    // too, and they are told where their copy went.
    EXPECT_EQ(Module->tbPayment->RecordCount(), 6);
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].DlgType, mtInformation);
    EXPECT_EQ(Asked[0].Msg.toStdString(),
              "Ο πίνακας \"ConPhase.db\" αντικαταστάθηκε από τη νεότερη έκδοσή του που συνοδεύει το πρόγραμμα.\r\n"
              "Το αντίγραφο που χρησιμοποιούσατε, με όσες αλλαγές του κάνατε, φυλάχτηκε ως \"backup of ConPhase.db\".");
    ASSERT_TRUE(Module->tbConPhase->Locate(QStringLiteral("ΚΩΔΙΚΟΣ"), QStringLiteral("01"), 0));
    EXPECT_FALSE(Module->tbConPhase->Locate(QStringLiteral("ΚΩΔΙΚΟΣ"), QStringLiteral("11"), 0));
    EXPECT_EQ(Rows(userData.path(), QStringLiteral("backup of ConPhase.db")).size(), 1u);
    // The employees are the user's own, whatever ships.
    EXPECT_EQ(Module->tbEmployers->RecordCount(), 1);
    EXPECT_TRUE(Module->tbEmployers->Locate(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), QStringLiteral("123"), 0));
    Module.reset();

    // Once brought in, a version is not brought in again; the folder beside the program was only read.
    Asked.clear();
    const QStringList shippedFiles = QDir(shipped).entryList(QDir::Files);
    start();
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(Module->tbPayment->RecordCount(), 6);
    EXPECT_EQ(QDir(shipped).entryList(QDir::Files), shippedFiles);

    // The user changes the phases again, and a yet newer program ships yet newer ones: the copy they were
    // told of stays, and this one is kept beside it under the next number.
    append(Module->tbConPhase, {false, "12", QStringLiteral("ΑΛΛΗ ΦΑΣΗ ΤΟΥ ΧΡΗΣΤΗ")});
    Module.reset();
    {
        std::unique_ptr<TAPDDataModule> design(TAPDDataModule::CreateDesign(nullptr));
        design->dbAPD->SetParamValue(QStringLiteral("PATH"), shipped);
        append(design->tbConPhase, {false, "02", QStringLiteral("ΘΕΜΕΛΙΩΣΗ")});
    }
    start();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_TRUE(Asked[0].Msg.endsWith(QStringLiteral("φυλάχτηκε ως \"backup of ConPhase-2.db\".")))
        << Asked[0].Msg.toStdString();
    EXPECT_EQ(Module->tbConPhase->RecordCount(), 2);
    EXPECT_EQ(Rows(userData.path(), QStringLiteral("backup of ConPhase.db")).size(), 1u);
    EXPECT_EQ(Rows(userData.path(), QStringLiteral("backup of ConPhase-2.db")).size(), 2u);
    Module.reset();
}

// The record of the shipped versions is read before anything of it is used: a FIFO in its place would stop
// the start for good. It is refused at once and left as it is; the tables the data folder lacks are still
// brought in, and those in use stay as they are, since without the record a changed table cannot be told
// from an older version.
TEST_F(DataModuleTest, ARecordOfShippedTablesThatIsAFifoIsLeftAloneAndTheTablesInUseStay)
{
    const QString shipped = Dir.filePath(QStringLiteral("shipped"));
    const QString user = Dir.filePath(QStringLiteral("user"));
    const QString userData = user + QStringLiteral("/APDData");
    Data = shipped;
    QDir().mkpath(shipped);
    MakeTables(ReferenceRows());
    const QString record = QDir(userData).filePath(QStringLiteral("shipped-tables.ini"));
    QDir().mkpath(userData);
    // In use: an older wage table, no branch offices at all.
    Data = userData;
    MakeTables();
    QFile::remove(QDir(userData).filePath(QStringLiteral("IkaOffices.Db")));
    const QByteArray wages = FileBytes(QStringLiteral("Payment.db"));
    {
        TFifoWatch fifo({record});
        ASSERT_TRUE(fifo.Made());
        Module = std::make_unique<TAPDDataModule>(nullptr, user, shipped);
        EXPECT_TRUE(Module->tbIkaOffices->Active());
        EXPECT_EQ(Module->tbPayment->RecordCount(), 0);
        Module.reset();
        EXPECT_EQ(FileBytes(QStringLiteral("Payment.db")), wages);
        ASSERT_EQ(Asked.size(), 1u);
        EXPECT_EQ(Asked[0].Msg.toStdString(),
                  QStringLiteral("Το αρχείο %1 δεν διαβάζεται: είναι σωλήνωση (FIFO), όχι αρχείο.\r\nΤο πρόγραμμα "
                                 "συνεχίζει χωρίς αυτό, με τις προεπιλογές του, και αφήνει το αρχείο όπως είναι.")
                      .arg(record)
                      .toStdString());
        EXPECT_TRUE(fifo.StillThere());
        EXPECT_TRUE(fifo.Waited().isEmpty()) << fifo.Waited().join(u' ').toStdString();
    }
    // With the record gone, the next start brings the newer wage table in as before.
    Module = std::make_unique<TAPDDataModule>(nullptr, user, shipped);
    EXPECT_EQ(Module->tbPayment->RecordCount(), 5);
}

TEST_F(DataModuleTest, MissingDataFolderIsCreatedAndMissingTablesAreReported)
{
    QDir(Data).removeRecursively();
    StartModule();
    EXPECT_TRUE(QFileInfo(Data).isDir());
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].DlgType, mtError);
    EXPECT_TRUE(Asked[0].Msg.contains(Employes));
    EXPECT_FALSE(Module->tbEmployes->Active());
}

TEST_F(DataModuleTest, ConfirmedUpgradeKeepsABackupAndCopiesWhatConverts)
{
    MakeTables();
    // Two tax numbers that are equal in their first nine characters: the second is a key violation.
    MakeOldEmployes(
        Data, {{QStringLiteral("111111111"), QStringLiteral("A1"), QStringLiteral("ΑΛΦΑ"), QStringLiteral("ΑΘΗΝΑ")},
               {QStringLiteral("222222222"), QVariant(), QStringLiteral("ΒΗΤΑ"), QVariant()},
               {QStringLiteral("333333333001"), QVariant(), QStringLiteral("ΓΑΜΑ"), QVariant()},
               {QStringLiteral("333333333002"), QVariant(), QStringLiteral("ΔΕΛΤΑ"), QVariant()}});
    // An older backup of the same name is replaced.
    TTableStore::CreateFile(QDir(Data).filePath(QStringLiteral("backup of Employes.Db")),
                            {{QStringLiteral("X"), ftString, 1, false, 1}}, {});
    const QByteArray old = FileBytes(Employes);
    Answers = {mrOk, mrOk};
    StartModule();
    ASSERT_EQ(Asked.size(), 2u);
    EXPECT_EQ(Asked[0].Msg,
              QStringLiteral("Η δομή του πίνακα \"Employes.Db\" άλλαξε.\r\nΠατήστε Ok για να δημιουργηθεί "
                             "αντίγραφο ασφαλείας του πίνακα\r\nκαι να γίνει μετατροπή των εγγραφών στη νέα δομή."));
    EXPECT_EQ(Asked[0].DlgType, mtInformation);
    EXPECT_EQ(Asked[0].Buttons, TMsgDlgButtons({mbOK, mbCancel}));
    EXPECT_EQ(Asked[1].Msg, QStringLiteral("3 από τις 4 εγγραφές του πίνακα μετατράπηκαν επιτυχώς."));
    EXPECT_EQ(FileBytes(QStringLiteral("backup of Employes.Db")), old);
    EXPECT_FALSE(QFileInfo::exists(QDir(Data).filePath(QStringLiteral("upgrade of Employes.Db"))));

    TTable *t = Module->tbEmployes;
    ASSERT_TRUE(t->Active());
    EXPECT_FALSE(t->ReadOnly());
    EXPECT_EQ(t->RecordCount(), 3);
    ASSERT_TRUE(t->Locate(QStringLiteral("ΑΦΜ"), QStringLiteral("111111111"), 0));
    // The first field is copied by position, a renamed field loses its values without a question, and a
    // name that differs only in case still matches.
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΑΜΕ"))->AsString(), QStringLiteral("A1"));
    EXPECT_TRUE(t->FieldByName(QStringLiteral("ΕΠΩΝΥΜΙΑ"))->IsNull());
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΠΟΛΗ"))->AsString(), QStringLiteral("ΑΘΗΝΑ"));
    // The next start finds the structure equal.
    Module.reset();
    Asked.clear();
    StartModule();
    EXPECT_TRUE(Asked.empty());
}

TEST_F(DataModuleTest, RefusedUpgradeEndsTheProgramAndTouchesNothing)
{
    MakeTables();
    MakeOldEmployes(Data, {{QStringLiteral("1"), QVariant(), QVariant(), QVariant()}});
    const QByteArray old = FileBytes(Employes);
    Answers = {mrCancel};
    EXPECT_THROW(StartModule(), EHalt);
    EXPECT_EQ(FileBytes(Employes), old);
    EXPECT_EQ(QDir(Data).entryList(QDir::Files).size(), 6);
}

TEST_F(DataModuleTest, TypeChangeAsksPerFailingValueWithAbortAndIgnore)
{
    MakeTables();
    // Triennia stored as text in an older employees table.
    TTableStore::CreateFile(QDir(Data).filePath(Employers),
                            {{QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), ftString, 9, true, 1},
                             {QStringLiteral("ΕΠΩΝΥΜΟ"), ftString, 20, false, 2},
                             {QStringLiteral("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ"), ftString, 5, false, 3}},
                            {},
                            {{QStringLiteral("1"), QStringLiteral("Α"), QStringLiteral("2")},
                             {QStringLiteral("2"), QStringLiteral("Β"), QStringLiteral("δύο")},
                             {QStringLiteral("3"), QStringLiteral("Γ"), QStringLiteral("τρία")},
                             {QStringLiteral("4"), QStringLiteral("Δ"), QVariant()}});
    Answers = {mrOk, mrAbort, mrIgnore, mrOk};
    StartModule();
    ASSERT_EQ(Asked.size(), 4u);
    EXPECT_EQ(Asked[1].Msg, QStringLiteral("Could not convert ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ "));
    EXPECT_EQ(Asked[1].DlgType, mtWarning);
    EXPECT_EQ(Asked[1].Buttons, TMsgDlgButtons({mbAbort, mbIgnore}));
    EXPECT_EQ(Asked[3].Msg, QStringLiteral("3 από τις 4 εγγραφές του πίνακα μετατράπηκαν επιτυχώς."));
    const auto rows = Rows(Data, Employers);
    ASSERT_EQ(rows.size(), 3u);
    QStringList keys;
    for (const auto &r : rows)
        keys << r[0].toString() + u':' + r[9].toString();
    EXPECT_EQ(keys, (QStringList{"1:2", "3:", "4:"}));
}

TEST_F(DataModuleTest, FailedCopyLeavesTheOriginalTableInPlace)
{
    MakeTables();
    MakeOldEmployes(Data, {{QStringLiteral("1"), QVariant(), QVariant(), QVariant()}});
    TTableStore::CreateFile(QDir(Data).filePath(QStringLiteral("backup of Employes.Db")),
                            {{QStringLiteral("X"), ftString, 1, false, 1}}, {});
    const QByteArray old = FileBytes(Employes), oldBackup = FileBytes(QStringLiteral("backup of Employes.Db"));
    // The copy breaks off (here: at its closing message) after the new table was started.
    SetMessageDlgHandler([this](const TMessageDlgRequest &request) -> TModalResult {
        Asked.push_back(request);
        if (request.Msg.contains(u"μετατράπηκαν"))
            throw EDatabaseError(QStringLiteral("διακοπή"));
        return mrOk;
    });
    StartModule();
    EXPECT_EQ(FileBytes(Employes), old);
    EXPECT_EQ(FileBytes(QStringLiteral("backup of Employes.Db")), oldBackup);
    EXPECT_FALSE(QFileInfo::exists(QDir(Data).filePath(QStringLiteral("upgrade of Employes.Db"))));
    EXPECT_EQ(Asked.back().Msg, QStringLiteral("διακοπή.")); // shown by the default exception handler
    EXPECT_FALSE(Module->tbEmployes->Active());
}

TEST_F(DataModuleTest, DamagedTableIsReportedByNameAndNotOverwritten)
{
    MakeTables();
    QFile f(QDir(Data).filePath(Employers));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("garbage that is not a table");
    f.close();
    StartModule();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].DlgType, mtError);
    EXPECT_TRUE(Asked[0].Msg.contains(u"Employers.db"));
    EXPECT_TRUE(Asked[0].Msg.contains(u"κατεστραμμένο"));
    EXPECT_EQ(FileBytes(Employers), QByteArray("garbage that is not a table"));
    EXPECT_FALSE(QFileInfo::exists(QDir(Data).filePath(QStringLiteral("backup of Employers.db"))));
    EXPECT_FALSE(Module->tbEmployers->Active());
}

TEST_F(DataModuleTest, ParadoxTablesAreImportedAndCompared)
{
    // A table written by the engine and then replaced by a Paradox file is covered by the db tests; here
    // the structure comparison itself: positions, case and sizes count, Required does not.
    TFieldDefs a, b;
    a.Add(QStringLiteral("Α"), ftString, 5, true);
    b.Add(QStringLiteral("Α"), ftString, 5, false);
    EXPECT_TRUE(TAPDDataModule::SameFieldDefs(a, b));
    b[0].Size = 6;
    EXPECT_FALSE(TAPDDataModule::SameFieldDefs(a, b));
    b[0].Size = 5;
    b[0].Name = QStringLiteral("α");
    EXPECT_FALSE(TAPDDataModule::SameFieldDefs(a, b));
    b[0].Name = QStringLiteral("Α");
    b[0].FieldNo = 0; // no number counts its position
    EXPECT_TRUE(TAPDDataModule::SameFieldDefs(a, b));
    b.Add(QStringLiteral("Β"), ftDate);
    EXPECT_FALSE(TAPDDataModule::SameFieldDefs(a, b));

    // Indexes: name, fields and options of each, in order.
    TIndexDefs x, y;
    x.Add(QStringLiteral("primary"), QStringLiteral("Α"), ixPrimary | ixUnique);
    x.Add(QStringLiteral("Ονόματα"), QStringLiteral("Α;Β"), ixCaseInsensitive);
    y.Add(QStringLiteral("primary"), QStringLiteral("Α"), ixPrimary | ixUnique);
    EXPECT_FALSE(TAPDDataModule::SameIndexDefs(x, y));
    y.Add(QStringLiteral("Ονόματα"), QStringLiteral("Α;Β"), {});
    EXPECT_FALSE(TAPDDataModule::SameIndexDefs(x, y));
    y[1].Options = ixCaseInsensitive;
    EXPECT_TRUE(TAPDDataModule::SameIndexDefs(x, y));
    y[1].Fields = QStringLiteral("Β;Α");
    EXPECT_FALSE(TAPDDataModule::SameIndexDefs(x, y));
}

TEST_F(DataModuleTest, InsertIntoAFilteredTableRemovesTheFilter)
{
    MakeTables(ReferenceRows());
    StartModule();
    TTable *t = Module->tbEmployers;
    t->SetFilter(QStringLiteral("[ΕΠΩΝΥΜΟ] = 'ΒΑΣ*'"));
    t->SetFiltered(true);
    EXPECT_EQ(t->RecordCount(), 1);
    t->Append();
    EXPECT_FALSE(t->Filtered());
    t->FieldByName(QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."))->SetAsString(QStringLiteral("999"));
    t->Post();
    EXPECT_EQ(t->RecordCount(), 4);
    // The default expression gives new employees the unmarried flag.
    EXPECT_FALSE(t->FieldByName(QStringLiteral("ΕΓΓΑΜΟΣ"))->IsNull());
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΕΓΓΑΜΟΣ"))->DisplayText(), QStringLiteral("ΑΓΑΜΟΣ"));
}

TEST_F(DataModuleTest, ParadoxTablesOfTheEarlierProgramAreImportedThenChecked)
{
    MakeTables();
    const auto cp = [](const char *utf8) { return ToCp1253(QString::fromUtf8(utf8)); };
    const QString file = QDir(Data).filePath(Employes);
    QFile::remove(file);
    // The expected fields, and only the primary key (a Paradox table keeps its other indexes in files of
    // their own): imported, then given its indexes through the conversion.
    ASSERT_TRUE(WriteParadoxTable(
        file,
        {{cp("ΑΦΜ"), pxfAlpha, 9},
         {cp("ΑΜΕ"), pxfAlpha, 10},
         {cp("ΕΠΩΝΥΜΙΑ"), pxfAlpha, 80},
         {cp("ΟΔΟΣ"), pxfAlpha, 20},
         {cp("ΑΡΙΘΜΟΣ"), pxfAlpha, 5},
         {cp("ΠΟΛΗ"), pxfAlpha, 20},
         {cp("ΤΚ"), pxfAlpha, 5}},
        1, {{cp("094000000"), QVariant(), cp("ΟΙΚΟΔΟΜΙΚΗ Α.Ε."), QVariant(), QVariant(), cp("ΠΑΤΡΑ"), cp("26221")}}));
    // The employees table in an older layout: imported, then converted after the question.
    const QString employees = QDir(Data).filePath(Employers);
    QFile::remove(employees);
    ASSERT_TRUE(WriteParadoxTable(employees,
                                  {{cp("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."), pxfAlpha, 9},
                                   {cp("ΕΠΩΝΥΜΟ"), pxfAlpha, 20},
                                   {cp("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ"), pxfShort, 2},
                                   {cp("ΕΓΓΑΜΟΣ"), pxfLogical, 1}},
                                  1, {{cp("1234567"), cp("ΠΑΠΑΔΟΠΟΥΛΟΣ"), 0, true}}));
    const QByteArray original = FileBytes(Employers);
    Answers = {mrOk, mrOk, mrOk, mrOk};
    StartModule();
    ASSERT_EQ(Asked.size(), 4u);
    EXPECT_TRUE(Asked[0].Msg.contains(u"\"Employes.Db\""));
    EXPECT_EQ(Asked[1].Msg, QStringLiteral("1 από τις 1 εγγραφές του πίνακα μετατράπηκαν επιτυχώς."));
    EXPECT_TRUE(Asked[2].Msg.contains(u"\"Employers.db\""));
    EXPECT_EQ(Asked[3].Msg, QStringLiteral("1 από τις 1 εγγραφές του πίνακα μετατράπηκαν επιτυχώς."));
    EXPECT_EQ(FileBytes(QStringLiteral("Employers.db.paradox")), original);
    ASSERT_TRUE(Module->tbEmployes->Active());
    EXPECT_EQ(Module->tbEmployes->FieldByName(QStringLiteral("ΕΠΩΝΥΜΙΑ"))->AsString(),
              QStringLiteral("ΟΙΚΟΔΟΜΙΚΗ Α.Ε."));
    TTable *t = Module->tbEmployers;
    ASSERT_TRUE(t->Active());
    ASSERT_EQ(t->RecordCount(), 1);
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ"))->AsInteger(), 0);
    EXPECT_FALSE(t->FieldByName(QStringLiteral("ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ"))->IsNull());
    EXPECT_EQ(t->FieldByName(QStringLiteral("ΕΓΓΑΜΟΣ"))->DisplayText(), QStringLiteral("ΕΓΓΑΜΟΣ"));
}

TEST_F(DataModuleTest, DesignIsStreamedFromItsFormResource)
{
    std::unique_ptr<TAPDDataModule> design(TAPDDataModule::CreateDesign(nullptr));
    EXPECT_EQ(design->tbEmployers->FieldCount(), 17);
    TField *p = design->tbEmployers->FindField(QStringLiteral("p"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->FieldKind(), fkLookup);
    EXPECT_EQ(p->LookupDataSet(), design->tbPaymentLookUp);
    EXPECT_EQ(design->tbInsCases->TableType(), ttParadox);
    EXPECT_EQ(design->tbPayment->IndexDefs()->Count(), 5);
    EXPECT_EQ(design->dsEmployers->DataSet(), design->tbEmployers);
    EXPECT_EQ(FindGlobalComponent(QStringLiteral("APDDataModule")), design.get());
    // Written back, the design gives its text: every default is declared where it belongs.
    QFile f(QStringLiteral(APD_SOURCE_DIR "/resources/forms/APDDataModule.dfm"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray written = ObjectBinaryToText(WriteComponent(design.get()));
    EXPECT_EQ(written, f.readAll());
    // Kept for a look only when asked for: a test leaves nothing in the temporary folder.
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR")) {
        QFile out(QDir(qEnvironmentVariable("APD_RENDER_DIR")).filePath(QStringLiteral("APDDataModule.written.dfm")));
        if (out.open(QIODevice::WriteOnly))
            out.write(written);
    }
}

TEST_F(DataModuleTest, SpecialtyCodeIsEditedThroughTheModulesFieldEditor)
{
    MakeTables(ReferenceRows());
    StartModule();
    TField *code = Module->tbEmployers->FindField(QStringLiteral("ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"));
    ASSERT_TRUE(code);
    TFieldEditor *editor = nullptr;
    ASSERT_TRUE(FindFieldEditor(code, editor));
    EXPECT_EQ(editor, Module->FieldEditor1);
    // Another field of the same table has no editor of its own.
    TFieldEditor *none = nullptr;
    EXPECT_FALSE(FindFieldEditor(Module->tbEmployers->FindField(QStringLiteral("ΕΠΩΝΥΜΟ")), none));

    TComponent window(nullptr);
    TControl *control = editor->CreateControl(&window, nullptr);
    auto *edit = qobject_cast<TDBEdit *>(control);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Owner(), Module.get());
    // A click on it starts editing the current employee (the list itself needs the running program).
    ASSERT_EQ(Module->tbEmployers->State(), dsBrowse);
    edit->OnClick(edit);
    EXPECT_EQ(Module->tbEmployers->State(), dsEdit);
    Module->tbEmployers->Cancel();
    delete edit;
}

TEST_F(DataModuleTest, AValueThatIsNotOfItsFieldsKindIsReportedAsADamagedTable)
{
    struct TCase {
        const char *File;
        int Column, Row;
        const char *Stored; // an SQL literal
        const char *Message;
    };
    const TCase cases[] = {
        {"Payment.db", 4, 3, "'abc'",
         "Ο πίνακας \"Payment.db\" είναι κατεστραμμένος: στην εγγραφή 3 το πεδίο \"ΑΠΟΔΟΧΕΣ\" έχει την τιμή "
         "\"abc\", που δεν είναι ποσό."},
        {"InsCases.db", 5, 2, "'19,45%'",
         "Ο πίνακας \"InsCases.db\" είναι κατεστραμμένος: στην εγγραφή 2 το πεδίο \"ΕΙΣΦΟΡΑ ΕΡΓΟΔΟΤΗ\" έχει την "
         "τιμή \"19,45%\", που δεν είναι αριθμός."},
        {"Payment.db", 3, 1, "2.5",
         "Ο πίνακας \"Payment.db\" είναι κατεστραμμένος: στην εγγραφή 1 το πεδίο \"ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ\" έχει την "
         "τιμή \"2.5\", που δεν είναι ακέραιος αριθμός μέσα στα όρια του πεδίου."},
        {"Payment.db", 3, 1, "70000",
         "Ο πίνακας \"Payment.db\" είναι κατεστραμμένος: στην εγγραφή 1 το πεδίο \"ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ\" έχει την "
         "τιμή \"70000\", που δεν είναι ακέραιος αριθμός μέσα στα όρια του πεδίου."},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Message);
        Module.reset();
        Asked.clear();
        MakeTables(ReferenceRows());
        // The table edited outside the program.
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(QDir(Data).filePath(QString::fromUtf8(c.File))).constData(), &db),
                  SQLITE_OK);
        const QByteArray sql = "UPDATE apd_rows SET c" + QByteArray::number(c.Column) + "=" + c.Stored +
                               " WHERE Id=(SELECT Id FROM apd_rows ORDER BY Id LIMIT 1 OFFSET " +
                               QByteArray::number(c.Row - 1) + ")";
        EXPECT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_EQ(sqlite3_changes(db), 1);
        sqlite3_close(db);

        StartModule();
        ASSERT_EQ(Asked.size(), 1u);
        EXPECT_EQ(Asked[0].DlgType, mtError);
        EXPECT_EQ(Asked[0].Msg, QString::fromUtf8(c.Message));
        // No wage or rate is made up from it: the lookups fail instead of giving 0, naming the table as the
        // user knows it (its file), not the program's inner name for it.
        float employee = 0, employer = 0;
        try {
            Module->GetWage(QStringLiteral("933110"), QStringLiteral("0"), QStringLiteral("ΑΓΑΜΟΣ"));
            Module->GetContributionRates(QStringLiteral("781"), employee, employer);
            ADD_FAILURE() << "a lookup in the damaged table gave a value";
        } catch (const Exception &e) {
            // (a damaged table also leaves the tables after it closed: the message may name one of those)
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^Ο πίνακας \"[A-Za-z]+\\.[Dd]b\" δεν είναι ανοιχτός\\.$"))
                            .match(e.Message())
                            .hasMatch())
                << e.Message().toStdString();
        }
    }
}
