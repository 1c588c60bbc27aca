#include "ApdFile.h"

#include "db/GreekText.h"
#include "declaration/eApdReportF.h"
#include "platform/SafeWrite.h"
#include "printing/XPrinters.h"
#include "vcl/CodePage.h"

#include <QVarLengthArray>
#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

namespace
{
constexpr char kHeaderPrefix[] = "10101CSC01   01";
static_assert(sizeof(kHeaderPrefix) - 1 == ApdHeader::Prefix.Width);
constexpr char kCrLf[] = "\r\n";
// The two marital statuses the file knows.
constexpr QStringView SingleText = u"ΑΓΑΜΟΣ";
constexpr QStringView MarriedText = u"ΕΓΓΑΜΟΣ";

// Latin letters folded, compared as unsigned bytes: the order of the class library's CompareText.
int CompareTextBytes(const char *a, const char *b, int length)
{
    for (int i = 0; i < length; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 'a' && ca <= 'z')
            ca -= 'a' - 'A';
        if (cb >= 'a' && cb <= 'z')
            cb -= 'a' - 'A';
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return 0;
}

bool AllZeros(const char *field, int width)
{
    return std::all_of(field, field + width, [](char c) { return c == '0'; });
}

QByteArray DigitBytes(const QString &digits)
{
    return digits.toLatin1(); // only "0" to "9" reach here
}

// The writers run tens of times per employee line, so they build their digits on the stack.
using TDigitBuffer = QVarLengthArray<char, 64>;

void PutBytes(const char *value, qsizetype size, char *field, int width, char fill, TFieldAlignment alignment)
{
    if (width <= 0)
        return;
    std::memset(field, fill, static_cast<size_t>(width));
    if (size <= 0)
        return;
    if (size >= width)
        std::memcpy(field, value, static_cast<size_t>(width));
    else if (alignment == TFieldAlignment::faLeft)
        std::memcpy(field, value, static_cast<size_t>(size));
    else
        std::memcpy(field + (width - size), value, static_cast<size_t>(size));
}

// Decimal digits of `value`, at least `minDigits` of them; returns the count written at the end of
// `buffer` (24 bytes hold any 64-bit number).
int UnsignedDigits(uint64_t value, int minDigits, char (&buffer)[24], const char *&first)
{
    char *p = buffer + sizeof buffer;
    int count = 0;
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
        ++count;
    } while (value != 0 || count < minDigits);
    first = p;
    return count;
}

void PutUnsigned(uint64_t value, int minDigits, char *field, int width)
{
    char buffer[24];
    const char *first = nullptr;
    const int count = UnsignedDigits(value, minDigits, buffer, first);
    PutBytes(first, count, field, width, '0', TFieldAlignment::faRight);
}

// A character read from a damaged file for a byte the code page does not define, as a message says it.
QString UndefinedByteText(QChar c)
{
    return QStringLiteral("περιέχει χαρακτήρα (κωδικός 0x%1) που δεν ορίζεται στην ελληνική κωδικοσελίδα 1253")
        .arg(QString::number(UndefinedCp1253Byte(c), 16).toUpper());
}
} // namespace

// --- field writers -------------------------------------------------------------------------------

void PutField(const QByteArray &value, char *field, int width, char fill, TFieldAlignment alignment)
{
    PutBytes(value.constData(), value.size(), field, width, fill, alignment);
}

QString DigitsOnly(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value)
        if (c >= u'0' && c <= u'9')
            out += c;
    return out;
}

QString PadZeros(const QString &value, int width)
{
    return value.rightJustified(width, u'0', false);
}

void PutText(const QString &value, char *field, int width, const QString &fieldName)
{
    // Line breaks and other control characters would break the record's line; they become blanks.
    QVarLengthArray<char, 128> bytes(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            bytes[i] = ' ';
        else if (UndefinedCp1253Byte(c) >= 0)
            throw ECodePageError(QStringLiteral("Το πεδίο «%1» %2.").arg(fieldName, UndefinedByteText(c)));
        else if (!CharToCp1253(c, bytes[i]))
            ToCp1253(value, fieldName); // raises the error that names the field and the character
    }
    PutBytes(bytes.constData(), bytes.size(), field, width, ' ', TFieldAlignment::faLeft);
}

