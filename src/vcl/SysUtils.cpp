#include "SysUtils.h"

#include <cerrno>

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

QString SystemErrorText(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("ο δίσκος είναι γεμάτος");
    case EACCES:
    case EPERM:
        return QStringLiteral("δεν επιτρέπεται η πρόσβαση στο αρχείο ή στον φάκελό του");
    case EROFS:
        return QStringLiteral("ο δίσκος είναι μόνο για ανάγνωση");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("το αρχείο ή ο φάκελός του δεν υπάρχει");
    case EISDIR:
        return QStringLiteral("είναι φάκελος, όχι αρχείο");
    case EIO:
        return QStringLiteral("σφάλμα ανάγνωσης ή εγγραφής στον δίσκο");
    case ENAMETOOLONG:
        return QStringLiteral("το όνομα του αρχείου είναι πολύ μεγάλο");
    case ELOOP:
        return QStringLiteral("οι συμβολικοί σύνδεσμοι του ονόματος σχηματίζουν κύκλο");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("είναι ανοιχτά πάρα πολλά αρχεία");
    case ENOMEM:
        return QStringLiteral("δεν υπάρχει αρκετή μνήμη");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("η συσκευή δεν υπάρχει ή δεν είναι έτοιμη");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("το αρχείο είναι σε χρήση από άλλο πρόγραμμα");
    case EEXIST:
        return QStringLiteral("υπάρχει ήδη αρχείο με αυτό το όνομα");
    case EOVERFLOW:
        return QStringLiteral("το αρχείο είναι πολύ μεγάλο");
    case ESTALE:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
        return QStringLiteral("ο δίσκος του δικτύου δεν απαντά");
    default:
        return {};
    }
}

QString SystemErrorCause(int error)
{
    const QString cause = SystemErrorText(error);
    return cause.isEmpty() ? QStringLiteral("σφάλμα του συστήματος (κωδικός %1)").arg(error) : cause;
}

void Abort()
{
    throw EAbort(QString());
}

int64_t RoundHalfEven(long double value)
{
    // nearbyint follows the current rounding mode, which the program never changes from to-nearest-even.
    const long double r = std::nearbyintl(value);
    if (!(r >= -9.2233720368547758e18L && r < 9.2233720368547758e18L))
        throw EConvertError(QStringLiteral("Η τιμή είναι εκτός ορίων"));
    return static_cast<int64_t>(r);
}

long double RoundTo(long double value, int decimals)
{
    long double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    // The tie is decided on the binary value: 0.125 is an exact half and goes to even, while 2.675 is
    // held just below its half and goes down.
    const long double scaled = value * scale;
    return static_cast<long double>(RoundHalfEven(scaled)) / scale;
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const int64_t num = static_cast<int64_t>(a) * b;
    int64_t q = num / c;
    const int64_t r = num % c;
    // Halves away from zero: compare twice the remainder with the divisor.
    if (2 * (r < 0 ? -r : r) >= (c < 0 ? -static_cast<int64_t>(c) : c))
        q += ((num < 0) != (c < 0)) ? -1 : 1;
    if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(q);
}

Currency Currency::FromDouble(long double value)
{
    if (!std::isfinite(value))
        throw EConvertError(QStringLiteral("Μη έγκυρο ποσό"));
    return Currency(RoundHalfEven(value * Scale));
}

int64_t Currency::Cents() const
{
    int64_t q = FRaw / 100;
    const int64_t r = FRaw % 100;
    const int64_t ar = r < 0 ? -r : r;
    if (ar > 50 || (ar == 50 && (q % 2) != 0))
        q += r < 0 ? -1 : 1;
    return q;
}

Currency Currency::SaturatedAdd(Currency o) const
{
    int64_t sum = 0;
    if (__builtin_add_overflow(FRaw, o.FRaw, &sum))
        sum = o.FRaw > 0 ? INT64_MAX : INT64_MIN;
    return Currency(sum);
}

// --- dates -----------------------------------------------------------------------------------

