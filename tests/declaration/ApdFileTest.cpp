#include "declaration/ApdFile.h"
#include "vcl/CodePage.h"
#include "vcl/SysUtils.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <climits>
#include <clocale>
#include <cmath>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace
{

// A field of the given width, run through one writer; returned as text for readable failures.
template <typename Writer> QByteArray Field(int width, Writer writer)
{
    QByteArray field(width + 2, '#'); // guards on both sides catch writes outside the field
    writer(field.data() + 1, width);
    EXPECT_EQ(field.front(), '#');
    EXPECT_EQ(field.back(), '#');
    return field.mid(1, width);
}

// --- the declarations of the golden files (tests/declaration/golden/make_golden.py) -------------

struct THeaderValues {
    QString type = "01", branch = "052", branchName = "ΑΘΗΝΩΝ (Κ. ΜΕΡΟΣ)", surname = "ΠΑΠΑΔΟΠΟΥΛΟΣ",
            firstName = "ΓΕΩΡΓΙΟΣ", fatherName = "ΙΩΑΝΝΗΣ", street = "ΣΤΑΔΙΟΥ", number = "12Α", postcode = "105 64",
            city = "ΑΘΗΝΑ", kind = "ΑΝΕΓΕΡΣΗ ΤΡΙΩΡΟΦΗΣ ΟΙΚΟΔΟΜΗΣ", ame = "1234567", amoe = "98765", afm = "012345678",
            workStreet = "ΕΡΜΟΥ", workNumber = "5", workPostcode = "54624", workCity = "ΘΕΣΣΑΛΟΝΙΚΗ";
    TDateTime period = EncodeDate(2024, 2, 1);
    int64_t earnings = 0;
    int days = 0;
    int64_t contributions = 0;
    TDateTime submitted = EncodeDate(2024, 3, 15);
    TDateTime stopped = 0;
};

struct TLineValues {
    QString reg = "123", amka = "01017012345", surname = "ΝΙΚΟΛΑΟΥ", firstName = "ΚΩΣΤΑΣ", fatherName = "ΠΕΤΡΟΣ",
            motherName = "ΜΑΡΙΑ", birth = "1/1/1970", afm = "123456789";
    bool married = false;
    QString branch = "052", triennia = "2";
    int sundays = 1;
    QString specialty = "933110", insCase = "0", package = "1106";
    TDateTime from = EncodeDate(2024, 2, 1), until = EncodeDate(2024, 2, 29);
    QString type = "01";
    int days = 21;
    int64_t wage = 6150, earnings = 133763;
    QString phase = "1";
    int accDays = 0;
    int64_t insured = 21402, employer = 37060, total = 58462;
};

void FillHeader(TApdFile &file, const THeaderValues &h)
{
    char *r = file.HeaderRecord.data();
    PutDate(h.submitted, r + 567, 8);
    PutDate(h.stopped, r + 575, 8);
    PutDigits(h.type, r + 15, 2);
    PutDigits(h.branch, r + 17, 3);
    PutText(h.branchName, r + 20, 50, "Υποκατάστημα");
    PutText(h.surname, r + 70, 80, "Επωνυμία");
    PutText(h.firstName, r + 150, 30, "Όνομα");
    PutText(h.fatherName, r + 180, 30, "Όνομα πατρός");
    PutText(h.street, r + 210, 50, "Οδός");
    PutText(h.number, r + 260, 10, "Αριθμός");
    PutDigits(h.postcode, r + 270, 5);
    PutText(h.city, r + 275, 30, "Πόλη");
    PutText(h.kind, r + 305, 100, "Είδος έργου");
    PutDigits(h.ame, r + 405, 10);
    PutDigits(h.amoe, r + 415, 10);
    PutDigits(h.afm, r + 425, 9);
    PutText(h.workStreet, r + 434, 50, "Οδός έργου");
    PutText(h.workNumber, r + 484, 10, "Αριθμός έργου");
    PutDigits(h.workPostcode, r + 494, 5);
    PutText(h.workCity, r + 499, 30, "Πόλη έργου");
    PutText(FormatDateTime("mm", h.period), r + 529, 2, "Μήνας");
    PutText(FormatDateTime("yyyy", h.period), r + 531, 4, "Έτος");
    PutAmount(Currency::FromCents(h.earnings), r + 535, 12);
    PutInt(h.days, r + 547, 8);
    PutAmount(Currency::FromCents(h.contributions), r + 555, 12);
}

void AddLine(TApdFile &file, const TLineValues &l)
{
    TEmployeeRecord e;
    TInsuranceRecord i;
    char *er = e.data();
    char *ir = i.data();
    PutText("2", er, 1, "Εγγραφή");
    PutDigits(l.reg, er + 1, 9);
    PutDigits(l.amka, er + 10, 11);
    PutText(l.surname, er + 21, 50, "Επώνυμο");
    PutText(l.firstName, er + 71, 30, "Όνομα");
    PutText(l.fatherName, er + 101, 30, "Όνομα πατρός");
    PutText(l.motherName, er + 131, 30, "Όνομα μητρός");
    PutDateText(l.birth, er + 161, 8);
    PutDigits(l.afm, er + 169, 9);
    PutText(l.married ? "2" : "1", er + 178, 1, "Οικογενειακή κατάσταση");
    PutText("3", ir, 1, "Εγγραφή");
    PutDigits(l.branch, ir + 1, 3);
    PutDigits(l.triennia, ir + 4, 1);
    PutInt(l.sundays, ir + 5, 1);
    PutDigits(l.specialty, ir + 6, 6);
    PutDigits(l.insCase, ir + 12, 2);
    PutDigits(l.package, ir + 14, 4);
    PutDate(l.from, ir + 18, 8);
    PutDate(l.until, ir + 26, 8);
    PutDigits(l.type, ir + 34, 2);
    PutInt(l.days, ir + 36, 2);
    PutAmount(Currency::FromCents(l.wage), ir + 38, 10);
    PutAmount(Currency::FromCents(l.earnings), ir + 48, 10);
    PutDigits(l.phase, ir + 58, 2);
    PutInt(l.accDays, ir + 60, 2);
    PutAmount(Currency::FromCents(l.insured), ir + 62, 10);
    PutAmount(Currency::FromCents(l.employer), ir + 72, 10);
    PutAmount(Currency::FromCents(l.total), ir + 82, 11);
    file.AddRecord(e, i);
}

QByteArray Build(const THeaderValues &h, const std::vector<TLineValues> &lines)
{
    TApdFile file;
    FillHeader(file, h);
    for (const TLineValues &l : lines)
        AddLine(file, l);
    QByteArray bytes;
    file.WriteToStream(bytes);
    return bytes;
}

QByteArray Golden(const char *name)
{
    QFile f(QStringLiteral(APD_SOURCE_DIR "/tests/declaration/golden/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

TLineValues Line(auto change)
{
    TLineValues l;
    change(l);
    return l;
}

} // namespace

// --- field writers -------------------------------------------------------------------------------

TEST(FieldWriters, PlacingFillsAlignsAndCutsToTheLeftmostCharacters)
{
    EXPECT_EQ(Field(5, [](char *f, int w) { PutField("ab", f, w, ' ', TFieldAlignment::faLeft); }), "ab   ");
    EXPECT_EQ(Field(5, [](char *f, int w) { PutField("12", f, w, '0', TFieldAlignment::faRight); }), "00012");
    EXPECT_EQ(Field(3, [](char *f, int w) { PutField("12345", f, w, '0', TFieldAlignment::faRight); }), "123");
    EXPECT_EQ(Field(3, [](char *f, int w) { PutField("", f, w, '0', TFieldAlignment::faRight); }), "000");
    EXPECT_EQ(DigitsOnly("A1-2 b3"), "123");
    EXPECT_EQ(PadZeros("7", 3), "007");
    EXPECT_EQ(PadZeros("12345", 3), "12345");
}

TEST(FieldWriters, DigitsKeepOnlyAsciiDigitsInBothForms)
{
    EXPECT_EQ(Field(4, [](char *f, int w) { PutDigits(QStringLiteral("A12-B"), f, w); }), "0012");
    EXPECT_EQ(Field(4, [](char *f, int w) { PutDigits("A12-B", f, w); }), "0012");
    EXPECT_EQ(Field(4, [](char *f, int w) { PutDigits(static_cast<const char *>(nullptr), f, w); }), "0000");
    EXPECT_EQ(Field(9, [](char *f, int w) { PutDigits(QString(), f, w); }), "000000000");
    // Greek and full-width digits are not the file's digits.
    EXPECT_EQ(Field(3, [](char *f, int w) { PutDigits(QStringLiteral("Α１2"), f, w); }), "002");
    // Too wide: the leftmost digits stay.
    EXPECT_EQ(Field(1, [](char *f, int w) { PutDigits(QStringLiteral("12"), f, w); }), "1");
}

TEST(FieldWriters, IntegersLoseTheirSign)
{
    EXPECT_EQ(Field(2, [](char *f, int w) { PutInt(7, f, w); }), "07");
    EXPECT_EQ(Field(2, [](char *f, int w) { PutInt(-7, f, w); }), "07");
    EXPECT_EQ(Field(8, [](char *f, int w) { PutInt(0, f, w); }), "00000000");
    EXPECT_EQ(Field(10, [](char *f, int w) { PutInt(INT_MIN, f, w); }), "2147483648");
    EXPECT_EQ(Field(1, [](char *f, int w) { PutInt(12, f, w); }), "1");
}

TEST(FieldWriters, AmountsAreCentsWithoutSeparatorsOrSignAndTouchNoSetting)
{
    const QLocale localeBefore;
    const std::string decimalPointBefore = std::localeconv()->decimal_point;
    EXPECT_EQ(Field(10, [](char *f, int w) { PutAmount(Currency::FromDouble(1234.5L), f, w); }), "0000123450");
    EXPECT_EQ(Field(10, [](char *f, int w) { PutAmount(Currency(), f, w); }), "0000000000");
    EXPECT_EQ(Field(10, [](char *f, int w) { PutAmount(Currency::FromDouble(-61.5L), f, w); }), "0000006150");
    // Fractions of a cent round halves to even.
    EXPECT_EQ(Field(5, [](char *f, int w) { PutAmount(Currency::FromRaw(12350), f, w); }), "00124");
    EXPECT_EQ(Field(5, [](char *f, int w) { PutAmount(Currency::FromRaw(12250), f, w); }), "00122");
    // Amounts beyond any field: the full cents of the largest Currency, and the leftmost cut.
    EXPECT_EQ(Field(19, [](char *f, int w) { PutAmount(Currency::FromRaw(INT64_MIN), f, w); }), "0092233720368547758");
    EXPECT_EQ(Field(2, [](char *f, int w) { PutAmount(Currency::FromCents(5), f, w); }), "00");
    EXPECT_EQ(QLocale(), localeBefore);
    EXPECT_EQ(std::localeconv()->decimal_point, decimalPointBefore);
}

TEST(FieldWriters, DatesAreDayMonthYearOrZeros)
{
    EXPECT_EQ(Field(8, [](char *f, int w) { PutDate(EncodeDate(2003, 2, 1), f, w); }), "01022003");
    EXPECT_EQ(Field(8, [](char *f, int w) { PutDate(EncodeDate(2024, 12, 31) + 0.75, f, w); }), "31122024");
    EXPECT_EQ(Field(8, [](char *f, int w) { PutDate(0, f, w); }), "00000000");
    EXPECT_EQ(Field(8, [](char *f, int w) { PutDate(-3, f, w); }), "00000000");
    EXPECT_EQ(Field(8, [](char *f, int w) { PutDate(std::nan(""), f, w); }), "00000000");
    EXPECT_EQ(Field(8, [](char *f, int w) { PutDate(1e300, f, w); }), "00000000");
    EXPECT_EQ(Field(8, [](char *f, int w) { PutDate(HUGE_VAL, f, w); }), "00000000");
}

TEST(FieldWriters, DateTextIsBuiltFromItsParts)
{
    const auto dateText = [](const QString &text) {
        return Field(8, [&](char *f, int w) { PutDateText(text, f, w); });
    };
    EXPECT_EQ(dateText("1/2/2003"), "01022003");
    EXPECT_EQ(dateText("01022003"), "01022003");
    EXPECT_EQ(dateText("1/2/"), "01020000");
    EXPECT_EQ(dateText(""), "00000000");
    EXPECT_EQ(dateText("5/11/1970"), "05111970");
    EXPECT_EQ(dateText("05/11/1970/12"), "05111970"); // after the third part nothing counts
    EXPECT_EQ(dateText("a/b/c"), "00000000");
    EXPECT_EQ(dateText("123/4/2000"), "12304200"); // a long part is kept whole, then cut
}

TEST(FieldWriters, TextIsCp1253CutToItsFieldAndRefusedWhenItCannotBeHeld)
{
    const QString surname = QString(60, QChar(u'Α')).replace(49, 1, u'Ω');
    const QByteArray field = Field(50, [&](char *f, int w) { PutText(surname, f, w, "Επώνυμο"); });
    EXPECT_EQ(field, ToCp1253(surname.left(50)));
    EXPECT_EQ(Field(6, [](char *f, int w) { PutText("Άλφα", f, w, "x"); }), ToCp1253("Άλφα  "));
    // A line break would split the record in two.
    EXPECT_EQ(Field(6, [](char *f, int w) { PutText("α\r\nβ\tγ", f, w, "x"); }), ToCp1253("α  β γ"));

    char guard[12];
    std::memset(guard, '#', sizeof guard);
    try {
        PutText("ΠΑΠΑ€ → 😀", guard + 1, 10, "Επώνυμο");
        FAIL() << "text outside code page 1253 was accepted";
    } catch (const ECodePageError &e) {
        EXPECT_TRUE(e.Message().contains("Επώνυμο")) << e.what();
        EXPECT_TRUE(e.Message().contains("→")) << e.what();
    }
    EXPECT_EQ(QByteArray(guard, sizeof guard), QByteArray(12, '#')); // nothing written, no "?"
}

// --- collecting and ordering lines ---------------------------------------------------------------

TEST(ApdFileLines, KeepRuleDropsLinesWithoutRegisterNumberOrContributions)
{
    TApdFile file;
    AddLine(file, Line([](TLineValues &l) { l.reg = ""; }));
    AddLine(file, Line([](TLineValues &l) { l.reg = "000"; }));
    AddLine(file, Line([](TLineValues &l) { l.total = 0; }));
    AddLine(file, Line([](TLineValues &l) { l.total = 0, l.insured = 0, l.employer = 0; }));
    EXPECT_EQ(file.Count(), 0);
    // Nothing else is checked: a line with a register number and contributions is kept as it is.
    AddLine(file, Line([](TLineValues &l) { l.total = 1, l.days = 0, l.earnings = 0, l.from = 0; }));
    AddLine(file, Line([](TLineValues &l) { l.reg = "000000001"; }));
    EXPECT_EQ(file.Count(), 2);
    // A register number too wide for its field keeps its leftmost digits, and may then be all zeros.
    AddLine(file, Line([](TLineValues &l) { l.reg = "0000000001"; }));
    EXPECT_EQ(file.Count(), 2);
}

TEST(ApdFileLines, EqualLinesKeepTheOrderTheyWereAddedIn)
{
    TApdFile file;
    for (int i = 0; i < 40; ++i) // enough lines that an unstable sort would reorder them
        AddLine(file, Line([&](TLineValues &l) { l.reg = QString::number(i % 3), l.type = "01", l.days = i; }));
    file.SortRecords();
    int previousDays = -1;
    QByteArray previousReg;
    for (int i = 0; i < file.Count(); ++i) {
        const TApdFileRec &rec = file.Records(i);
        const QByteArray reg(rec.EmployeeRecord.data() + 1, 9);
        const int days = QByteArray(rec.InsuranceRecord.data() + 36, 2).toInt();
        if (reg == previousReg) {
            EXPECT_GT(days, previousDays);
        }
        previousReg = reg;
        previousDays = days;
    }
}

// --- whole files ---------------------------------------------------------------------------------

TEST(ApdFileGolden, DeclarationWithoutKeptLinesIs620Bytes)
{
    const QByteArray bytes =
        Build({}, {Line([](TLineValues &l) { l.reg = ""; }), Line([](TLineValues &l) { l.reg = "77", l.total = 0; })});
    EXPECT_EQ(bytes.size(), 620);
    EXPECT_TRUE(bytes.startsWith("10101CSC01   0101052"));
    EXPECT_TRUE(bytes.endsWith("\r\nEOF\r\n"));
    EXPECT_EQ(bytes, Golden("empty.csc01"));

    QByteArray blank;
    TApdFile().WriteToStream(blank);
    EXPECT_EQ(blank, "10101CSC01   01" + QByteArray(598, ' ') + "\r\nEOF\r\n");
}

TEST(ApdFileGolden, LinesOfOneRegisterNumberShareTheEmployeeRecordOfTheFirstSorted)
{
    THeaderValues h;
    h.earnings = 300000, h.days = 63, h.contributions = 150000;
    const QByteArray bytes = Build(
        h, {Line([](TLineValues &l) { l.reg = "123", l.type = "08", l.days = 20; }),
            Line([](TLineValues &l) { l.reg = "45", l.surname = "ΓΕΩΡΓΙΟΥ", l.married = true, l.type = "01"; }),
            Line([](TLineValues &l) { l.reg = "123", l.firstName = "ΚΩΝΣΤΑΝΤΙΝΟΣ", l.type = "01", l.days = 22; })});
    EXPECT_EQ(bytes.size(), 615 + 2 * 181 + 3 * 95 + 5);
    EXPECT_EQ(bytes, Golden("grouping.csc01"));
}

TEST(ApdFileGolden, EmploymentRecordsFollowInEarningsTypeOrder)
{
    std::vector<TLineValues> lines;
    int days = 1;
    for (const char *type : {"14", "01", "11", "08", "10", "09", "01"})
        lines.push_back(Line([&](TLineValues &l) { l.type = type, l.days = days++; }));
    const QByteArray bytes = Build({}, lines);
    EXPECT_EQ(bytes, Golden("earnings-order.csc01"));
    // Writing sorts in place; writing again gives the same bytes.
    TApdFile file;
    for (const TLineValues &l : lines)
        AddLine(file, l);
    QByteArray first, second;
    file.WriteToStream(first);
    file.WriteToStream(second);
    EXPECT_EQ(first, second);
}

TEST(ApdFileGolden, GreekTextIsCutToItsField)
{
    THeaderValues h;
    h.branchName = "ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ ΑΘΗΝΩΝ ΑΜΠΕΛΟΚΗΠΩΝ ΚΑΙ ΓΟΥΔΙΟΥ ΑΤΤΙΚΗΣ ΑΓ";
    h.kind = "Ανέγερση πενταώροφης οικοδομής με υπόγειο και πυλωτή, εργασίες σκυροδέτησης, "
             "τοιχοποιίας και επιχρισμάτων (ΐ ΰ ϊ ϋ)";
    const QByteArray bytes = Build(h, {Line([](TLineValues &l) {
                                       l.surname = "ΚΩΝΣΤΑΝΤΙΝΟΠΟΥΛΟΥ-ΠΑΠΑΔΗΜΗΤΡΟΠΟΥΛΟΥ-ΧΑΤΖΗΓΕΩΡΓΙΟΥ-ΑΒΓΕΡΙΝΟΥ";
                                       l.firstName = "Ευστάθιος";
                                       l.motherName = "Αϊκατερίνη-Ευφροσύνη της Ελευθερίας";
                                   })});
    EXPECT_EQ(bytes, Golden("greek-cut.csc01"));
    EXPECT_EQ(FromCp1253(bytes.mid(615 + 21, 50)), "ΚΩΝΣΤΑΝΤΙΝΟΠΟΥΛΟΥ-ΠΑΠΑΔΗΜΗΤΡΟΠΟΥΛΟΥ-ΧΑΤΖΗΓΕΩΡΓΙΟΥ-");
}

TEST(ApdFileGolden, MissingDatesAreZeroFilled)
{
    THeaderValues h;
    h.submitted = 0;
    const QByteArray bytes = Build(h, {Line([](TLineValues &l) { l.reg = "1", l.birth = "", l.from = 0, l.until = 0; }),
                                       Line([](TLineValues &l) { l.reg = "2", l.birth = "5/11/1970"; }),
                                       Line([](TLineValues &l) { l.reg = "3", l.birth = "1/2/", l.until = -5; })});
    EXPECT_EQ(bytes, Golden("zero-dates.csc01"));
}

// --- streams and files ---------------------------------------------------------------------------

TEST(ApdFileSave, WritesTheSameBytesToDevicesAndFilesAndReplacesAnOldFile)
{
    TApdFile file;
    FillHeader(file, {});
    AddLine(file, {});
    QByteArray expected;
    file.WriteToStream(expected);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    file.WriteToStream(buffer);
    EXPECT_EQ(buffer.data(), expected);

    QBuffer closed;
    EXPECT_THROW(file.WriteToStream(closed), EStreamError);

    QTemporaryDir dir;
    const QString path = dir.filePath("csc01");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    file.SaveToFile(path);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), expected);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"csc01"});
}

