#include "db/FilterExpr.h"
#include "db/GreekText.h"
#include "db/ParadoxImport.h"
#include "db/TableStore.h"
#include "support/ParadoxTestFiles.h"
#include "vcl/CodePage.h"
#include "vcl/Dialogs.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
// pxlib's header declares C functions without extern "C".
extern "C" {
#include <paradox.h>
}

namespace
{

std::vector<TStoredFieldDef> EmployerFields()
{
    return {{QStringLiteral("ΑΦΜ"), ftString, 9, true, 1},
            {QStringLiteral("ΕΠΩΝΥΜΙΑ"), ftString, 20, false, 2},
            {QStringLiteral("ΜΙΣΘΟΣ"), ftCurrency, 0, false, 3},
            {QStringLiteral("ΕΓΓΑΜΟΣ"), ftBoolean, 0, false, 4}};
}

std::vector<TStoredIndexDef> EmployerIndexes()
{
    return {{QStringLiteral("primary"), QStringLiteral("ΑΦΜ"), ixPrimary | ixUnique}};
}

} // namespace

TEST(GreekTextTest, FoldsCaseAccentsAndFinalSigma)
{
    EXPECT_EQ(GreekFold(QStringLiteral("ΆΛΦΑΣ Ϊόνιος")), QStringLiteral("αλφασ ιονιοσ"));
    EXPECT_TRUE(SameKeyText(QStringLiteral("εγγαμος"), QStringLiteral("ΕΓΓΑΜΟΣ"), true));
    EXPECT_FALSE(SameKeyText(QStringLiteral("εγγαμος"), QStringLiteral("ΕΓΓΑΜΟΣ"), false));
    EXPECT_TRUE(SameKeyText(QStringLiteral("933110 "), QStringLiteral("933110"), false));
    EXPECT_TRUE(StartsWithKeyText(QStringLiteral("Παπαδόπουλος"), QStringLiteral("ΠΑΠΑ"), true));
    // Alphabet order, not code order of accented letters; case only breaks ties.
    EXPECT_LT(GreekCompare(QStringLiteral("άλφα"), QStringLiteral("βήτα")), 0);
    EXPECT_LT(GreekCompare(QStringLiteral("Ωμέγα"), QStringLiteral("ωμέγας")), 0);
    EXPECT_LT(GreekCompare(QStringLiteral("ΑΒ"), QStringLiteral("αβ")), 0);
    EXPECT_EQ(GreekCompare(QStringLiteral("ΑΒ"), QStringLiteral("άβ  "), true), 0);
}

TEST(FilterTest, ParsesTheFilterBarTexts)
{
    TFilterCondition c;
    ASSERT_TRUE(ParseFilterText(QStringLiteral("[ΕΠΩΝΥΜΟ] = 'ΑΒΓ*'"), c));
    EXPECT_EQ(c.FieldName, QStringLiteral("ΕΠΩΝΥΜΟ"));
    EXPECT_EQ(c.Operator, foEqual);
    EXPECT_EQ(c.Value, QStringLiteral("ΑΒΓ*"));
    ASSERT_TRUE(ParseFilterText(QStringLiteral("[Α] <> 'O''Brien'"), c));
    EXPECT_EQ(c.Operator, foNotEqual);
    EXPECT_EQ(c.Value, QStringLiteral("O'Brien"));
    ASSERT_TRUE(ParseFilterText(QStringLiteral("[Α] >= '3'"), c));
    EXPECT_EQ(c.Operator, foGreaterEqual);
    EXPECT_TRUE(ParseFilterText(QStringLiteral("[Α] <= '3'"), c) && c.Operator == foLessEqual);
    EXPECT_TRUE(ParseFilterText(QStringLiteral("[Α] < '3'"), c) && c.Operator == foLess);
    EXPECT_TRUE(ParseFilterText(QStringLiteral("[Α] > '3'"), c) && c.Operator == foGreater);
    EXPECT_FALSE(ParseFilterText(QStringLiteral("[Α = '3'"), c));
    EXPECT_FALSE(ParseFilterText(QStringLiteral("[Α] = '3"), c));
    EXPECT_FALSE(ParseFilterText(QStringLiteral("[Α] ~ '3'"), c));
}

