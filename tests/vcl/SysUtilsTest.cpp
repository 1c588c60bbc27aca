#include "vcl/CodePage.h"
#include "vcl/SysUtils.h"

#include <QDate>
#include <gtest/gtest.h>
#include <limits>

TEST(Rounding, HalvesGoToEven)
{
    EXPECT_EQ(RoundHalfEven(0.5L), 0);
    EXPECT_EQ(RoundHalfEven(1.5L), 2);
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(RoundHalfEven(-3.5L), -4);
    EXPECT_EQ(RoundHalfEven(2.4999L), 2);
    EXPECT_THROW(RoundHalfEven(1e30L), EConvertError);
}

TEST(Rounding, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(5, 1, 4), 1);
    EXPECT_EQ(MulDiv(100000, 100000, 1000), 10000000); // needs the 64-bit intermediate
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 1), -1);
}

TEST(CurrencyTest, ConversionsRoundHalfEvenAtFourDecimals)
{
    EXPECT_EQ(Currency::FromDouble(1.23455L).Raw(), 12346); // 12345.5 -> even 12346
    EXPECT_EQ(Currency::FromDouble(0.00005L).Raw(), 0);
    EXPECT_EQ(Currency::FromDouble(-1.5L).Raw(), -15000);
    EXPECT_EQ(Currency::FromCents(12345).Raw(), 1234500);
    EXPECT_THROW(Currency::FromDouble(std::numeric_limits<long double>::infinity()), EConvertError);
}

TEST(CurrencyTest, CentsRoundHalfEvenAndArithmeticIsExact)
{
    EXPECT_EQ(Currency::FromRaw(12350).Cents(), 124);
    EXPECT_EQ(Currency::FromRaw(12250).Cents(), 122);
    EXPECT_EQ(Currency::FromRaw(12251).Cents(), 123);
    EXPECT_EQ(Currency::FromRaw(-12350).Cents(), -124);
    EXPECT_EQ(Currency::FromRaw(-12250).Cents(), -122);
    Currency sum;
    for (int i = 0; i < 10; ++i)
        sum += Currency::FromDouble(0.1L);
    EXPECT_EQ(sum, Currency::FromInt(1));
    EXPECT_EQ((Currency::FromInt(5) - Currency::FromCents(1)).Raw(), 49900);
    // Sums of values from files stop at the ends of the range.
    const Currency top = Currency::FromRaw(INT64_MAX - 5), bottom = Currency::FromRaw(INT64_MIN + 5);
    EXPECT_EQ(top.SaturatedAdd(Currency::FromRaw(10)).Raw(), INT64_MAX);
    EXPECT_EQ(bottom.SaturatedAdd(Currency::FromRaw(-10)).Raw(), INT64_MIN);
    EXPECT_EQ(top.SaturatedAdd(bottom).Raw(), -1);
}

TEST(Formatting, AmountsUseGreekSeparators)
{
    EXPECT_EQ(FormatAmount(Currency::FromDouble(1234567.5L)), QStringLiteral("1.234.567,50"));
    EXPECT_EQ(FormatAmount(Currency::FromDouble(0.125L)), QStringLiteral("0,12"));
    EXPECT_EQ(FormatAmount(Currency::FromDouble(0.135L)), QStringLiteral("0,14"));
    EXPECT_EQ(FormatAmount(Currency::FromDouble(-12.3L), 2, false), QStringLiteral("-12,30"));
    EXPECT_EQ(FormatAmount(Currency::FromDouble(-0.001L)), QStringLiteral("0,00"));
    EXPECT_EQ(FormatAmount(Currency::FromInt(999), 0), QStringLiteral("999"));
    EXPECT_EQ(FormatAmount(Currency::FromInt(1000), 0), QStringLiteral("1.000"));
}

TEST(Formatting, ParsesGreekAmounts)
{
    Currency c;
    ASSERT_TRUE(TryStrToCurrency(QStringLiteral("1.234,5"), c));
    EXPECT_EQ(c, Currency::FromDouble(1234.5L));
    ASSERT_TRUE(TryStrToCurrency(QStringLiteral("-3"), c));
    EXPECT_EQ(c, Currency::FromInt(-3));
    ASSERT_TRUE(TryStrToCurrency(QStringLiteral("0,00005"), c));
    EXPECT_EQ(c.Raw(), 0); // half to even
    ASSERT_TRUE(TryStrToCurrency(QStringLiteral("0,00015"), c));
    EXPECT_EQ(c.Raw(), 2);
    EXPECT_FALSE(TryStrToCurrency(QStringLiteral("12a"), c));
    EXPECT_FALSE(TryStrToCurrency(QStringLiteral(""), c));
    EXPECT_FALSE(TryStrToCurrency(QStringLiteral("99999999999999999999"), c));
}