void PutDigits(const QString &value, char *field, int width)
{
    TDigitBuffer digits;
    for (const QChar c : value)
        if (c >= u'0' && c <= u'9')
            digits.append(static_cast<char>(c.unicode()));
    PutBytes(digits.constData(), digits.size(), field, width, '0', TFieldAlignment::faRight);
}

void PutDigits(const char *value, char *field, int width)
{
    TDigitBuffer digits;
    if (value)
        for (const char *p = value; *p; ++p)
            if (*p >= '0' && *p <= '9')
                digits.append(*p);
    PutBytes(digits.constData(), digits.size(), field, width, '0', TFieldAlignment::faRight);
}

void PutInt(int value, char *field, int width)
{
    // Through 64 bits so that the smallest int loses its sign too.
    PutUnsigned(static_cast<uint64_t>(value < 0 ? -static_cast<int64_t>(value) : value), 1, field, width);
}

void PutAmount(Currency value, char *field, int width)
{
    // The digits of the amount written with two decimals ("0.05" -> "005"), taken from the cents
    // directly so no separator setting is involved.
    const int64_t cents = value.Cents();
    PutUnsigned(cents < 0 ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents), 3, field, width);
}

void PutDate(TDateTime value, char *field, int width)
{
    TDateParts parts;
    if (value > 0)
        parts = DecodeDate(value);
    if (parts.Year == 0) { // not a date: no value, or out of the calendar's range
        PutBytes(nullptr, 0, field, width, '0', TFieldAlignment::faRight);
        return;
    }
    char text[32] = {static_cast<char>('0' + parts.Day / 10), static_cast<char>('0' + parts.Day % 10),
                     static_cast<char>('0' + parts.Month / 10), static_cast<char>('0' + parts.Month % 10)};
    char year[24];
    const char *first = nullptr;
    const int yearDigits = UnsignedDigits(static_cast<uint64_t>(parts.Year), 4, year, first);
    std::memcpy(text + 4, first, static_cast<size_t>(yearDigits));
    const int size = 4 + yearDigits;
    PutBytes(text, size, field, width, '0', TFieldAlignment::faRight);
}

void PutDateText(const QString &value, char *field, int width)
{
    static constexpr int partWidths[3] = {2, 2, 4};
    QString result;
    QString part;
    int finished = 0;
    const qsizetype last = value.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const QChar c = value[i];
        if (c != u'/')
            part += c;
        if ((c == u'/' || i == last) && finished < 3) {
            result += PadZeros(DigitsOnly(part), partWidths[finished]);
            ++finished;
            part.clear();
        }
    }
    PutField(DigitBytes(result), field, width, '0', TFieldAlignment::faLeft);
}

void PutMarital(const QString &value, char *field, int width)
{
    const char code = value == MarriedText ? '2' : '1';
    PutBytes(&code, 1, field, width, ' ', TFieldAlignment::faLeft);
}

// --- the layout ----------------------------------------------------------------------------------

std::vector<const TApdField *> RecordLayout(TApdRecordKind Record)
{
    namespace H = ApdHeader;
    namespace E = ApdEmployee;
    namespace I = ApdInsurance;
    switch (Record) {
    case TApdRecordKind::rkHeader:
        return {&H::Prefix,
                &H::DeclarationType,
                &H::BranchCode,
                &H::BranchName,
                &H::EmployerName,
                &H::EmployerFirstName,
                &H::EmployerFatherName,
                &H::Street,
                &H::StreetNumber,
                &H::Postcode,
                &H::City,
                &H::ProjectKind,
                &H::Ame,
                &H::Amoe,
                &H::Afm,
                &H::ProjectStreet,
                &H::ProjectNumber,
                &H::ProjectPostcode,
                &H::ProjectCity,
                &H::Month,
                &H::Year,
                &H::EarningsTotal,
                &H::DaysTotal,
                &H::ContributionsTotal,
                &H::SubmissionDate,
                &H::StopDate,
                &H::Filler};
    case TApdRecordKind::rkEmployee:
        return {&E::RecordType, &E::Register,   &E::Amka,      &E::Surname, &E::FirstName,
                &E::FatherName, &E::MotherName, &E::BirthDate, &E::Afm,     &E::Married};
    case TApdRecordKind::rkInsurance:
        return {&I::RecordType, &I::Branch, &I::Triennia,       &I::Sundays,      &I::Specialty, &I::SpecialCase,
                &I::Package,    &I::From,   &I::Until,          &I::EarningsType, &I::Days,      &I::Wage,
                &I::Earnings,   &I::Phase,  &I::AccountingDays, &I::Insured,      &I::Employer,  &I::Total};
    }
    return {};
}

