// Basic types every layer shares: exceptions, fixed-point money, dates, rounding and the Greek
// number/date formats. Nothing here depends on widgets.
#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <exception>
#include <utility>

// Base of every error the program raises; the message is shown to the user as it stands.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
    const QString &Message() const { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

class EConvertError : public Exception {
    using Exception::Exception;
};
class EStreamError : public Exception {
    using Exception::Exception;
};
// A file could not be created or written.
class EFCreateError : public EStreamError {
    using EStreamError::EStreamError;
};
// A file could not be opened or read.
class EFOpenError : public EStreamError {
    using EStreamError::EStreamError;
};
// Raised to end an operation quietly (no message is shown).
class EAbort : public Exception {
    using Exception::Exception;
};
[[noreturn]] void Abort();

// Runs a clean-up once when the scope it lives in is left, normally or by an exception: the state an
// operation changes on its way is given back in one place. Dismiss() keeps what the operation did (a
// clean-up meant only for failure is dismissed once the operation has succeeded). The clean-up must not
// throw.
template <class F> class TScopeExit {
public:
    explicit TScopeExit(F f) : FCleanUp(std::move(f)) {}
    TScopeExit(const TScopeExit &) = delete;
    TScopeExit &operator=(const TScopeExit &) = delete;
    ~TScopeExit()
    {
        if (FActive)
            FCleanUp();
    }
    void Dismiss() { FActive = false; }

private:
    F FCleanUp;
    bool FActive = true;
};

// The cause of a failed file operation (an errno value) in the user's words ("ο δίσκος είναι γεμάτος"),
// or an empty text for a cause that means nothing to a user.
QString SystemErrorText(int error);
// The same, never empty: a cause without words of its own is named by its code.
QString SystemErrorCause(int error);

// Round to nearest, halves to even (the rounding of every float-to-integer conversion).
int64_t RoundHalfEven(long double value);
// Round value to the given number of decimals, halves to even (0.125 -> 0.12).
long double RoundTo(long double value, int decimals);
// a * b / c with a 64-bit intermediate, rounded to nearest with halves away from zero; -1 when c is 0
// or the result does not fit (as the Windows routine of the same name).
int MulDiv(int a, int b, int c);

// Fixed-point amount: a 64-bit integer count of 1/10000.
class Currency {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromRaw(int64_t raw) { return Currency(raw); }
    static constexpr Currency FromInt(int64_t whole) { return Currency(whole * Scale); }
    static constexpr Currency FromCents(int64_t cents) { return Currency(cents * 100); }
    // Rounded to 1/10000, halves to even. Values beyond the range raise EConvertError.
    static Currency FromDouble(long double value);

    constexpr int64_t Raw() const { return FRaw; }
    long double ToDouble() const { return static_cast<long double>(FRaw) / Scale; }
    // Whole cents, halves to even.
    int64_t Cents() const;
    Currency RoundedToCents() const { return FromCents(Cents()); }
    bool IsZero() const { return FRaw == 0; }

    constexpr Currency operator+(Currency o) const { return Currency(FRaw + o.FRaw); }
    constexpr Currency operator-(Currency o) const { return Currency(FRaw - o.FRaw); }
    constexpr Currency operator-() const { return Currency(-FRaw); }
    Currency &operator+=(Currency o) { FRaw += o.FRaw; return *this; }
    Currency &operator-=(Currency o) { FRaw -= o.FRaw; return *this; }
    // The sum held at the ends of the range instead of overflowing (for sums of values read from files).
    Currency SaturatedAdd(Currency o) const;
    constexpr auto operator<=>(const Currency &) const = default;

private:
    constexpr explicit Currency(int64_t raw) : FRaw(raw) {}
    int64_t FRaw = 0;
};

// Days since 30/12/1899; the fraction is the time of day.
using TDateTime = double;

struct TDateParts {
    int Year = 0, Month = 0, Day = 0;
};

// Raises EConvertError for a date that does not exist.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime &result);
TDateParts DecodeDate(TDateTime value);
TDateTime EncodeTime(int hour, int minute, int second, int msec = 0);
TDateTime DateOf(TDateTime value);
TDateTime Date(); // today
TDateTime Now();
TDateTime StartOfTheMonth(TDateTime value);
TDateTime EndOfTheMonth(TDateTime value); // the last day, 00:00
// ISO weekday: Monday 1 .. Sunday 7.
int DayOfTheWeek(TDateTime value);
// The calendar the program supports: 01/01/0100 00:00 up to the end of 31/12/9999; false for
// anything else, NaN and infinities included.
bool IsValidCalendarDate(TDateTime value);
class QDate;
QDate DateTimeToQDate(TDateTime value);
TDateTime QDateToDateTime(const QDate &date);

// Formats with the tokens d, dd, m, mm, yy, yyyy, h, hh, n, nn, s, ss; "/" is the date separator,
// ":" the time separator, text in quotes is copied.
QString FormatDateTime(const QString &format, TDateTime value);
// Parses "d/m/yyyy" (or with two-digit year); false when the text is not such a date.
bool TryStrToDate(const QString &text, TDateTime &result);

// The program's number and date formats, fixed to Greek whatever the machine's locale.
struct TFormatSettings {
    QChar DecimalSeparator = u',';
    QChar ThousandSeparator = u'.';
    QString CurrencyString = QStringLiteral("€");
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
};
const TFormatSettings &GreekFormatSettings();

// "1.234,50": the amount with the given decimals (halves to even), thousands grouped when asked.
QString FormatAmount(Currency value, int decimals = 2, bool thousands = true,
                     const TFormatSettings &fs = GreekFormatSettings());
// Plain digits with the decimal separator of fs, no grouping; used where a separator is replaced.
QString FormatFixed(long double value, int decimals, const TFormatSettings &fs = GreekFormatSettings());
// Accepts "1.234,5", "1234,50", "-3" (thousands separators optional); false on anything else.
bool TryStrToCurrency(const QString &text, Currency &result, const TFormatSettings &fs = GreekFormatSettings());
