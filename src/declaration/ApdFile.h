// The submission file "CSC01": fixed-width records in code page 1253, and the object that collects the
// employee lines of one export, orders them and writes the file.
#pragma once

#include "vcl/Graphics.h"
#include "vcl/SysUtils.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
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
// character that code page 1253 cannot hold. Line breaks and other control characters become blanks
// so that a record stays one line.
void PutText(const QString &value, char *field, int width, const QString &fieldName);
// The digits of the text, right-aligned, zero-filled; everything else is dropped.
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