// --- values by the layout ------------------------------------------------------------------------

namespace
{
// The value without its blanks: a code picked from a list ends in one, and numbers are written in groups
// ("176 71"). The digits writer drops them with everything else; they are the only thing it may drop.
QString WithoutBlanks(QString s)
{
    s.remove(u' ');
    return s;
}

bool AllDigits(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

int DigitCount(quint64 value)
{
    int n = 1;
    while (value >= 10) {
        value /= 10;
        ++n;
    }
    return n;
}

QString TextProblem(const QString &text)
{
    if (const qsizetype i = FindUndefinedCp1253(text); i >= 0)
        return UndefinedByteText(text[i]);
    if (const qsizetype i = FindNonCp1253(text); i >= 0)
        return QStringLiteral("ο χαρακτήρας «%1» δεν υπάρχει στην ελληνική κωδικοσελίδα 1253")
            .arg(text.mid(i, text[i].isHighSurrogate() ? 2 : 1));
    return {};
}

// A real calendar date as the date-text writer reads it: day and month in one or two digits and the year
// in four, apart by "/", so that every part is written whole and means what it says. Anything else (a
// year of two digits, a part left out, 31/02) would reach the file as another date or as none.
bool IsDateText(QStringView text)
{
    static constexpr int mostDigits[3] = {2, 2, 4};
    const auto parts = text.split(u'/');
    if (parts.size() != 3)
        return false;
    int values[3] = {};
    for (qsizetype i = 0; i < 3; ++i) {
        if (parts[i].isEmpty() || parts[i].size() > mostDigits[i] || !AllDigits(parts[i]))
            return false;
        values[i] = parts[i].toInt();
    }
    // The calendar the program counts with starts in the year 100.
    TDateTime date = 0;
    return parts[2].size() == 4 && TryEncodeDate(values[2], values[1], values[0], date) && IsValidCalendarDate(date);
}

// The text of a box that is no value of its field, refused with the field named and what it takes.
[[noreturn]] void RefuseTyped(const TApdField &Field, const QString &Typed, const QString &Takes)
{
    throw EConvertError(QStringLiteral("«%1» δεν γράφεται στο πεδίο «%2»: εκεί γράφεται %3.")
                            .arg(Typed.trimmed(), Field.Name(), Takes));
}

QString MaritalChoices()
{
    return QStringLiteral("«%1» ή «%2»").arg(SingleText, MarriedText);
}

// The value as the message shows it.
QString Shown(const TApdValue &value)
{
    if (const auto *text = std::get_if<QString>(&value)) {
        QString shown = text->trimmed();
        if (shown.isEmpty())
            return QStringLiteral("κενό");
        for (QChar &c : shown)
            if (UndefinedCp1253Byte(c) >= 0)
                c = QChar::ReplacementCharacter;
        return shown;
    }
    if (const auto *number = std::get_if<qint64>(&value))
        return QString::number(*number);
    if (const auto *amount = std::get_if<Currency>(&value))
        return FormatAmount(*amount) + QStringLiteral(" €");
    return FormatDateTime(QStringLiteral("dd/mm/yyyy"), std::get<TDateTime>(value));
}
} // namespace

void PutValue(char *Record, const TApdField &Field, const TApdValue &Value)
{
    char *field = Record + Field.Offset;
    switch (Field.Kind) {
    case TApdFieldKind::fwFixed:
        return;
    case TApdFieldKind::fwText:
        PutText(std::get<QString>(Value), field, Field.Width, Field.Name());
        return;
    case TApdFieldKind::fwDigits:
        PutDigits(std::get<QString>(Value), field, Field.Width);
        return;
    case TApdFieldKind::fwDateText:
        PutDateText(std::get<QString>(Value), field, Field.Width);
        return;
    case TApdFieldKind::fwMarital:
        PutMarital(std::get<QString>(Value), field, Field.Width);
        return;
    case TApdFieldKind::fwInteger:
        PutInt(int(std::clamp<qint64>(std::get<qint64>(Value), INT_MIN, INT_MAX)), field, Field.Width);
        return;
    case TApdFieldKind::fwAmount:
        PutAmount(std::get<Currency>(Value), field, Field.Width);
        return;
    case TApdFieldKind::fwDate:
        PutDate(std::get<TDateTime>(Value), field, Field.Width);
        return;
    }
}

QString FieldProblem(const TApdField &Field, const TApdValue &Value)
{
    switch (Field.Kind) {
    case TApdFieldKind::fwFixed:
        return {};
    case TApdFieldKind::fwDate: {
        // A header's date of 0 means none (no stop date); an employment date has no "none", and its box
        // shows the date it holds, whatever the file would write.
        char written[8];
        PutDate(std::get<TDateTime>(Value), written, int(sizeof written));
        if (Field.Record == TApdRecordKind::rkInsurance && AllZeros(written, int(sizeof written)))
            return QStringLiteral("η ημερομηνία θα γραφόταν στο αρχείο ως 00000000 (καμία ημερομηνία)");
        return {};
    }
    case TApdFieldKind::fwText:
        return TextProblem(std::get<QString>(Value));
    case TApdFieldKind::fwDigits: {
        const QString digits = WithoutBlanks(std::get<QString>(Value));
        if (!AllDigits(digits))
            return QStringLiteral("το πεδίο του αρχείου δέχεται μόνο ψηφία");
        if (digits.size() > Field.Width)
            return QStringLiteral("το πεδίο του αρχείου χωράει %1 ψηφία").arg(Field.Width);
        return {};
    }
    case TApdFieldKind::fwDateText: {
        const QString date = WithoutBlanks(std::get<QString>(Value));
        if (!date.isEmpty() && !IsDateText(date))
            return QStringLiteral("δεν είναι ημερομηνία του ημερολογίου γραμμένη ηη/μμ/εεεε");
        return {};
    }
    case TApdFieldKind::fwMarital: {
        const QString &status = std::get<QString>(Value);
        if (status != SingleText && status != MarriedText)
            return QStringLiteral("γράφεται ") + MaritalChoices();
        return {};
    }
    case TApdFieldKind::fwInteger: {
        const qint64 value = std::get<qint64>(Value);
        if (value < 0)
            return QStringLiteral("αρνητικός αριθμός");
        if (DigitCount(quint64(value)) > Field.Width)
            return QStringLiteral("το πεδίο του αρχείου χωράει %1 ψηφία").arg(Field.Width);
        return {};
    }
    case TApdFieldKind::fwAmount: {
        // Written as whole cents, at least three digits.
        const qint64 cents = std::get<Currency>(Value).Cents();
        if (cents < 0)
            return QStringLiteral("αρνητικό ποσό");
        if (std::max(3, DigitCount(quint64(cents))) > Field.Width)
            return QStringLiteral("το πεδίο του αρχείου χωράει %1 ψηφία μαζί με τα λεπτά").arg(Field.Width);
        return {};
    }
    }
    return {};
}

QString TypedFieldText(const TApdField &Field, const QString &Typed)
{
    const QString text = Typed.trimmed();
    if (Field.Kind == TApdFieldKind::fwDateText && !text.isEmpty()) {
        // The employees' table takes the same texts, so a typed date and a picked one agree.
        TDateTime date = 0;
        if (!TryStrToDate(WithoutBlanks(text), date) || !IsValidCalendarDate(date))
            RefuseTyped(Field, Typed, QStringLiteral("ημερομηνία του ημερολογίου, ηη/μμ/εεεε"));
        return FormatDateTime(GreekFormatSettings().ShortDateFormat, date);
    }
    if (Field.Kind == TApdFieldKind::fwMarital && !text.isEmpty()) {
        for (QStringView status : {SingleText, MarriedText})
            if (GreekFold(text) == GreekFold(status.toString()))
                return status.toString();
        RefuseTyped(Field, Typed, MaritalChoices());
    }
    if (Field.Kind == TApdFieldKind::fwDateText || Field.Kind == TApdFieldKind::fwMarital)
        return text;
    return Typed;
}

bool TExportProblems::Check(const TApdField &Field, const TApdValue &Value, const TWhere &Where)
{
    const QString why = FieldProblem(Field, Value);
    if (why.isEmpty())
        return true;
    FItems << QStringLiteral("%1: %2 (%3)").arg(Where(), Shown(Value), why);
    return false;
}

void TExportProblems::Truncate(int Count)
{
    while (FItems.size() > Count)
        FItems.removeLast();
}

void TExportProblems::Raise() const
{
    if (FItems.isEmpty())
        return;
    constexpr qsizetype MaxListed = 20;
    QString text = QStringLiteral("Το αρχείο ΑΠΔ δε γράφτηκε: οι παρακάτω τιμές δεν μπορούν να γραφτούν στα πεδία του "
                                  "αρχείου όπως είναι. Διορθώστε τις και ξαναδοκιμάστε.\n");
    for (qsizetype i = 0; i < FItems.size() && i < MaxListed; ++i)
        text += u'\n' + FItems[i];
    if (FItems.size() > MaxListed)
        text += QStringLiteral("\n…και άλλες %1.").arg(FItems.size() - MaxListed);
    throw Exception(text);
}

// --- ordering ------------------------------------------------------------------------------------

int CompareEmployee(const TApdFileRec &a, const TApdFileRec &b)
{
    if (a.EmployeeRecord == b.EmployeeRecord)
        return 0;
    const TApdField &f = ApdEmployee::Register;
    return CompareTextBytes(a.EmployeeRecord.data() + f.Offset, b.EmployeeRecord.data() + f.Offset, f.Width);
}

int CompareEarningsType(const TApdFileRec &a, const TApdFileRec &b)
{
    const TApdField &f = ApdInsurance::EarningsType;
    return CompareTextBytes(a.InsuranceRecord.data() + f.Offset, b.InsuranceRecord.data() + f.Offset, f.Width);
}

int CompareFileRecs(const TApdFileRec &a, const TApdFileRec &b)
{
    const int result = CompareEmployee(a, b);
    return result != 0 ? result : CompareEarningsType(a, b);
}

// --- the file ------------------------------------------------------------------------------------

TApdFile::TApdFile()
{
    HeaderRecord.fill(' ');
    std::memcpy(HeaderRecord.data() + ApdHeader::Prefix.Offset, kHeaderPrefix, ApdHeader::Prefix.Width);
    std::memcpy(FTrailer.data(), "EOF", 3);
}

void TApdFile::AddRecord(const TEmployeeRecord &employeeRecord, const TInsuranceRecord &insuranceRecord)
{
    const TApdField &reg = ApdEmployee::Register, &total = ApdInsurance::Total;
    if (AllZeros(employeeRecord.data() + reg.Offset, reg.Width) ||
        AllZeros(insuranceRecord.data() + total.Offset, total.Width))
        return;
    FList.push_back(std::make_unique<TApdFileRec>(employeeRecord, insuranceRecord));
}

void TApdFile::SortRecords()
{
    std::stable_sort(FList.begin(), FList.end(),
                     [](const auto &a, const auto &b) { return CompareFileRecs(*a, *b) < 0; });
}

void TApdFile::WriteToStream(QByteArray &stream)
{
    SortRecords();
    stream.reserve(stream.size() + HeaderRecordSize + 2 + Count() * (EmployeeRecordSize + InsuranceRecordSize + 4) + 5);
    stream.append(HeaderRecord.data(), HeaderRecordSize).append(kCrLf, 2);
    const TApdFileRec *groupOpener = nullptr;
    for (const auto &rec : FList) {
        if (!groupOpener || CompareEmployee(*rec, *groupOpener) != 0) {
            groupOpener = rec.get();
            stream.append(rec->EmployeeRecord.data(), EmployeeRecordSize).append(kCrLf, 2);
        }
        stream.append(rec->InsuranceRecord.data(), InsuranceRecordSize).append(kCrLf, 2);
    }
    stream.append(FTrailer.data(), 3).append(kCrLf, 2);
}

void TApdFile::WriteToStream(QIODevice &stream)
{
    QByteArray bytes;
    WriteToStream(bytes);
    if (stream.write(bytes) != bytes.size())
        throw EStreamError(QStringLiteral("Σφάλμα εγγραφής του αρχείου δήλωσης: %1").arg(stream.errorString()));
}

void TApdFile::SaveToFile(const QString &path)
{
    QByteArray bytes;
    WriteToStream(bytes);
    // A failure leaves the old file as it was, and the message names the file and the cause.
    Platform::ReplaceFile(path, bytes);
}

// --- printed texts -------------------------------------------------------------------------------

namespace
{
// One text printout, a print job of its own: the page text being built, the box that prints it and the
// sheets it goes on.
class TTextPrintout
{
public:
    explicit TTextPrintout(TeApdReport &report) : FReport(report) { FPrinter.BeginDoc(QString()); }

