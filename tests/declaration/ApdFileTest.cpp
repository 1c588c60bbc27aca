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
    namespace H = ApdHeader;
    PutValue(r, H::SubmissionDate, h.submitted);
    PutValue(r, H::StopDate, h.stopped);
    PutValue(r, H::DeclarationType, h.type);
    PutValue(r, H::BranchCode, h.branch);
    PutValue(r, H::BranchName, h.branchName);
    PutValue(r, H::EmployerName, h.surname);
    PutValue(r, H::EmployerFirstName, h.firstName);
    PutValue(r, H::EmployerFatherName, h.fatherName);
    PutValue(r, H::Street, h.street);
    PutValue(r, H::StreetNumber, h.number);
    PutValue(r, H::Postcode, h.postcode);
    PutValue(r, H::City, h.city);
    PutValue(r, H::ProjectKind, h.kind);
    PutValue(r, H::Ame, h.ame);
    PutValue(r, H::Amoe, h.amoe);
    PutValue(r, H::Afm, h.afm);
    PutValue(r, H::ProjectStreet, h.workStreet);
    PutValue(r, H::ProjectNumber, h.workNumber);
    PutValue(r, H::ProjectPostcode, h.workPostcode);
    PutValue(r, H::ProjectCity, h.workCity);
    PutValue(r, H::Month, FormatDateTime("mm", h.period));
    PutValue(r, H::Year, FormatDateTime("yyyy", h.period));
    PutValue(r, H::EarningsTotal, Currency::FromCents(h.earnings));
    PutValue(r, H::DaysTotal, qint64(h.days));
    PutValue(r, H::ContributionsTotal, Currency::FromCents(h.contributions));
}

void AddLine(TApdFile &file, const TLineValues &l)
{
    TEmployeeRecord e;
    TInsuranceRecord i;
    char *er = e.data();
    char *ir = i.data();
    namespace E = ApdEmployee;
    namespace I = ApdInsurance;
    PutValue(er, E::RecordType, QStringLiteral("2"));
    PutValue(er, E::Register, l.reg);
    PutValue(er, E::Amka, l.amka);
    PutValue(er, E::Surname, l.surname);
    PutValue(er, E::FirstName, l.firstName);
    PutValue(er, E::FatherName, l.fatherName);
    PutValue(er, E::MotherName, l.motherName);
    PutValue(er, E::BirthDate, l.birth);
    PutValue(er, E::Afm, l.afm);
    PutValue(er, E::Married, QString(l.married ? "ΕΓΓΑΜΟΣ" : "ΑΓΑΜΟΣ"));
    PutValue(ir, I::RecordType, QStringLiteral("3"));
    PutValue(ir, I::Branch, l.branch);
    PutValue(ir, I::Triennia, l.triennia);
    PutValue(ir, I::Sundays, qint64(l.sundays));
    PutValue(ir, I::Specialty, l.specialty);
    PutValue(ir, I::SpecialCase, l.insCase);
    PutValue(ir, I::Package, l.package);
    PutValue(ir, I::From, l.from);
    PutValue(ir, I::Until, l.until);
    PutValue(ir, I::EarningsType, l.type);
    PutValue(ir, I::Days, qint64(l.days));
    PutValue(ir, I::Wage, Currency::FromCents(l.wage));
    PutValue(ir, I::Earnings, Currency::FromCents(l.earnings));
    PutValue(ir, I::Phase, l.phase);
    PutValue(ir, I::AccountingDays, qint64(l.accDays));
    PutValue(ir, I::Insured, Currency::FromCents(l.insured));
    PutValue(ir, I::Employer, Currency::FromCents(l.employer));
    PutValue(ir, I::Total, Currency::FromCents(l.total));
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

    // Refused, naming the field and the character: text outside the code page, and the bytes the code page
    // leaves undefined (read from a damaged document they stand for themselves, but they are no text).
    const std::pair<QString, QString> refused[] = {{"ΠΑΠΑ€ → 😀", "«→»"},
                                                   {FromCp1253(ToCp1253("ΕΡΓΟ ") + '\xAA'), "0xAA"},
                                                   {FromCp1253(ToCp1253("ΕΡΓΟ ") + '\xD2'), "0xD2"},
                                                   {FromCp1253(ToCp1253("ΕΡΓΟ ") + '\xFF'), "0xFF"},
                                                   {FromCp1253(ToCp1253("ΕΡΓΟ ") + '\x81'), "0x81"},
                                                   {FromCp1253(ToCp1253("ΕΡΓΟ ") + '\x88'), "0x88"},
                                                   {FromCp1253(ToCp1253("ΕΡΓΟ ") + '\x8A'), "0x8A"}};
    for (const auto &[text, said] : refused) {
        char guard[12];
        std::memset(guard, '#', sizeof guard);
        try {
            PutText(text, guard + 1, 10, "Επώνυμο");
            ADD_FAILURE() << "written: " << said.toStdString();
        } catch (const ECodePageError &e) {
            EXPECT_TRUE(e.Message().contains("Επώνυμο")) << e.what();
            EXPECT_TRUE(e.Message().contains(said)) << e.what();
        }
        EXPECT_EQ(QByteArray(guard, sizeof guard), QByteArray(12, '#')); // nothing written, no "?"
    }
}