TEST(ApdFileSave, FailedWriteLeavesTheOldFileAndNamesThePath)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("csc01");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous declaration");
    old.close();

    TApdFile file;
    FillHeader(file, {});
    AddLine(file, {});

    // A medium that fills up: files may not grow beyond 100 bytes while the file is written.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString message;
    try {
        file.SaveToFile(path);
    } catch (const EFCreateError &e) {
        message = e.Message();
    }
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(message.toStdString(),
              (QStringLiteral("Αδυναμία δημιουργίας του αρχείου ") + QDir::toNativeSeparators(path) +
               QStringLiteral(": ο δίσκος είναι γεμάτος"))
                  .toStdString());
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "previous declaration");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"csc01"}); // no temporary file left

    // A folder that does not exist.
    const QString badPath = dir.filePath("missing/csc01");
    try {
        file.SaveToFile(badPath);
        FAIL() << "saving into a missing folder succeeded";
    } catch (const EFCreateError &e) {
        EXPECT_EQ(e.Message().toStdString(),
                  (QStringLiteral("Αδυναμία δημιουργίας του αρχείου ") + QDir::toNativeSeparators(badPath) +
                   QStringLiteral(": το αρχείο ή ο φάκελός του δεν υπάρχει"))
                      .toStdString());
    }
}
