// Filter texts of the form the filter bar writes: [field] op 'value', with op one of = <> < > <= >=,
// two quotes for one inside the value, and a trailing * for a prefix match on strings.
#pragma once

#include "db/DBTypes.h"

#include <functional>

enum TFilterOperator { foEqual, foNotEqual, foLess, foGreater, foLessEqual, foGreaterEqual };

struct TFilterCondition {
    QString FieldName;
    TFilterOperator Operator = foEqual;
    QString Value; // as written, unquoted, with any trailing "*"
};

// False when the text is not one condition of that form.
bool ParseFilterText(const QString &text, TFilterCondition &condition);

// A parsed filter bound to one field of a row layout. An inactive filter lets every row through: a text
// that does not parse, an unknown field or a value that does not convert leaves the filter off.
class TCompiledFilter
{
public:
    using TFieldResolver = std::function<bool(const QString &name, int &index, TFieldType &type)>;

    TCompiledFilter() = default;
    TCompiledFilter(const QString &text, bool caseInsensitive, bool partialCompare, const TFieldResolver &resolve);
    bool Active() const { return FActive; }
    bool Match(const TRowValues &row) const;

private:
    bool FActive = false;
    int FIndex = -1;
    TFieldType FType = ftUnknown;
    TFilterOperator FOperator = foEqual;
    QVariant FValue;
    bool FPrefix = false;
    bool FCaseInsensitive = false;
};