    // The first page goes on the sheet that beginning the document opened; every later one on a new sheet.
    void FlushPage()
    {
        Print(LayOut(FBuffer));
        FBuffer.Clear();
    }
    void Print(const TeApdReport::TLaidOutPage &Page)
    {
        if (!FFirstFlush)
            FPrinter.NewPage();
        FFirstFlush = false;
        FReport.PrintLaidOut(Page, &FPrinter);
    }
    // The page as it goes on a sheet of this printout.
    TeApdReport::TLaidOutPage LayOut(const TApdStrings &Page) { return FReport.LayOut(Page, &FPrinter); }

    TApdStrings &Buffer() { return FBuffer; }

    // Sends the job; adds the file it was written to, if any, to Written.
    void End(QStringList *Written)
    {
        FPrinter.EndDoc();
        if (Written && !FPrinter.FileName().isEmpty())
            *Written << FPrinter.FileName();
    }

private:
    TeApdReport &FReport;
    TApdStrings FBuffer;
    // Freed before its end (a failing page), the printer drops its job.
    TLPTPrinter FPrinter;
    bool FFirstFlush = true;
};

// The declaration pages, each on a sheet of its own. Page 1 holds the full header and one employee block,
// each following page a short header and two blocks, and the closing page the statement on stopped works:
// n div 2 + 2 pages for n lines, while the pages fit their sheets at the chosen font. A page that would not
// fit holds fewer blocks and the next page takes the rest, so a block stays on one sheet (one too tall for
// a sheet of its own goes on, line by line, on the next pages) and the page numbers count the sheets.
class TDeclarationPages
{
public:
    TDeclarationPages(TTextPrintout &out, const THeaderRecord &header,
                      const std::vector<std::unique_ptr<TApdFileRec>> &lines)
        : FOut(out), FHeader(header), FBlocks(lines.size())
    {
        for (size_t i = 0; i < lines.size(); ++i)
            WriteEmployeeBlock(FBlocks[i], lines[i]->EmployeeRecord, lines[i]->InsuranceRecord);
        WriteStopStatement(FStatement);
    }