// --- the layout and the check before writing -----------------------------------------------------

TEST(ApdFileLayout, TheFieldsOfEachRecordFollowOneAnotherToItsEnd)
{
    const std::pair<TApdRecordKind, int> records[] = {{TApdRecordKind::rkHeader, HeaderRecordSize},
                                                      {TApdRecordKind::rkEmployee, EmployeeRecordSize},
                                                      {TApdRecordKind::rkInsurance, InsuranceRecordSize}};
    for (const auto &[record, size] : records) {
        int next = 0;
        for (const TApdField *f : RecordLayout(record)) {
            SCOPED_TRACE(f->Name().toStdString());
            EXPECT_EQ(f->Record, record);
            EXPECT_EQ(f->Offset, next);
            EXPECT_GT(f->Width, 0);
            EXPECT_FALSE(f->Name().isEmpty());
            next = f->Offset + f->Width;
        }
        EXPECT_EQ(next, size);
    }
}

TEST(ApdFileLayout, ValuesAreCheckedAsTheirFieldsWriteThem)
{
    const auto ok = [](const TApdField &f, const TApdValue &v) { return FieldProblem(f, v).isEmpty(); };
    // Digits fields: digits only, blanks aside (a picked code ends in one, a postcode is written 176 71).
    EXPECT_TRUE(ok(ApdHeader::Afm, QStringLiteral("094000000")));
    EXPECT_TRUE(ok(ApdHeader::Postcode, QStringLiteral("176 71")));
    EXPECT_TRUE(ok(ApdInsurance::Specialty, QStringLiteral("933110 ")));
    EXPECT_TRUE(ok(ApdEmployee::Register, QString()));
    for (const char *bad : {"12345678X", "12-34", "12.34", "1\t2", "１２", "Ο12"})
        EXPECT_EQ(FieldProblem(ApdHeader::Afm, QString::fromUtf8(bad)), "το πεδίο του αρχείου δέχεται μόνο ψηφία")
            << bad;
    EXPECT_EQ(FieldProblem(ApdEmployee::Amka, QStringLiteral("12345678Д")), "το πεδίο του αρχείου δέχεται μόνο ψηφία");
    EXPECT_EQ(FieldProblem(ApdHeader::Afm, QStringLiteral("0123456789")), "το πεδίο του αρχείου χωράει 9 ψηφία");
    // Date texts: a real calendar date, day and month in one or two digits, the year in four; or none.
    for (const char *date : {"5/11/1970", "05/11/1970", " 5/11/1970 ", "29/02/2000", ""})
        EXPECT_TRUE(ok(ApdEmployee::BirthDate, QString::fromUtf8(date))) << date;
    // (Each of these was written as another date, or as none: 01010070, 31021980, 19800000, 01010000.)
    for (const char *date : {"5.11.1970", "a/b/c", "123/4/2000", "05/11/1970/12", "5/11/19700", "1/1/70", "31/02/1980",
                             "29/02/1900", "1980", "01/01/", "00/00/0000", "01/01/0050", "01022003", "1/2/"})
        EXPECT_EQ(FieldProblem(ApdEmployee::BirthDate, QString::fromUtf8(date)),
                  "δεν είναι ημερομηνία του ημερολογίου γραμμένη ηη/μμ/εεεε")
            << date;
    // The marital status is one of the two words, exactly as the file codes them.
    EXPECT_TRUE(ok(ApdEmployee::Married, QStringLiteral("ΑΓΑΜΟΣ")));
    EXPECT_TRUE(ok(ApdEmployee::Married, QStringLiteral("ΕΓΓΑΜΟΣ")));
    for (const char *status : {"", "1", "2", "εγγαμος", "ΕγγΑΜΟΣ", "ΕΓΓΑΜΟΣ ", "ΧΗΡΟΣ"})
        EXPECT_EQ(FieldProblem(ApdEmployee::Married, QString::fromUtf8(status)), "γράφεται «ΑΓΑΜΟΣ» ή «ΕΓΓΑΜΟΣ»")
            << status;
    // Texts: cut to their field, but no character the code page cannot hold or leaves undefined.
    EXPECT_TRUE(ok(ApdHeader::ProjectKind, QString(150, u'Α')));
    EXPECT_EQ(FieldProblem(ApdHeader::ProjectKind, QStringLiteral("ΕΡΓΟ →")),
              "ο χαρακτήρας «→» δεν υπάρχει στην ελληνική κωδικοσελίδα 1253");
    EXPECT_EQ(FieldProblem(ApdHeader::ProjectKind, FromCp1253(ToCp1253("ΕΡΓΟ ") + '\xD2')),
              "περιέχει χαρακτήρα (κωδικός 0xD2) που δεν ορίζεται στην ελληνική κωδικοσελίδα 1253");
    // Numbers and amounts: no sign, and no more digits than the field (cents for an amount).
    EXPECT_TRUE(ok(ApdInsurance::Days, qint64(99)));
    EXPECT_FALSE(ok(ApdInsurance::Days, qint64(100)));
    EXPECT_FALSE(ok(ApdInsurance::Sundays, qint64(-1)));
    EXPECT_TRUE(ok(ApdInsurance::Wage, Currency::FromCents(9999999999)));
    EXPECT_FALSE(ok(ApdInsurance::Wage, Currency::FromCents(10000000000)));
    EXPECT_FALSE(ok(ApdInsurance::Wage, Currency::FromCents(-1)));
    // An employment date is written as a date, never as none; a header's date of 0 means none.
    EXPECT_TRUE(ok(ApdInsurance::From, EncodeDate(2003, 1, 1)));
    EXPECT_TRUE(ok(ApdInsurance::Until, TDateTime(0.5))); // 30/12/1899 at noon: 30121899
    for (double none : {0.0, -5.0, 1e20})
        EXPECT_EQ(FieldProblem(ApdInsurance::Until, TDateTime(none)),
                  "η ημερομηνία θα γραφόταν στο αρχείο ως 00000000 (καμία ημερομηνία)")
            << none;
    EXPECT_TRUE(ok(ApdHeader::StopDate, TDateTime(0)));

    // The check lists what it finds, named by the caller, and raises once with all of it.
    TExportProblems problems;
    problems.Check(ApdHeader::Afm, QStringLiteral(" 12345678X "), [] { return QStringLiteral("Α.Φ.Μ."); });
    problems.Check(ApdHeader::ProjectKind, FromCp1253(ToCp1253("ΕΡΓΟ ") + '\xAA'),
                   [] { return QStringLiteral("ΕΙΔΟΣ ΕΡΓΟΥ"); });
    problems.Check(ApdHeader::Amoe, QStringLiteral("123"), [] {
        ADD_FAILURE() << "a good value's place was asked for";
        return QString();
    });
    ASSERT_EQ(problems.Count(), 2);
    try {
        problems.Raise();
        FAIL() << "nothing raised";
    } catch (const Exception &e) {
        EXPECT_TRUE(e.Message().startsWith("Το αρχείο ΑΠΔ δε γράφτηκε")) << e.what();
        EXPECT_TRUE(e.Message().contains("Α.Φ.Μ.: 12345678X (το πεδίο του αρχείου δέχεται μόνο ψηφία)")) << e.what();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("ΕΙΔΟΣ ΕΡΓΟΥ: ΕΡΓΟ \uFFFD (περιέχει χαρακτήρα (κωδικός 0xAA)")))
            << e.what();
    }
}