TEST(FilterTest, MatchesWithFoldingPrefixesAndTypes)
{
    const auto resolve = [](const QString &name, int &index, TFieldType &type) {
        if (name == u"Ν") {
            index = 0;
            type = ftString;
            return true;
        }
        if (name == u"Τ") {
            index = 1;
            type = ftSmallint;
            return true;
        }
        if (name == u"Β") {
            index = 2;
            type = ftBoolean;
            return true;
        }
        return false;
    };
    const TRowValues row{QStringLiteral("Παπαδάκης "), 3, false};
    EXPECT_TRUE(TCompiledFilter(QStringLiteral("[Ν] = 'ΠΑΠΑ*'"), true, true, resolve).Match(row));
    EXPECT_FALSE(TCompiledFilter(QStringLiteral("[Ν] = 'ΠΑΠΑ*'"), false, true, resolve).Match(row));
    EXPECT_FALSE(TCompiledFilter(QStringLiteral("[Ν] <> 'παπα*'"), true, true, resolve).Match(row));
    EXPECT_TRUE(TCompiledFilter(QStringLiteral("[Ν] = 'παπαδακης'"), true, true, resolve).Match(row));
    EXPECT_TRUE(TCompiledFilter(QStringLiteral("[Τ] > '2'"), true, true, resolve).Match(row));
    EXPECT_FALSE(TCompiledFilter(QStringLiteral("[Τ] >= '4'"), true, true, resolve).Match(row));
    EXPECT_TRUE(TCompiledFilter(QStringLiteral("[Β] = '0'"), true, true, resolve).Match(row));
    EXPECT_FALSE(TCompiledFilter(QStringLiteral("[Β] = '1'"), true, true, resolve).Match(row));
    // A value that does not convert, or an unknown field, leaves the filter off.
    const TCompiledFilter bad(QStringLiteral("[Τ] = 'abc'"), true, true, resolve);
    EXPECT_FALSE(bad.Active());
    EXPECT_TRUE(bad.Match(row));
    EXPECT_FALSE(TCompiledFilter(QStringLiteral("[Χ] = '1'"), true, true, resolve).Active());
}

TEST(TableStoreTest, CreatesLoadsAndSharesRows)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Employes.Db"));
    TTableStore::CreateFile(
        file, EmployerFields(), EmployerIndexes(),
        {{QStringLiteral("123"), QStringLiteral("Α"), QVariant::fromValue(Currency::FromCents(1025)), true}});
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("~Employes.Db.tmp"))));
    // Names resolve without regard to case, and a missing extension means ".db".
    EXPECT_EQ(TTableStore::ResolveFileName(dir.path(), QStringLiteral("employes.db")), file);
    EXPECT_TRUE(TTableStore::ResolveFileName(dir.path(), QStringLiteral("Payment")).endsWith(u"/Payment.db"));
    {
        auto a = TTableStore::Acquire(file);
        auto b = TTableStore::Acquire(dir.filePath(QStringLiteral("Employes.Db")));
        EXPECT_EQ(a.get(), b.get());
        ASSERT_EQ(a->FieldDefs().size(), 4u);
        EXPECT_EQ(a->FieldDefs()[2].DataType, ftCurrency);
        ASSERT_EQ(a->Rows().size(), 1u);
        EXPECT_EQ(a->Rows()[0]->Values[2].value<Currency>(), Currency::FromCents(1025));
        EXPECT_TRUE(TTableStore::IsInUse(file));
        EXPECT_THROW(TTableStore::DeleteFile(file), EDatabaseError);
        // Keys ignore trailing blanks; strings are cut to their size; required fields are enforced.
        EXPECT_THROW(a->Insert({QStringLiteral("123 "), {}, {}, {}}), EDatabaseError);
        EXPECT_THROW(a->Insert({QVariant(), QStringLiteral("Β"), {}, {}}), EDatabaseError);
        auto row = a->Insert({QStringLiteral("456"), QStringLiteral("ΠΟΛΥ ΜΑΚΡΥ ΟΝΟΜΑ ΕΤΑΙΡΕΙΑΣ"), 12.5, false});
        EXPECT_EQ(row->Values[1].toString().size(), 20);
        EXPECT_EQ(row->Values[2].value<Currency>(), Currency::FromCents(1250));
        EXPECT_THROW(a->Update(row, {QStringLiteral("123"), {}, {}, {}}), EDatabaseError);
        a->Update(row, {QStringLiteral("789"), {}, {}, {}});
        a->Delete(a->Rows()[0]);
    }
    EXPECT_FALSE(TTableStore::IsInUse(file));
    auto again = TTableStore::Acquire(file);
    ASSERT_EQ(again->Rows().size(), 1u);
    EXPECT_EQ(again->Rows()[0]->Values[0].toString(), QStringLiteral("789"));
    EXPECT_FALSE(again->Rows()[0]->Values[3].toBool());
}

