// The submission file "CSC01": fixed-width records in code page 1253, and the object that collects the
// employee lines of one export, orders them and writes the file.
#pragma once

#include "vcl/Graphics.h"
#include "vcl/SysUtils.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

class QIODevice;

constexpr int HeaderRecordSize = 613;
constexpr int EmployeeRecordSize = 179;
constexpr int InsuranceRecordSize = 93;

// Raw cp1253 bytes, no terminator: the records are written to the file exactly as they stand.
using THeaderRecord = std::array<char, HeaderRecordSize>;
using TEmployeeRecord = std::array<char, EmployeeRecordSize>;
using TInsuranceRecord = std::array<char, InsuranceRecordSize>;

enum class TFieldAlignment { faLeft, faRight };

// --- the layout ----------------------------------------------------------------------------------
// Every field of the three records, described once: the writer that fills it, the check that comes
// before, the printed texts and the windows that fill the records all read it from here.

enum class TApdRecordKind { rkHeader, rkEmployee, rkInsurance };
// How a field is written: by one of the writers below, or set when the record is made (fixed).
enum class TApdFieldKind { fwFixed, fwText, fwDigits, fwInteger, fwAmount, fwDate, fwDateText, fwMarital };

struct TApdField {
    TApdRecordKind Record;
    int Offset;
    int Width;
    TApdFieldKind Kind;
    // What messages call the field: the title of the box it is filled from.
    const char16_t *Title;

    QString Name() const { return QString::fromUtf16(Title); }
    // The field's bytes in a record of its kind.
    QByteArray Bytes(const char *Record) const { return QByteArray(Record + Offset, Width); }
    QByteArray Bytes(const QByteArray &Record) const { return Record.mid(Offset, Width); }
};

namespace ApdHeader
{
using enum TApdRecordKind;
using enum TApdFieldKind;
inline constexpr TApdField Prefix{rkHeader, 0, 15, fwFixed, u"ΑΡΧΗ ΕΓΓΡΑΦΗΣ"};
inline constexpr TApdField DeclarationType{rkHeader, 15, 2, fwDigits, u"ΤΥΠΟΣ ΔΗΛΩΣΗΣ"};
inline constexpr TApdField BranchCode{rkHeader, 17, 3, fwDigits, u"ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ ΥΠΟΒΟΛΗΣ"};
inline constexpr TApdField BranchName{rkHeader, 20, 50, fwText, u"ΟΝΟΜΑΣΙΑ ΥΠΟΚΑΤΑΣΤΗΜΑΤΟΣ"};
inline constexpr TApdField EmployerName{rkHeader, 70, 80, fwText, u"ΕΠΩΝΥΜΙΑ ΕΡΓΟΔΟΤΗ"};
inline constexpr TApdField EmployerFirstName{rkHeader, 150, 30, fwText, u"ΟΝΟΜΑ ΕΡΓΟΔΟΤΗ"};
inline constexpr TApdField EmployerFatherName{rkHeader, 180, 30, fwText, u"ΠΑΤΡΩΝΥΜΟ ΕΡΓΟΔΟΤΗ"};
inline constexpr TApdField Street{rkHeader, 210, 50, fwText, u"ΟΔΟΣ ΕΔΡΑΣ"};
inline constexpr TApdField StreetNumber{rkHeader, 260, 10, fwText, u"ΑΡΙΘΜΟΣ ΕΔΡΑΣ"};
inline constexpr TApdField Postcode{rkHeader, 270, 5, fwDigits, u"Τ.Κ. ΕΔΡΑΣ ΕΡΓΟΔΟΤΗ"};
inline constexpr TApdField City{rkHeader, 275, 30, fwText, u"ΠΟΛΗ ΕΔΡΑΣ"};
inline constexpr TApdField ProjectKind{rkHeader, 305, 100, fwText, u"ΕΙΔΟΣ ΕΡΓΟΥ"};
inline constexpr TApdField Ame{rkHeader, 405, 10, fwDigits, u"Α.Μ.Ε."};
inline constexpr TApdField Amoe{rkHeader, 415, 10, fwDigits, u"Α.Μ.Ο.Ε."};
inline constexpr TApdField Afm{rkHeader, 425, 9, fwDigits, u"Α.Φ.Μ."};
inline constexpr TApdField ProjectStreet{rkHeader, 434, 50, fwText, u"ΟΔΟΣ ΕΡΓΟΥ"};
inline constexpr TApdField ProjectNumber{rkHeader, 484, 10, fwText, u"ΑΡΙΘΜΟΣ ΕΡΓΟΥ"};
inline constexpr TApdField ProjectPostcode{rkHeader, 494, 5, fwDigits, u"Τ.Κ. ΕΡΓΟΥ"};
inline constexpr TApdField ProjectCity{rkHeader, 499, 30, fwText, u"ΠΟΛΗ ΕΡΓΟΥ"};
inline constexpr TApdField Month{rkHeader, 529, 2, fwText, u"ΜΗΝΑΣ"};
inline constexpr TApdField Year{rkHeader, 531, 4, fwText, u"ΕΤΟΣ"};
inline constexpr TApdField EarningsTotal{rkHeader, 535, 12, fwAmount, u"ΣΥΝΟΛΟ ΑΠΟΔΟΧΩΝ"};
inline constexpr TApdField DaysTotal{rkHeader, 547, 8, fwInteger, u"ΣΥΝΟΛΟ ΗΜΕΡΩΝ ΑΠΑΣΧΟΛΗΣΗΣ"};
inline constexpr TApdField ContributionsTotal{rkHeader, 555, 12, fwAmount, u"ΣΥΝΟΛΟ ΕΙΣΦΟΡΩΝ"};
inline constexpr TApdField SubmissionDate{rkHeader, 567, 8, fwDate, u"ΗΜΕΡΟΜΗΝΙΑ ΥΠΟΒΟΛΗΣ"};
inline constexpr TApdField StopDate{rkHeader, 575, 8, fwDate, u"ΗΜΕΡΟΜΗΝΙΑ ΔΙΑΚΟΠΗΣ ΕΡΓΑΣΙΩΝ"};
inline constexpr TApdField Filler{rkHeader, 583, 30, fwFixed, u"ΚΕΝΑ"};
} // namespace ApdHeader