    void Print()
    {
        // Every header holds the page count; pages laid out for a count that turned out otherwise are laid
        // out again (the count's digits could, in some font, change what fits).
        int pageCount = int(FBlocks.size() / 2 + 2);
        for (int tries = 0; tries < 3 && Plan(pageCount) != pageCount; ++tries)
            pageCount = int(FSheets.size());
        const int sheets = int(FSheets.size());
        for (size_t sheet = 0; sheet < FSheets.size(); ++sheet)
            FOut.Print(pageCount == sheets ? FLaidOut[sheet] : FOut.LayOut(Page(sheet, FSheets[sheet], sheets)));
    }

private:
    // Count lines, from line From, of the first page's header, a block or the statement.
    struct TPart {
        const TApdStrings *Text;
        int From, Count;
        bool operator==(const TPart &) const = default;
    };
    using TSheet = std::vector<TPart>;

    // The units, in order: the first page's header, the blocks, the statement.
    size_t UnitCount() const { return FBlocks.size() + 2; }
    bool IsBlock(size_t u) const { return u >= 1 && u <= FBlocks.size(); }
    // What is left of unit u.
    TPart Rest(size_t u) const
    {
        const TApdStrings &text = u == 0 ? FFirst : IsBlock(u) ? FBlocks[u - 1] : FStatement;
        const int from = u == FNext ? FFrom : 0;
        return {&text, from, text.LineCount() - from};
    }