TEST(TableStoreTest, RenameDeleteAndExists)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("A.db")), b = dir.filePath(QStringLiteral("backup of A.db"));
    TTableStore::CreateFile(a, EmployerFields(), EmployerIndexes());
    TTableStore::RenameFile(a, b);
    EXPECT_FALSE(TTableStore::Exists(a));
    EXPECT_EQ(TTableStore::Acquire(b)->FieldDefs().size(), 4u);
    TTableStore::CreateFile(a, EmployerFields(), {});
    EXPECT_THROW(TTableStore::RenameFile(a, b), EDatabaseError); // the target exists
    TTableStore::DeleteFile(a);
    EXPECT_FALSE(TTableStore::Exists(a));
}

TEST(TableStoreTest, DamagedOrForeignFilesAreReportedByNameAndLeftAlone)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("Employes.Db"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a table at all, just some text\n");
    }
    try {
        TTableStore::Acquire(text);
        FAIL();
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.Message().contains(u"κατεστραμμένο"));
        EXPECT_TRUE(e.Message().contains(u"Employes.Db"));
    }
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("not a table at all, just some text\n"));

    // A SQLite file that is not one of our tables, and a truncated table file.
    const QString other = dir.filePath(QStringLiteral("Other.db"));
    TTableStore::CreateFile(other, EmployerFields(), {});
    QFile g(other);
    ASSERT_TRUE(g.open(QIODevice::ReadWrite));
    const QByteArray head = g.read(200);
    g.resize(0);
    g.write(head);
    g.close();
    EXPECT_THROW(TTableStore::Acquire(other), EDatabaseError);
    EXPECT_THROW(TTableStore::Acquire(dir.filePath(QStringLiteral("Missing.db"))), EDatabaseError);
}

