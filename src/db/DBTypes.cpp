#include "db/DBTypes.h"

#include "db/GreekText.h"

#include <QDate>
#include <cmath>

namespace
{

struct TypeName {
    TFieldType Type;
    const char *Name;
};
constexpr TypeName TypeNames[] = {{ftString, "String"},   {ftSmallint, "SmallInt"}, {ftInteger, "Integer"},
                                  {ftBoolean, "Boolean"}, {ftFloat, "Float"},       {ftCurrency, "Currency"},
                                  {ftDate, "Date"}};

bool ParseNumber(QString text, long double &value)
{
    text = text.trimmed();
    if (text.isEmpty())
        return false;
    // Either separator is accepted as the decimal point; "." alone with "," present is grouping.
    if (text.contains(u',')) {
        text.remove(u'.');
        text.replace(u',', u'.');
    }
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    value = d;
    return true;
}

bool ToBool(const QVariant &value, bool &b)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        b = value.toBool();
        return true;
    case QMetaType::Int:
    case QMetaType::LongLong:
        b = value.toLongLong() != 0;
        return true;
    case QMetaType::QString: {
        const QString t = GreekFold(value.toString().trimmed());
        if (t == u"true" || t == u"1" || t == u"ναι") {
            b = true;
            return true;
        }
        if (t == u"false" || t == u"0" || t == u"οχι") {
            b = false;
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool ToNumber(const QVariant &value, long double &n)
{
    if (value.typeId() == qMetaTypeId<Currency>()) {
        n = value.value<Currency>().ToDouble();
        return true;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        n = value.toBool() ? 1 : 0;
        return true;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        n = value.toLongLong();
        return true;
    case QMetaType::Double:
    case QMetaType::Float:
        n = value.toDouble();
        return std::isfinite(static_cast<double>(n));
    case QMetaType::QString:
        return ParseNumber(value.toString(), n);
    default:
        return false;
    }
}

QString ToText(const QVariant &value)
{
    if (value.typeId() == qMetaTypeId<Currency>())
        return FormatFixed(value.value<Currency>().ToDouble(), 4).replace(u',', u'.');
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return value.toString();
}

} // namespace

QString FieldTypeName(TFieldType type)
{
    for (const auto &t : TypeNames)
        if (t.Type == type)
            return QString::fromLatin1(t.Name);
    return QStringLiteral("Unknown");
}

TFieldType FieldTypeFromName(const QString &name)
{
    for (const auto &t : TypeNames)
        if (name == QLatin1String(t.Name))
            return t.Type;
    return ftUnknown;
}

bool TryConvertValue(const QVariant &value, TFieldType type, QVariant &result)
{
    result = QVariant();
    if (!value.isValid() || value.isNull())
        return true;
    if (type != ftString && value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
        return true;
    long double n = 0;
    switch (type) {
    case ftString:
        result = ToText(value);
        return true;
    case ftSmallint:
    case ftInteger: {
        if (!ToNumber(value, n) || n != std::floor(n))
            return false;
        const long double lo = type == ftSmallint ? -32768 : -2147483648.0L;
        const long double hi = type == ftSmallint ? 32767 : 2147483647.0L;
        if (n < lo || n > hi)
            return false;
        result = static_cast<int>(n);
        return true;
    }
    case ftFloat:
        if (!ToNumber(value, n))
            return false;
        result = static_cast<double>(n);
        return true;
    case ftCurrency:
        if (value.typeId() == qMetaTypeId<Currency>()) {
            result = value;
            return true;
        }
        if (!ToNumber(value, n))
            return false;
        try {
            result = QVariant::fromValue(Currency::FromDouble(n));
        } catch (const Exception &) {
            return false;
        }
        return true;
    case ftBoolean: {
        bool b = false;
        if (!ToBool(value, b))
            return false;
        result = b;
        return true;
    }
    case ftDate: {
        if (value.typeId() == QMetaType::QDate) {
            result = static_cast<double>(QDateToDateTime(value.toDate()));
            return true;
        }
        if (value.typeId() == QMetaType::QString) {
            TDateTime d = 0;
            if (!TryStrToDate(value.toString().trimmed(), d))
                return false;
            result = static_cast<double>(d);
            return true;
        }
        if (!ToNumber(value, n))
            return false;
        result = static_cast<double>(n);
        return true;
    }
    case ftUnknown:
        break;
    }
    return false;
}

QVariant ConvertValue(const QVariant &value, TFieldType type, const QString &fieldName)
{
    QVariant result;
    if (!TryConvertValue(value, type, result))
        throw EDatabaseError(
            QStringLiteral("Η τιμή \"%1\" δεν είναι έγκυρη για το πεδίο \"%2\".").arg(ToText(value), fieldName));
    return result;
}

int CompareValues(const QVariant &a, const QVariant &b, TFieldType type, bool caseInsensitive)
{
    switch (type) {
    case ftString:
        return GreekCompare(a.toString(), b.toString(), caseInsensitive);
    case ftSmallint:
    case ftInteger:
    case ftBoolean: {
        const qlonglong x = a.toLongLong(), y = b.toLongLong();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case ftCurrency: {
        const Currency x = a.value<Currency>(), y = b.value<Currency>();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case ftFloat:
    case ftDate: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case ftUnknown:
        break;
    }
    return 0;
}

QStringList SplitFieldNames(const QString &names)
{
    QStringList out;
    for (const QString &n : names.split(u';', Qt::SkipEmptyParts)) {
        const QString t = n.trimmed();
        if (!t.isEmpty())
            out << t;
    }
    return out;
}
