#include "ApdFile.h"

#include "declaration/eApdReportF.h"
#include "platform/SafeWrite.h"
#include "printing/XPrinters.h"
#include "vcl/CodePage.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cstring>

namespace
{
constexpr char kHeaderPrefix[] = "10101CSC01   01";
static_assert(sizeof(kHeaderPrefix) - 1 == 15);
constexpr char kCrLf[] = "\r\n";

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

// --- ordering ------------------------------------------------------------------------------------

int CompareEmployee(const TApdFileRec &a, const TApdFileRec &b)
{
    if (a.EmployeeRecord == b.EmployeeRecord)
        return 0;
    return CompareTextBytes(a.EmployeeRecord.data() + 1, b.EmployeeRecord.data() + 1, 9);
}

int CompareEarningsType(const TApdFileRec &a, const TApdFileRec &b)
{
    return CompareTextBytes(a.InsuranceRecord.data() + 34, b.InsuranceRecord.data() + 34, 2);
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
    std::memcpy(HeaderRecord.data(), kHeaderPrefix, 15);
    std::memcpy(FTrailer.data(), "EOF", 3);
}

void TApdFile::AddRecord(const TEmployeeRecord &employeeRecord, const TInsuranceRecord &insuranceRecord)
{
    if (AllZeros(employeeRecord.data() + 1, 9) || AllZeros(insuranceRecord.data() + 82, 11))
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
        if (!FFirstFlush)
            FPrinter.NewPage();
        FFirstFlush = false;
        FReport.PrintPage(FBuffer, &FPrinter);
        FBuffer.Clear();
    }

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

// Page 1 holds the full header and one employee block, each following page a short header and two
// blocks, and the closing page the statement on stopped works: n div 2 + 2 pages for n lines.
void PrintDeclarationPages(TTextPrintout &out, const THeaderRecord &header,
                           const std::vector<std::unique_ptr<TApdFileRec>> &lines)
{
    const int n = static_cast<int>(lines.size());
    const int pageCount = n / 2 + 2;
    int pageNo = 1;
    TApdStrings &s = out.Buffer();
    WriteFirstPageHeader(s, header, pageNo, pageCount);
    if (n > 0) {
        WriteEmployeeBlock(s, lines[0]->EmployeeRecord, lines[0]->InsuranceRecord);
        out.FlushPage();
    }
    for (int i = 1; i < n; ++i) {
        if (i % 2 == 1) {
            ++pageNo;
            WritePageHeader(s, header, pageNo, pageCount);
        }
        WriteEmployeeBlock(s, lines[size_t(i)]->EmployeeRecord, lines[size_t(i)]->InsuranceRecord);
        if (i % 2 == 0)
            out.FlushPage();
    }
    if (!s.IsEmpty())
        out.FlushPage();
    ++pageNo;
    WritePageHeader(s, header, pageNo, pageCount);
    WriteStopStatement(s);
    out.FlushPage();
}
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
        PrintDeclarationPages(out, HeaderRecord, FList);
        out.End(Written);
    }
}