TEST(ParadoxImportTest, ConvertsAParadoxTableAndKeepsTheOriginal)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Employers.db"));
    const auto cp = [](const char *utf8) { return ToCp1253(QString::fromUtf8(utf8)); };
    const std::vector<TPxField> fields{{cp("ΚΩΔΙΚΟΣ"), pxfAlpha, 6},  {cp("ΤΡΙΕΤΙΕΣ"), pxfShort, 2},
                                       {cp("ΑΡΙΘΜΟΣ"), pxfLong, 4},   {cp("ΑΠΟΔΟΧΕΣ"), pxfCurrency, 8},
                                       {cp("ΠΟΣΟΣΤΟ"), pxfNumber, 8}, {cp("ΕΓΓΑΜΟΣ"), pxfLogical, 1},
                                       {cp("ΓΕΝΝΗΣΗ"), pxfDate, 4}};
    ASSERT_TRUE(WriteParadoxTable(file, fields, 1,
                                  {{cp("933110"), 2, -70000, 62.22, -1.5, false, QDate(1970, 5, 31)},
                                   {cp("ΑΒΓ"), 0, 0, 0.0, 19.45, true, QVariant()},
                                   {cp("Χ"), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}}));
    const QByteArray original = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    ASSERT_TRUE(IsParadoxFile(file));

    auto store = TTableStore::Acquire(file);
    ASSERT_EQ(store->FieldDefs().size(), 7u);
    EXPECT_EQ(store->FieldDefs()[0].Name, QStringLiteral("ΚΩΔΙΚΟΣ"));
    EXPECT_EQ(store->FieldDefs()[0].Size, 6);
    EXPECT_EQ(store->FieldDefs()[1].DataType, ftSmallint);
    EXPECT_EQ(store->FieldDefs()[2].DataType, ftInteger);
    EXPECT_EQ(store->FieldDefs()[3].DataType, ftCurrency);
    EXPECT_EQ(store->FieldDefs()[6].FieldNo, 7);
    ASSERT_EQ(store->IndexDefs().size(), 1u);
    EXPECT_EQ(store->IndexDefs()[0].Fields, QStringLiteral("ΚΩΔΙΚΟΣ"));
    ASSERT_EQ(store->Rows().size(), 3u);
    const TRowValues *r1 = nullptr, *r2 = nullptr, *r3 = nullptr;
    for (const auto &r : store->Rows()) {
        const QString k = r->Values[0].toString();
        (k == u"933110" ? r1 : k == u"ΑΒΓ" ? r2 : r3) = &r->Values;
    }
    ASSERT_TRUE(r1 && r2 && r3);
    EXPECT_EQ((*r1)[1].toInt(), 2);
    EXPECT_EQ((*r1)[2].toInt(), -70000);
    EXPECT_EQ((*r1)[3].value<Currency>(), Currency::FromCents(6222));
    EXPECT_DOUBLE_EQ((*r1)[4].toDouble(), -1.5);
    EXPECT_FALSE((*r1)[5].toBool());
    EXPECT_TRUE((*r1)[5].isValid());
    EXPECT_DOUBLE_EQ((*r1)[6].toDouble(), EncodeDate(1970, 5, 31));
    // Zero is a value, not a null, in 16- and 32-bit fields.
    EXPECT_TRUE((*r2)[1].isValid());
    EXPECT_EQ((*r2)[2].toInt(), 0);
    EXPECT_TRUE((*r2)[2].isValid());
    EXPECT_TRUE((*r2)[5].toBool());
    for (int i = 1; i < 7; ++i)
        EXPECT_FALSE((*r3)[i].isValid()) << i;
    // The original stays beside the converted table, byte for byte.
    QFile aside(TTableStore::ParadoxAsideName(file));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), original);
}

TEST(ParadoxImportTest, DamagedParadoxFilesAreReportedWithoutHangingOrCrashing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Payment.db"));
    const auto cp = [](const char *utf8) { return ToCp1253(QString::fromUtf8(utf8)); };
    ASSERT_TRUE(
        WriteParadoxTable(file, {{cp("ΚΩΔ"), pxfAlpha, 6}, {cp("Τ"), pxfShort, 2}}, 1, {{cp("A"), 1}, {cp("B"), 2}}));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    // Header bytes that send pxlib round a loop for ever.
    bytes[0x46] = char(0xE6);
    bytes[0x5C] = char(0xFF);
    bytes[0x5F] = char(0xA9);
    bytes[0x60] = char(0x7C);
    f.seek(0);
    f.write(bytes);
    f.close();
    QElapsedTimer timer;
    timer.start();
    EXPECT_THROW(ImportParadoxTable(file, dir.filePath(QStringLiteral("out.db")), 1500), EDatabaseError);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("out.db"))));

    // A block chain that loops or leaves the file is refused before pxlib sees it.
    bytes = QByteArray(bytes.size(), 0);
    ASSERT_TRUE(WriteParadoxTable(file, {{cp("ΚΩΔ"), pxfAlpha, 6}}, 0, {{cp("A")}}));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    bytes = f.readAll();
    const int header = static_cast<unsigned char>(bytes[2]) | (static_cast<unsigned char>(bytes[3]) << 8);
    bytes[header] = 1; // the first block names itself as the next one
    bytes[header + 1] = 0;
    f.seek(0);
    f.write(bytes);
    f.close();
    EXPECT_FALSE(HasSoundBlockChain(file));
    try {
        TTableStore::Acquire(file);
        FAIL();
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.Message().contains(u"Payment.db"));
    }
    EXPECT_TRUE(QFileInfo::exists(file)); // left where it was
    EXPECT_FALSE(QFileInfo::exists(TTableStore::ParadoxAsideName(file)));
}