TEST(Dates, CountFromTheEndOf1899)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2003, 2, 1), 37653.0);
    const TDateParts p = DecodeDate(37653.75);
    EXPECT_EQ(p.Year, 2003);
    EXPECT_EQ(p.Month, 2);
    EXPECT_EQ(p.Day, 1);
    EXPECT_THROW(EncodeDate(2003, 2, 29), EConvertError);
    EXPECT_EQ(DateTimeToQDate(QDateToDateTime(QDate(2024, 2, 29))), QDate(2024, 2, 29));
}

TEST(Dates, MonthBoundsAndWeekdays)
{
    const TDateTime d = EncodeDate(2024, 2, 14);
    EXPECT_EQ(StartOfTheMonth(d), EncodeDate(2024, 2, 1));
    EXPECT_EQ(EndOfTheMonth(d), EncodeDate(2024, 2, 29));
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2026, 12, 7)), 1); // a Monday
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2026, 12, 6)), 7);
}

TEST(Dates, CalendarRangeIsYear100ToYear9999WithTimeOfDay)
{
    const TDateTime first = EncodeDate(100, 1, 1);
    const TDateTime last = EncodeDate(9999, 12, 31);
    EXPECT_TRUE(IsValidCalendarDate(first));
    EXPECT_TRUE(IsValidCalendarDate(first - 0.75)); // 01/01/0100 18:00, time away from zero
    EXPECT_TRUE(IsValidCalendarDate(last + 0.999));
    EXPECT_TRUE(IsValidCalendarDate(0.0));
    EXPECT_FALSE(IsValidCalendarDate(first - 1.0));
    EXPECT_FALSE(IsValidCalendarDate(last + 1.0));
    EXPECT_EQ(DecodeDate(last + 0.999).Year, 9999);
    EXPECT_EQ(DecodeDate(first - 0.75).Year, 100);
    for (double absurd : {1e20, -1e20, 3e9, std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(IsValidCalendarDate(absurd)) << absurd;
}

TEST(Dates, FormatsAndParses)
{
    const TDateTime d = EncodeDate(2003, 2, 1) + EncodeTime(13, 5, 9);
    EXPECT_EQ(FormatDateTime(QStringLiteral("ddmmyyyy"), d), QStringLiteral("01022003"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("dd/mm/yyyy"), d), QStringLiteral("01/02/2003"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("mm"), d), QStringLiteral("02"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy"), d), QStringLiteral("2003"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("d/m/yy hh:nn:ss"), d), QStringLiteral("1/2/03 13:05:09"));
    TDateTime r = 0;
    ASSERT_TRUE(TryStrToDate(QStringLiteral("5/11/1970"), r));
    EXPECT_EQ(r, EncodeDate(1970, 11, 5));
    EXPECT_FALSE(TryStrToDate(QStringLiteral("31/2/2003"), r));
    EXPECT_FALSE(TryStrToDate(QStringLiteral("1/2"), r));
}

TEST(CodePage1253, GreekRoundTripsAndUnknownCharactersAreRefused)
{
    const QString text = QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ. άέήίόύώϊϋΐΰς € «»");
    const QByteArray bytes = ToCp1253(text);
    ASSERT_EQ(bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC1); // Α
    EXPECT_EQ(FromCp1253(bytes), text);
    EXPECT_TRUE(IsCp1253(text));
    EXPECT_EQ(FindNonCp1253(QStringLiteral("abcЖ")), 3);
    try {
        ToCp1253(QStringLiteral("Ivan Ж"), QStringLiteral("Επώνυμο"));
        FAIL() << "expected a refusal";
    } catch (const ECodePageError &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Ж")));
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Επώνυμο")));
    }
}

TEST(CodePage1253, EveryByteReadsAndWritesBack)
{
    QByteArray all(256, 0);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    const QString decoded = FromCp1253(all);
    EXPECT_EQ(ToCp1253(decoded), all);
    // Latin letters outside the code page are refused even where an undefined byte has the same value.
    EXPECT_FALSE(IsCp1253(QStringLiteral("\u00D2")));
    EXPECT_FALSE(IsCp1253(QStringLiteral("\u00FF")));
}

TEST(Rounding, RoundToDecimalsHalvesToEven)
{
    EXPECT_EQ(RoundTo(0.125L, 2), 0.12L);
    EXPECT_EQ(RoundTo(0.375L, 2), 0.38L);
    EXPECT_EQ(RoundTo(-1.5L, 0), -2.0L);
    EXPECT_NEAR(static_cast<double>(RoundTo(1234.5678L, 2)), 1234.57, 1e-12);
}