namespace ApdEmployee
{
using enum TApdRecordKind;
using enum TApdFieldKind;
inline constexpr TApdField RecordType{rkEmployee, 0, 1, fwText, u"ΤΥΠΟΣ ΕΓΓΡΑΦΗΣ"};
inline constexpr TApdField Register{rkEmployee, 1, 9, fwDigits, u"ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ."};
inline constexpr TApdField Amka{rkEmployee, 10, 11, fwDigits, u"Α.Μ.Κ.Α."};
inline constexpr TApdField Surname{rkEmployee, 21, 50, fwText, u"ΕΠΩΝΥΜΟ"};
inline constexpr TApdField FirstName{rkEmployee, 71, 30, fwText, u"ΟΝΟΜΑ"};
inline constexpr TApdField FatherName{rkEmployee, 101, 30, fwText, u"ΟΝΟΜΑ ΠΑΤΡΟΣ"};
inline constexpr TApdField MotherName{rkEmployee, 131, 30, fwText, u"ΟΝΟΜΑ ΜΗΤΡΟΣ"};
inline constexpr TApdField BirthDate{rkEmployee, 161, 8, fwDateText, u"ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ"};
inline constexpr TApdField Afm{rkEmployee, 169, 9, fwDigits, u"Α.Φ.Μ."};
inline constexpr TApdField Married{rkEmployee, 178, 1, fwMarital, u"ΑΓΑΜΟΣ/ΕΓΓΑΜΟΣ"};
} // namespace ApdEmployee

