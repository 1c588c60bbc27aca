// Types shared by the table store and the dataset classes: field types, stored field and index
// definitions, the engine's error, and conversion of values to a field's type.
#pragma once

#include "vcl/SysUtils.h"

#include <QFlags>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>
#include <vector>

Q_DECLARE_METATYPE(Currency)

class EDatabaseError : public Exception
{
    using Exception::Exception;
};

// A record whose key another record of the table already has; the message names the table.
class EKeyViolation : public EDatabaseError
{
public:
    explicit EKeyViolation(const QString &Table)
        : EDatabaseError(QStringLiteral("Παραβίαση κλειδιού: υπάρχει ήδη εγγραφή με το ίδιο κλειδί στον πίνακα \"%1\".")
                             .arg(Table))
    {
    }
};

// Published enumerations of the dataset classes, streamed by their value names.
namespace DB
{
Q_NAMESPACE
enum TFieldType { ftUnknown, ftString, ftSmallint, ftInteger, ftBoolean, ftFloat, ftCurrency, ftDate };
Q_ENUM_NS(TFieldType)
enum TIndexOption { ixPrimary = 1, ixUnique = 2, ixDescending = 4, ixCaseInsensitive = 8 };
Q_DECLARE_FLAGS(TIndexOptions, TIndexOption)
Q_FLAG_NS(TIndexOptions)
enum TFieldKind { fkData, fkCalculated, fkLookup };
Q_ENUM_NS(TFieldKind)
enum TFilterOption { foCaseInsensitive = 1, foNoPartialCompare = 2 };
Q_DECLARE_FLAGS(TFilterOptions, TFilterOption)
Q_FLAG_NS(TFilterOptions)
enum TTableType { ttDefault, ttParadox };
Q_ENUM_NS(TTableType)
} // namespace DB
Q_DECLARE_OPERATORS_FOR_FLAGS(DB::TIndexOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(DB::TFilterOptions)
using namespace DB;

// The stored name of a type ("String", "SmallInt" ...) and back; ftUnknown for an unknown name.
QString FieldTypeName(TFieldType type);
TFieldType FieldTypeFromName(const QString &name);

struct TStoredFieldDef {
    QString Name;
    TFieldType DataType = ftUnknown;
    int Size = 0;
    bool Required = false;
    int FieldNo = 0; // 1-based position
};

struct TStoredIndexDef {
    QString Name;
    QString Fields;  // field names joined by ";"
    int Options = 0; // TIndexOption bits
};

using TRowValues = std::vector<QVariant>;

// Converts value to the field type; a null (invalid) value stays null, and so does an empty text for a
// non-string type. Returns false when the value does not convert.
bool TryConvertValue(const QVariant &value, TFieldType type, QVariant &result);
// As above, raising EDatabaseError naming the field when the value does not convert.
QVariant ConvertValue(const QVariant &value, TFieldType type, const QString &fieldName);
// Compares two non-null values of one field type (strings by the Greek collation).
int CompareValues(const QVariant &a, const QVariant &b, TFieldType type, bool caseInsensitive);
// Splits "A;B;C" into its names, each trimmed.
QStringList SplitFieldNames(const QString &names);