    // A sheet's text: its parts under the page's short header, but for page 1, whose header is its first part.
    TApdStrings Page(size_t sheet, const TSheet &parts, int pageCount) const
    {
        TApdStrings page;
        if (sheet > 0)
            WritePageHeader(page, FHeader, int(sheet) + 1, pageCount);
        for (const TPart &p : parts)
            page.Append(*p.Text, p.From, p.Count);
        return page;
    }

    // Puts the units on sheets whose headers say pageCount pages; the sheets made.
    int Plan(int pageCount)
    {
        FFirst.Clear();
        WriteFirstPageHeader(FFirst, FHeader, 1, pageCount);
        FSheets.clear();
        FLaidOut.clear();
        FNext = 0;
        FFrom = 0;
        FSplitSheets = 0;
        while (FNext < UnitCount())
            Fill(pageCount);
        return int(FSheets.size());
    }

    // One more sheet, holding as much as fits of what is left.
    void Fill(int pageCount)
    {
        const size_t sheet = FSheets.size();
        TSheet parts;
        std::optional<TSheet> laidOutFor;
        TeApdReport::TLaidOutPage laidOut;
        const auto fits = [&](const TSheet &candidate) {
            TeApdReport::TLaidOutPage page = FOut.LayOut(Page(sheet, candidate, pageCount));
            const bool fit = page.Fits;
            if (fit) {
                laidOut = std::move(page);
                laidOutFor = candidate;
            }
            return fit;
        };
        // The first page's header, or the rest of a unit begun on the sheet before.
        if (FNext == 0 || FFrom > 0) {
            parts = {Rest(FNext)};
            if (fits(parts))
                Advance(1);
            else
                parts = Part(fits);
        }
        // Whole blocks, two parts to a sheet at most (page 1: its header and one block); fewer when they do not
        // fit. The statement goes on a sheet of its own.
        if (FFrom == 0 && IsBlock(FNext)) {
            for (size_t take = std::min(2 - parts.size(), FBlocks.size() + 1 - FNext); take > 0; --take) {
                TSheet candidate = parts;
                for (size_t k = 0; k < take; ++k)
                    candidate.push_back(Rest(FNext + k));
                if (fits(candidate)) {
                    parts = std::move(candidate);
                    Advance(take);
                    break;
                }
            }
        }
        if (parts.empty() && FNext < UnitCount()) {
            parts = {Rest(FNext)};
            if (fits(parts))
                Advance(1);
            else
                parts = Part(fits);
        }
        FSheets.push_back(parts);
        FLaidOut.push_back(laidOutFor == parts ? std::move(laidOut) : FOut.LayOut(Page(sheet, parts, pageCount)));
    }