namespace ApdInsurance
{
using enum TApdRecordKind;
using enum TApdFieldKind;
inline constexpr TApdField RecordType{rkInsurance, 0, 1, fwText, u"ΤΥΠΟΣ ΕΓΓΡΑΦΗΣ"};
inline constexpr TApdField Branch{rkInsurance, 1, 3, fwDigits, u"ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ ΕΚΤΕΛΕΣΗΣ ΕΡΓΟΥ"};
inline constexpr TApdField Triennia{rkInsurance, 4, 1, fwDigits, u"ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ"};
inline constexpr TApdField Sundays{rkInsurance, 5, 1, fwInteger, u"ΚΥΡΙΑΚΕΣ"};
inline constexpr TApdField Specialty{rkInsurance, 6, 6, fwDigits, u"ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ"};
inline constexpr TApdField SpecialCase{rkInsurance, 12, 2, fwDigits, u"ΕΙΔ. ΠΕΡΙΠΤ. ΑΣΦΑΛ."};
inline constexpr TApdField Package{rkInsurance, 14, 4, fwDigits, u"ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ"};
inline constexpr TApdField From{rkInsurance, 18, 8, fwDate, u"ΑΠΟ ΗΜ/ΝΙΑ ΑΠΑΣΧ."};
inline constexpr TApdField Until{rkInsurance, 26, 8, fwDate, u"ΕΩΣ ΗΜ/ΝΙΑ ΑΠΑΣΧ."};
inline constexpr TApdField EarningsType{rkInsurance, 34, 2, fwDigits, u"ΤΥΠΟΣ ΑΠΟΔΟΧΩΝ"};
inline constexpr TApdField Days{rkInsurance, 36, 2, fwInteger, u"ΗΜ. ΑΠΑΣΧΟΛΗΣΗΣ"};
inline constexpr TApdField Wage{rkInsurance, 38, 10, fwAmount, u"ΗΜΕΡΟΜΙΣΘΙΟ"};
inline constexpr TApdField Earnings{rkInsurance, 48, 10, fwAmount, u"ΑΠΟΔΟΧΕΣ"};
inline constexpr TApdField Phase{rkInsurance, 58, 2, fwDigits, u"ΚΑΤΑΣΚ.ΦΑΣΗ ή ΕΡΓΑΣ.ΔΗΜΟΣΙΟΥ"};
inline constexpr TApdField AccountingDays{rkInsurance, 60, 2, fwInteger, u"ΗΜ. ΑΠΟΛΟΓΙΣΤΙΚΩΝ"};
inline constexpr TApdField Insured{rkInsurance, 62, 10, fwAmount, u"ΕΙΣΦΟΡΕΣ ΑΣΦΑΛΙΣΜΕΝΟΥ"};
inline constexpr TApdField Employer{rkInsurance, 72, 10, fwAmount, u"ΕΙΣΦΟΡΕΣ ΕΡΓΟΔΟΤΗ"};
inline constexpr TApdField Total{rkInsurance, 82, 11, fwAmount, u"ΣΥΝΟΛΙΚΕΣ ΕΙΣΦΟΡΕΣ"};
} // namespace ApdInsurance

// Every field of a record, in the order they lie in it.
std::vector<const TApdField *> RecordLayout(TApdRecordKind Record);

// --- field writers -------------------------------------------------------------------------------
// Each fills all `width` bytes at `field`. A value longer than its field keeps its leftmost
// characters, whatever the kind of field. For numbers this means a value too wide for the format
// (ten triennia in a one-digit field) loses its last digits; the format has no room for such values,
// the boxes that feed the writers keep them in range, and an export must not fail half-way over one
// field, so the cut stays.

// Places the bytes of `value` in the field: fill, then copy left- or right-aligned, or the first
// `width` bytes when the value is too long.
void PutField(const QByteArray &value, char *field, int width, char fill, TFieldAlignment alignment);
// Only the characters "0" to "9", in their order.
QString DigitsOnly(const QString &value);
// Left-padded with "0" to `width`; never cut.
QString PadZeros(const QString &value, int width);

// Text, left-aligned, blank-filled. Raises ECodePageError naming `fieldName` when the text holds a
// character that code page 1253 cannot hold, or one that stands for a byte it leaves undefined. Line
// breaks and other control characters become blanks so that a record stays one line.
void PutText(const QString &value, char *field, int width, const QString &fieldName);
// The digits of the text, right-aligned, zero-filled; everything else is dropped (the export refuses a
// text with anything but digits and blanks before, FieldProblem).
void PutDigits(const QString &value, char *field, int width);
void PutDigits(const char *value, char *field, int width);
// The decimal digits of the number without its sign, right-aligned, zero-filled.
void PutInt(int value, char *field, int width);
// The amount in whole cents (halves to even), without separators or sign, right-aligned, zero-filled.
void PutAmount(Currency value, char *field, int width);
// "ddmmyyyy" of a date greater than 0; otherwise all "0".
void PutDate(TDateTime value, char *field, int width);
// "ddmmyyyy" from a typed date such as 1/2/2003: day, month and year parts padded to 2, 2 and 4
// digits, left-aligned and zero-filled; all "0" for an empty text.
void PutDateText(const QString &value, char *field, int width);
// The marital status as the file codes it: "2" for «ΕΓΓΑΜΟΣ», "1" for anything else (the export refuses
// anything but «ΑΓΑΜΟΣ» and «ΕΓΓΑΜΟΣ» before, FieldProblem).
void PutMarital(const QString &value, char *field, int width);

// --- values by the layout -------------------------------------------------------------------------

// A value as a field's writer takes it: a text (text, digits and date-text fields), a number (integer
// fields), an amount or a date.
using TApdValue = std::variant<QString, qint64, Currency, TDateTime>;