namespace {
constexpr qint64 kJulianOfZero = 2415019; // 30/12/1899

bool DaysOf(TDateTime value, qint64 &days)
{
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6)
        return false;
    days = static_cast<qint64>(std::trunc(value));
    return true;
}
} // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime &result)
{
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return false;
    result = static_cast<double>(QDate(year, month, day).toJulianDay() - kJulianOfZero);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime r = 0;
    if (!TryEncodeDate(year, month, day, r))
        throw EConvertError(QStringLiteral("Μη έγκυρη ημερομηνία"));
    return r;
}

TDateParts DecodeDate(TDateTime value)
{
    const QDate d = DateTimeToQDate(value);
    if (!d.isValid())
        return {};
    return {d.year(), d.month(), d.day()};
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / 86400000.0;
}

TDateTime DateOf(TDateTime value)
{
    return std::trunc(value);
}

QDate DateTimeToQDate(TDateTime value)
{
    qint64 days = 0;
    if (!DaysOf(value, days))
        return {};
    return QDate::fromJulianDay(kJulianOfZero + days);
}

TDateTime QDateToDateTime(const QDate &date)
{
    if (!date.isValid())
        return 0;
    return static_cast<double>(date.toJulianDay() - kJulianOfZero);
}

TDateTime Date()
{
    return QDateToDateTime(QDate::currentDate());
}

TDateTime Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return QDateToDateTime(now.date()) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

TDateTime StartOfTheMonth(TDateTime value)
{
    const TDateParts p = DecodeDate(value);
    return p.Year ? EncodeDate(p.Year, p.Month, 1) : 0;
}

TDateTime EndOfTheMonth(TDateTime value)
{
    const QDate d = DateTimeToQDate(value);
    if (!d.isValid())
        return 0;
    return QDateToDateTime(QDate(d.year(), d.month(), d.daysInMonth()));
}

bool IsValidCalendarDate(TDateTime value)
{
    constexpr double first = -657434.0;   // 01/01/0100
    constexpr double afterLast = 2958466.0; // 01/01/10000
    // Negative dates carry their time of day away from zero, so the day is the truncated value.
    return std::isfinite(value) && value > first - 1.0 && value < afterLast;
}

int DayOfTheWeek(TDateTime value)
{
    const QDate d = DateTimeToQDate(value);
    return d.isValid() ? d.dayOfWeek() : 0;
}

QString FormatDateTime(const QString &format, TDateTime value)
{
    const QDate d = DateTimeToQDate(value);
    // Not a number or not finite: no time of day (the conversion below must stay in range).
    const double frac = std::isfinite(value) ? std::fabs(value - std::trunc(value)) : 0.0;
    const qint64 msecs = static_cast<qint64>(std::llround(frac * 86400000.0));
    const int hour = static_cast<int>(msecs / 3600000 % 24);
    const int minute = static_cast<int>(msecs / 60000 % 60);
    const int second = static_cast<int>(msecs / 1000 % 60);
    const TFormatSettings &fs = GreekFormatSettings();

    QString out;
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = format[i].toLower();
        qsizetype run = 1;
        while (i + run < n && format[i + run].toLower() == c)
            ++run;
        auto num = [&](int v, int width) { out += QString::number(v).rightJustified(width, u'0'); };
        if (c == u'"' || c == u'\'') {
            const qsizetype end = format.indexOf(format[i], i + 1);
            const qsizetype stop = end < 0 ? n : end;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (c == u'd')
            num(d.isValid() ? d.day() : 0, run >= 2 ? 2 : 1);
        else if (c == u'm')
            num(d.isValid() ? d.month() : 0, run >= 2 ? 2 : 1);
        else if (c == u'y')
            num(d.isValid() ? (run >= 3 ? d.year() : d.year() % 100) : 0, run >= 3 ? 4 : 2);
        else if (c == u'h')
            num(hour, run >= 2 ? 2 : 1);
        else if (c == u'n')
            num(minute, run >= 2 ? 2 : 1);
        else if (c == u's')
            num(second, run >= 2 ? 2 : 1);
        else if (c == u'/')
            out += QString(run, fs.DateSeparator);
        else if (c == u':')
            out += QString(run, fs.TimeSeparator);
        else
            out += format.mid(i, run);
        i += run;
    }
    return out;
}