    // As many lines of the next unit, too tall for the sheet, as fit. At a size so absurd that not one line
    // does, or that the unit would take more sheets than a page text may, the rest goes whole on the sheet,
    // which prints what it can of it as any page text too long for its box.
    template <class Fits> TSheet Part(const Fits &fits)
    {
        TPart part = Rest(FNext);
        int lo = 1, hi = part.Count;
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            (fits({{part.Text, part.From, mid}}) ? lo : hi) = mid;
        }
        if ((lo == 1 && !fits({{part.Text, part.From, 1}})) || ++FSplitSheets >= TeApdReport::MaxSheetsPerText) {
            Advance(1);
            return {part};
        }
        part.Count = lo;
        FFrom += lo;
        return {part};
    }

    void Advance(size_t units)
    {
        FNext += units;
        FFrom = 0;
        FSplitSheets = 0;
    }

    TTextPrintout &FOut;
    const THeaderRecord &FHeader;
    TApdStrings FFirst;
    std::vector<TApdStrings> FBlocks;
    TApdStrings FStatement;
    std::vector<TSheet> FSheets;
    std::vector<TeApdReport::TLaidOutPage> FLaidOut;
    // The next unit to place and its first line not placed yet; the sheets it has begun on so far.
    size_t FNext = 0;
    int FFrom = 0;
    int FSplitSheets = 0;
};
} // namespace

void TApdFile::Print(bool Accomp, bool Pages, TFontStyles Style, int Size, const QString &FontName,
                     QStringList *Written)
{
    if (!Accomp && !Pages)
        return;
    SortRecords();
    auto report = std::make_unique<TeApdReport>(nullptr);
    TFont *font = report->Report->GetFont();
    font->SetName(FontName);
    font->SetSize(Size);
    font->SetStyle(Style);
    font->SetCharset(GREEK_CHARSET);
    // Each printout is a job of its own, so a printer that writes files keeps each in a file of its own.
    if (Accomp) {
        TTextPrintout out(*report);
        WriteAccompanyingForm(out.Buffer(), HeaderRecord);
        out.FlushPage();
        out.End(Written);
    }
    if (Pages) {
        TTextPrintout out(*report);
        TDeclarationPages(out, HeaderRecord, FList).Print();
        out.End(Written);
    }
}