// Writes Value into Field of Record with the field's writer; nothing for a fixed field.
void PutValue(char *Record, const TApdField &Field, const TApdValue &Value);
// Why Field cannot take Value as it is, or empty when it can. A digits field takes digits only (blanks
// aside, which its writer drops) and no more of them than it holds; a date text is a real calendar date,
// day and month in one or two digits and the year in four, apart by "/"; a marital status is «ΑΓΑΜΟΣ» or
// «ΕΓΓΑΜΟΣ»; a text may hold no character that code page 1253 cannot hold or leaves undefined; a number
// or an amount is not negative and fits its digits (cents for an amount); a date of employment is one the
// file writes as a date, never as "none" (all "0"), since its box always shows one. Values the writers
// would only cut (a long text) or that mean "none" (an empty date text, a header's date of 0) are taken.
QString FieldProblem(const TApdField &Field, const TApdValue &Value);
// The text a box of Field holds for what the user typed into it: a date text read as the employees' table
// reads a date (a two-digit year falls in 1950..2049) and written dd/mm/yyyy; a marital status that is
// «ΑΓΑΜΟΣ» or «ΕΓΓΑΜΟΣ» but for letter case, accents and blanks around it, written as it stands. An empty
// text stays empty, and other fields take the text as typed. Raises EConvertError naming the field for a
// text that is no such value.
QString TypedFieldText(const TApdField &Field, const QString &Typed);

// The values of one export that the file cannot take as they are, each named where the user finds it.
// The export collects them before anything is written and refuses with one message when there are any.
class TExportProblems
{
public:
    // Where names the box; it is asked only when there is something to note, as every field of every
    // line is checked.
    using TWhere = std::function<QString()>;
    // Notes Value under Where when Field cannot take it (FieldProblem); true when it can.
    bool Check(const TApdField &Field, const TApdValue &Value, const TWhere &Where);
    int Count() const { return int(FItems.size()); }
    // Forgets the notes after the first Count (a line the file drops after all).
    void Truncate(int Count);
    // Raises one error that lists the notes, the first ones in full and then how many more, if any.
    void Raise() const;

private:
    QStringList FItems;
};

// --- the file --------------------------------------------------------------------------------------

// One employee line: copies of its employee and employment records.
class TApdFileRec
{
public:
    TApdFileRec(const TEmployeeRecord &employeeRecord, const TInsuranceRecord &insuranceRecord)
        : EmployeeRecord(employeeRecord), InsuranceRecord(insuranceRecord)
    {
    }

    TEmployeeRecord EmployeeRecord;
    TInsuranceRecord InsuranceRecord;
};

// 0 for identical employee records, otherwise the order of their register numbers.
int CompareEmployee(const TApdFileRec &a, const TApdFileRec &b);
// The order of the earnings types.
int CompareEarningsType(const TApdFileRec &a, const TApdFileRec &b);
// Register number, then earnings type.
int CompareFileRecs(const TApdFileRec &a, const TApdFileRec &b);

class TApdFile
{
public:
    TApdFile();
    TApdFile(const TApdFile &) = delete;
    TApdFile &operator=(const TApdFile &) = delete;

    // Filled field by field by the caller; its first 15 bytes are the fixed prefix.
    THeaderRecord HeaderRecord;

    // Keeps the line unless its register number or its total contributions are all "0".
    void AddRecord(const TEmployeeRecord &employeeRecord, const TInsuranceRecord &insuranceRecord);
    // By register number, then earnings type; lines that compare equal keep the order they were
    // added in, so one declaration always gives the same bytes.
    void SortRecords();
    // Sorts, then writes the header, each employee group (one employee record followed by its
    // employment records) and the trailer, every record followed by CR LF. Raises EStreamError when
    // the device refuses the bytes.
    void WriteToStream(QIODevice &stream);
    void WriteToStream(QByteArray &stream);
    // Writes the whole file to a temporary file beside `path` and renames it into place, so a failed
    // write leaves an existing file as it was. Raises EFCreateError naming the path.
    void SaveToFile(const QString &path);

    // ---- printed texts ----
    // Prints the file as text on the system printer, each page text on a sheet of its own (going on on
    // further sheets when a large font needs them): the accompanying form when Accomp, the declaration
    // pages when Pages, each as a print job of its own, in the font FontName of Size points and Style (Greek
    // character set). Sorts the lines first. Nothing is printed, not even an empty sheet, when neither is
    // chosen. A failing printer's job is dropped and its error reaches the caller. When the printer writes
    // files, each job's file is added to Written once it is whole.
    void Print(bool Accomp, bool Pages, TFontStyles Style, int Size, const QString &FontName,
               QStringList *Written = nullptr);
    // ---- end of printed texts ----

    int Count() const { return static_cast<int>(FList.size()); }
    const TApdFileRec &Records(int index) const { return *FList.at(index); }

private:
    std::array<char, 3> FTrailer;
    std::vector<std::unique_ptr<TApdFileRec>> FList;
};
