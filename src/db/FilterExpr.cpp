#include "db/FilterExpr.h"

#include "db/GreekText.h"

bool ParseFilterText(const QString &text, TFilterCondition &condition)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text.at(i).isSpace())
            ++i;
    };
    skipBlanks();
    QString name;
    if (i < n && text.at(i) == u'[') {
        const qsizetype close = text.indexOf(u']', i + 1);
        if (close < 0)
            return false;
        name = text.mid(i + 1, close - i - 1);
        i = close + 1;
    } else {
        const qsizetype start = i;
        while (i < n && text.at(i) != u'<' && text.at(i) != u'>' && text.at(i) != u'=')
            ++i;
        name = text.mid(start, i - start).trimmed();
    }
    if (name.isEmpty())
        return false;
    skipBlanks();
    if (i >= n)
        return false;
    TFilterOperator op;
    const QChar c = text.at(i);
    const QChar next = i + 1 < n ? text.at(i + 1) : QChar();
    if (c == u'=') {
        op = foEqual;
        i += 1;
    } else if (c == u'<') {
        op = next == u'=' ? foLessEqual : (next == u'>' ? foNotEqual : foLess);
        i += (next == u'=' || next == u'>') ? 2 : 1;
    } else if (c == u'>') {
        op = next == u'=' ? foGreaterEqual : foGreater;
        i += next == u'=' ? 2 : 1;
    } else {
        return false;
    }
    skipBlanks();
    if (i >= n || text.at(i) != u'\'')
        return false;
    ++i;
    QString value;
    bool closed = false;
    while (i < n) {
        if (text.at(i) == u'\'') {
            if (i + 1 < n && text.at(i + 1) == u'\'') {
                value += u'\'';
                i += 2;
                continue;
            }
            closed = true;
            ++i;
            break;
        }
        value += text.at(i++);
    }
    skipBlanks();
    if (!closed || i != n)
        return false;
    condition.FieldName = name;
    condition.Operator = op;
    condition.Value = value;
    return true;
}

TCompiledFilter::TCompiledFilter(const QString &text, bool caseInsensitive, bool partialCompare,
                                 const TFieldResolver &resolve)
{
    TFilterCondition cond;
    if (!ParseFilterText(text, cond) || !resolve(cond.FieldName, FIndex, FType))
        return;
    QString value = cond.Value;
    if (FType == ftString && partialCompare && value.endsWith(u'*')) {
        value.chop(1);
        FPrefix = true;
    }
    if (FType == ftString) {
        FValue = value;
    } else if (!TryConvertValue(value, FType, FValue) || !FValue.isValid()) {
        return;
    }
    FOperator = cond.Operator;
    FCaseInsensitive = caseInsensitive;
    FActive = true;
}

bool TCompiledFilter::Match(const TRowValues &row) const
{
    if (!FActive)
        return true;
    if (FIndex < 0 || FIndex >= static_cast<int>(row.size()))
        return true;
    const QVariant &v = row[FIndex];
    if (FType == ftString) {
        const QString s = v.toString();
        if (FPrefix && (FOperator == foEqual || FOperator == foNotEqual)) {
            const bool starts = StartsWithKeyText(s, FValue.toString(), FCaseInsensitive);
            return FOperator == foEqual ? starts : !starts;
        }
    } else if (!v.isValid() || v.isNull()) {
        return FOperator == foNotEqual;
    }
    const int c = CompareValues(v, FValue, FType, FCaseInsensitive);
    switch (FOperator) {
    case foEqual:
        return c == 0;
    case foNotEqual:
        return c != 0;
    case foLess:
        return c < 0;
    case foGreater:
        return c > 0;
    case foLessEqual:
        return c <= 0;
    case foGreaterEqual:
        return c >= 0;
    }
    return true;
}