// --- collecting and ordering lines ---------------------------------------------------------------

TEST(ApdFileLayout, TypedDatesAndMaritalStatusesBecomeWhatTheFileWrites)
{
    // Dates as the employees' table reads them: two-digit years in 1950..2049, written in full.
    const std::pair<const char *, const char *> dates[] = {{"1/1/70", "01/01/1970"},
                                                           {"5/11/1970", "05/11/1970"},
                                                           {"1/1/49", "01/01/2049"},
                                                           {" 29/2/2000 ", "29/02/2000"},
                                                           {"", ""},
                                                           {"  ", ""}};
    for (const auto &[typed, held] : dates)
        EXPECT_EQ(TypedFieldText(ApdEmployee::BirthDate, QString::fromUtf8(typed)).toStdString(), held) << typed;
    const std::pair<const char *, const char *> statuses[] = {
        {"αγαμος", "ΑΓΑΜΟΣ"}, {"Άγαμος", "ΑΓΑΜΟΣ"}, {" ΕγγΑΜΟΣ ", "ΕΓΓΑΜΟΣ"}, {"έγγαμοσ", "ΕΓΓΑΜΟΣ"}, {"", ""}};
    for (const auto &[typed, held] : statuses)
        EXPECT_EQ(TypedFieldText(ApdEmployee::Married, QString::fromUtf8(typed)).toStdString(), held) << typed;
    // Anything else is refused, naming the field and what it takes.
    const std::pair<const TApdField *, const char *> refused[] = {
        {&ApdEmployee::BirthDate, "31/02/1980"}, {&ApdEmployee::BirthDate, "1980"},
        {&ApdEmployee::BirthDate, "01/01/"},     {&ApdEmployee::BirthDate, "00/00/0000"},
        {&ApdEmployee::BirthDate, "1/1/0050"},   {&ApdEmployee::Married, "2"},
        {&ApdEmployee::Married, "ΧΗΡΟΣ"}};
    for (const auto &[field, typed] : refused)
        try {
            TypedFieldText(*field, QString::fromUtf8(typed));
            ADD_FAILURE() << "taken: " << typed;
        } catch (const EConvertError &e) {
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("«%1» δεν γράφεται στο πεδίο «%2»: εκεί γράφεται ")
                                                   .arg(QString::fromUtf8(typed), field->Name())))
                << e.what();
        }
    // Other fields take what is typed.
    EXPECT_EQ(TypedFieldText(ApdEmployee::Surname, QStringLiteral(" ΝΙΚΟΥ ")), QStringLiteral(" ΝΙΚΟΥ "));
    // The file codes the two words.
    char code[2] = {'#', '#'};
    PutMarital(QStringLiteral("ΕΓΓΑΜΟΣ"), code, 1);
    EXPECT_EQ(QByteArray(code, 2), "2#");
    PutMarital(QStringLiteral("ΑΓΑΜΟΣ"), code, 1);
    EXPECT_EQ(QByteArray(code, 2), "1#");
}

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