bool TryStrToDate(const QString &text, TDateTime &result)
{
    const QStringList parts = text.trimmed().split(GreekFormatSettings().DateSeparator);
    if (parts.size() != 3)
        return false;
    int v[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || parts[i].trimmed().isEmpty())
            return false;
    }
    int year = v[2];
    if (parts[2].trimmed().size() <= 2)
        year += year < 50 ? 2000 : 1900;
    return TryEncodeDate(year, v[1], v[0], result);
}

// --- numbers ---------------------------------------------------------------------------------

const TFormatSettings &GreekFormatSettings()
{
    static const TFormatSettings settings;
    return settings;
}

namespace {
QString GroupDigits(const QString &digits, QChar sep)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += sep;
        out += digits[i];
    }
    return out;
}
} // namespace

QString FormatAmount(Currency value, int decimals, bool thousands, const TFormatSettings &fs)
{
    decimals = std::clamp(decimals, 0, 4);
    int64_t unit = 1;
    for (int i = decimals; i < 4; ++i)
        unit *= 10;
    // Round the raw value to the asked decimals, halves to even, in integers.
    int64_t raw = value.Raw();
    const bool negative = raw < 0;
    uint64_t mag = negative ? static_cast<uint64_t>(-(raw + 1)) + 1 : static_cast<uint64_t>(raw);
    uint64_t q = mag / unit;
    const uint64_t r = mag % unit;
    if (2 * r > static_cast<uint64_t>(unit) || (2 * r == static_cast<uint64_t>(unit) && (q % 2) != 0))
        ++q;
    uint64_t dscale = 1;
    for (int i = 0; i < decimals; ++i)
        dscale *= 10;
    const QString whole = QString::number(q / dscale);
    QString out = thousands ? GroupDigits(whole, fs.ThousandSeparator) : whole;
    if (decimals > 0)
        out += fs.DecimalSeparator + QString::number(q % dscale).rightJustified(decimals, u'0');
    if (negative && q != 0)
        out.prepend(u'-');
    return out;
}

QString FormatFixed(long double value, int decimals, const TFormatSettings &fs)
{
    QString s = QString::number(static_cast<double>(RoundTo(value, decimals)), 'f', decimals);
    s.replace(u'.', fs.DecimalSeparator);
    return s;
}

bool TryStrToCurrency(const QString &text, Currency &result, const TFormatSettings &fs)
{
    QString s = text.trimmed();
    if (s.endsWith(fs.CurrencyString))
        s.chop(fs.CurrencyString.size());
    s = s.trimmed();
    bool negative = false;
    if (s.startsWith(u'-')) {
        negative = true;
        s.remove(0, 1);
    }
    if (s.isEmpty())
        return false;
    const qsizetype dec = s.indexOf(fs.DecimalSeparator);
    QString whole = dec < 0 ? s : s.left(dec);
    const QString frac = dec < 0 ? QString() : s.mid(dec + 1);
    whole.remove(fs.ThousandSeparator);
    if (whole.isEmpty() && frac.isEmpty())
        return false;
    for (QChar c : whole)
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    for (QChar c : frac)
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    if (whole.size() > 14)
        return false;
    int64_t raw = whole.isEmpty() ? 0 : whole.toLongLong() * Currency::Scale;
    // Digits past the fourth decimal round half to even.
    QString f = frac.left(4).leftJustified(4, u'0');
    raw += f.toLongLong();
    if (frac.size() > 4) {
        const QString rest = frac.mid(4);
        const int first = rest[0].digitValue();
        const bool beyond = rest.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
        if (first > 5 || (first == 5 && (beyond || raw % 2 != 0)))
            ++raw;
    }
    result = Currency::FromRaw(negative ? -raw : raw);
    return true;
}