namespace
{

// Sets the record count in a Paradox file's header (a little-endian 32-bit number at byte 6).
void SetHeaderRecordCount(const QString &file, quint32 count)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(6));
    const char bytes[4] = {char(count & 0xFF), char((count >> 8) & 0xFF), char((count >> 16) & 0xFF),
                           char((count >> 24) & 0xFF)};
    ASSERT_EQ(f.write(bytes, 4), 4);
}

} // namespace

TEST(ParadoxImportTest, RecordsAreCountedFromTheBlocksAndADamagedHeaderCountIsReported)
{
    QTemporaryDir dir;
    const auto cp = [](const QString &s) { return ToCp1253(s); };
    // Enough rows to fill several data blocks.
    std::vector<std::vector<QVariant>> rows;
    for (int i = 0; i < 300; ++i)
        rows.push_back({cp(QStringLiteral("%1").arg(100000 + i)), cp(QStringLiteral("ΕΠΩΝΥΜΟ %1").arg(i)), i % 7});
    const std::vector<TPxField> fields{{cp(QStringLiteral("ΚΩΔΙΚΟΣ")), pxfAlpha, 9},
                                       {cp(QStringLiteral("ΕΠΩΝΥΜΟ")), pxfAlpha, 60},
                                       {cp(QStringLiteral("ΤΡΙΕΤΙΕΣ")), pxfShort, 2}};
    const QString file = dir.filePath(QStringLiteral("Employers.db"));
    for (const quint32 claimed : {300u, 44u, 500u}) {
        SCOPED_TRACE(claimed);
        ASSERT_TRUE(WriteParadoxTable(file, fields, 1, rows));
        SetHeaderRecordCount(file, claimed);
        std::vector<TStoredFieldDef> f;
        std::vector<TStoredIndexDef> ix;
        std::vector<TRowValues> read;
        const TParadoxRecordCount count = ReadParadoxTable(file, f, ix, read);
        EXPECT_EQ(count.Read, 300);
        EXPECT_EQ(count.Claimed, claimed);
        ASSERT_EQ(read.size(), 300u);
        QSet<QString> codes;
        for (const TRowValues &r : read)
            codes.insert(r[0].toString());
        EXPECT_EQ(codes.size(), 300);
        EXPECT_TRUE(codes.contains(QStringLiteral("100299")));

        // Opened as a table: converted with every row, the user told of the two counts, the original aside.
        TScriptedDialogs dialogs;
        {
            auto store = TTableStore::Acquire(file);
            EXPECT_EQ(store->Rows().size(), 300u);
        }
        if (claimed == 300) {
            EXPECT_EQ(dialogs.Count(), 0);
        } else {
            ASSERT_EQ(dialogs.Count(), 1);
            EXPECT_EQ(dialogs.Requests()[0].DlgType, mtWarning);
            EXPECT_EQ(dialogs.Requests()[0].Msg,
                      QStringLiteral("Ο πίνακας Paradox \"Employers.db\" είναι κατεστραμμένος: η κεφαλίδα του δηλώνει "
                                     "%1 εγγραφές, ενώ τα μπλοκ δεδομένων του περιέχουν 300. Μεταφέρθηκαν οι 300 "
                                     "εγγραφές που διαβάστηκαν· ελέγξτε τα δεδομένα του πίνακα. Το αρχικό αρχείο "
                                     "φυλάχτηκε ως \"Employers.db.paradox\".")
                          .arg(claimed));
        }
        EXPECT_TRUE(IsParadoxFile(TTableStore::ParadoxAsideName(file)));
        ASSERT_TRUE(QFile::remove(file));
        ASSERT_TRUE(QFile::remove(TTableStore::ParadoxAsideName(file)));
    }
}
