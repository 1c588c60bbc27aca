#include "EmployFrameFixture.h"

#include <cmath>
#include <limits>
#include <random>

namespace
{

class EmployFrameCompute : public EmployFrameFixture
{
protected:
    void SetUp() override
    {
        EmployFrameFixture::SetUp();
        Page = std::make_unique<TEmployFrame>(nullptr);
        Page->SetPeriod(Day(2003, 1, 15));
    }
    void TearDown() override
    {
        Page.reset();
        EmployFrameFixture::TearDown();
    }
    std::unique_ptr<TEmployFrame> Page;
};

Currency Cents(int64_t c)
{
    return Currency::FromCents(c);
}

} // namespace

TEST_F(EmployFrameCompute, PeriodSetsEveryLinesMonthAndWorkDays)
{
    TEmployFrame &p = *Page;
    for (TXDateFrame *from : {p.XDateFrame1, p.XDateFrame2, p.XDateFrame3})
        EXPECT_EQ(from->Caption(), QStringLiteral("01/01/2003"));
    for (TXDateFrame *to : {p.XDateFrame4, p.XDateFrame5, p.XDateFrame6}) {
        EXPECT_EQ(to->Caption(), QStringLiteral("31/01/2003"));
        EXPECT_GT(to->Date(), Day(2003, 1, 31)) << "the period ends at the end of its last day";
    }
    for (TXIntegerFrame *days : {p.DayCount39_1, p.DayCount39_2, p.DayCount39_3}) {
        EXPECT_EQ(days->Value(), 23);
        // The limit is the month's calendar days.
        EXPECT_EQ(days->MaxValue(), 31);
    }
    EXPECT_EQ(p.DayCount43_2->MaxValue(), 31);
    EXPECT_EQ(p.DayCount43_2->Value(), 0);
    p.SetPeriod(Day(2003, 2, 28));
    EXPECT_EQ(p.XDateFrame5->Caption(), QStringLiteral("28/02/2003"));
    EXPECT_EQ(p.DayCount39_3->Value(), 20);
    EXPECT_EQ(p.DayCount39_3->MaxValue(), 28);
    // Typed days beyond the line's range are brought down to it.
    p.DayCount43_1->SetValue(40);
    EXPECT_EQ(p.DayCount43_1->Value(), 28);
}

TEST_F(EmployFrameCompute, DatesOfOneLineRecountOnlyThatLine)
{
    TEmployFrame &p = *Page;
    p.XDateFrame2->SetDate(Day(2003, 1, 13)); // Monday
    p.XDateFrame5->SetDate(Day(2003, 1, 19)); // Sunday
    EXPECT_EQ(p.DayCount39_2->Value(), 5);
    EXPECT_EQ(p.DayCount39_2->MaxValue(), 7);
    EXPECT_EQ(p.DayCount43_2->MaxValue(), 7);
    EXPECT_EQ(p.DayCount39_1->Value(), 23);
    // From after To: no days and no limit.
    p.XDateFrame2->SetDate(Day(2003, 1, 20));
    EXPECT_EQ(p.DayCount39_2->Value(), 0);
    p.DayCount39_2->SetValue(45);
    p.DayCount43_2->SetValue(45);
    EXPECT_EQ(p.DayCount39_2->Value(), 45);
    EXPECT_EQ(p.DayCount43_2->Value(), 45);
}

TEST_F(EmployFrameCompute, WorkDaysOfAnyRangeMatchTheDayByDayCountAndDatesBeyondTheCalendarCountNone)
{
    TEmployFrame &p = *Page;
    // The days From, From + 1, ... while not after To, Monday to Friday.
    auto dayByDay = [](TDateTime from, TDateTime to) {
        int n = 0;
        for (TDateTime d = from; d <= to; d += 1)
            if (DayOfTheWeek(d) <= 5)
                ++n;
        return n;
    };
    std::mt19937 random(2003);
    for (int i = 0; i < 300; ++i) {
        const TDateTime from = Day(2003, 1, 1) + double(random() % 3000) + double(random() % 1000) / 1000;
        const TDateTime to = from + double(int(random() % 900) - 60) + double(random() % 1000) / 1000;
        p.CountWorkDays(p.DayCount39_1, true, from, to);
        ASSERT_EQ(p.DayCount39_1->Value(), dayByDay(from, to)) << from << " " << to;
        ASSERT_EQ(p.DayCount39_1->MaxValue(), int(std::floor(to) - std::floor(from)) + 1) << from << " " << to;
    }
    // A range of centuries is counted at once.
    p.CountWorkDays(p.DayCount39_1, true, Day(100, 1, 1), Day(9999, 12, 31));
    EXPECT_EQ(p.DayCount39_1->MaxValue(), 3615900);
    EXPECT_EQ(p.DayCount39_1->Value(), 3615900 / 7 * 5 + 1); // 01/01/0100 is a Friday
    // Dates no calendar holds: no limit and nothing counted.
    for (double absurd : {1e20, 3e9, -1e20, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()}) {
        p.CountWorkDays(p.DayCount39_1, true, Day(2003, 1, 1), absurd);
        EXPECT_EQ(p.DayCount39_1->Value(), 0) << absurd;
        EXPECT_EQ(p.DayCount39_1->MaxValue(), 0) << absurd;
        p.CountWorkDays(p.DayCount39_1, true, absurd, Day(2003, 1, 1));
        EXPECT_EQ(p.DayCount39_1->Value(), 0) << absurd;
    }
}

TEST_F(EmployFrameCompute, EarningsRoundToTheCentHalvesToEven)
{
    TEmployFrame &p = *Page;
    p.DayCount39_1->SetValue(20);
    p.XIntegerFrame1->SetValue(2);
    p.Payment1->SetValue(Cents(4000));
    EXPECT_EQ(p.Apodoxes1->Value(), Cents(86000));
    EXPECT_EQ(p.Apodoxes1->Caption(), QStringLiteral("860,00 €"));
    // Accounting days count like days.
    p.DayCount43_1->SetValue(1);
    EXPECT_EQ(p.Apodoxes1->Value(), Cents(90000));

    p.DayCount39_2->SetValue(0);
    p.XIntegerFrame2->SetValue(1);
    p.Payment2->SetValue(Cents(6));
    EXPECT_EQ(p.Apodoxes2->Value(), Cents(4)); // 0.045
    p.Payment2->SetValue(Cents(2));
    EXPECT_EQ(p.Apodoxes2->Value(), Cents(2)); // 0.015
}

TEST_F(EmployFrameCompute, ContributionsFollowThePackage)
{
    TEmployFrame &p = *Page;
    p.xFrame35a->SetCaption(QStringLiteral("999"));
    EXPECT_EQ(p.xFrame34a->Caption(), QStringLiteral("2"));
    p.DayCount39_1->SetValue(20);
    p.XIntegerFrame1->SetValue(2);
    p.Payment1->SetValue(Cents(4000));
    EXPECT_EQ(p.EisforesEmpolyer1->Value(), Cents(8600));  // the insured's 10 %
    EXPECT_EQ(p.EisforesEmpolyee1->Value(), Cents(17200)); // the employer's 20 %
    EXPECT_EQ(p.EisforesTotal1->Value(), Cents(25800));
    EXPECT_EQ(p.ContributionsSum(), Cents(25800));

    // The shipped package 781: 19.45 % and 65.266 %, each rounded to the cent, the total their sum.
    p.xFrame35a->SetCaption(QStringLiteral("781"));
    EXPECT_EQ(p.xFrame34a->Caption(), QString()); // its case 0 shows nothing
    EXPECT_EQ(p.EisforesEmpolyer1->Value(), Cents(16727));
    EXPECT_EQ(p.EisforesEmpolyee1->Value(), Cents(56129));
    EXPECT_EQ(p.EisforesTotal1->Value(), Cents(72856));

    // A package the table does not hold keeps the previous values; its case box empties.
    p.xFrame35a->SetCaption(QStringLiteral("999"));
    p.xFrame35a->SetCaption(QStringLiteral("123"));
    EXPECT_EQ(p.xFrame34a->Caption(), QString());
    EXPECT_EQ(p.EisforesTotal1->Value(), Cents(25800));
    p.DayCount39_1->SetValue(10);
    EXPECT_EQ(p.Apodoxes1->Value(), Cents(46000));
    EXPECT_EQ(p.EisforesTotal1->Value(), Cents(25800));
}

TEST_F(EmployFrameCompute, EmployeePickComputesTheWholeLine)
{
    TEmployFrame &p = *Page;
    // Married, two triennia, specialty 933110, package 781: wage 71.11 from the shipped table.
    PickEmployee(&p, 0, QStringLiteral("123456789"));
    EXPECT_EQ(p.Payment1->Value(), Cents(7111));
    EXPECT_EQ(p.Apodoxes1->Value(), Cents(7111 * 23));
    EXPECT_EQ(p.EisforesTotal1->Value(), p.EisforesEmpolyer1->Value() + p.EisforesEmpolyee1->Value());
    EXPECT_FALSE(p.EisforesTotal1->Value().IsZero());
    // Unmarried, no triennia, 933120 with a 10 % allowance of its base wage.
    PickEmployee(&p, 1, QStringLiteral("222333444"));
    const Currency base = Module->GetBaseWage(QStringLiteral("933120"));
    EXPECT_EQ(p.Payment2->Value(), base + Currency::FromCents(RoundHalfEven(base.ToDouble() * 10)));
    EXPECT_EQ(p.EarningsSum(), p.Apodoxes1->Value() + p.Apodoxes2->Value());
    EXPECT_EQ(p.DaysSum(), 46);
    p.DayCount43_1->SetValue(2);
    EXPECT_EQ(p.DaysSum(), 48);
    // The pick leaves the branch (no data source) and the special case (no field) alone.
    EXPECT_EQ(p.Frame21C->Caption(), QString());
    EXPECT_EQ(p.DbLookupXFrame25->Caption(), QStringLiteral("01/01/1970"));
    EXPECT_EQ(p.Married2->Caption(), QStringLiteral("ΑΓΑΜΟΣ"));

    // Another employee on the same line: the package comes last, so the contributions use its rates on
    // the new earnings.
    PickEmployee(&p, 0, QStringLiteral("555666777"));
    EXPECT_EQ(p.xFrame35a->Caption(), QStringLiteral("218"));
    float insured = 0, employer = 0;
    ASSERT_TRUE(Module->GetContributionRates(QStringLiteral("218"), insured, employer));
    EXPECT_EQ(p.EisforesEmpolyer1->Value(),
              Currency::FromDouble((long double)insured * p.Apodoxes1->Value().ToDouble() * 0.01L).RoundedToCents());
}

TEST_F(EmployFrameCompute, DailyWageFollowsSpecialtyStatusTrienniaAndRegisterNumber)
{
    TEmployFrame &p = *Page;
    PickEmployee(&p, 0, QStringLiteral("123456789"));
    ASSERT_EQ(p.Payment1->Value(), Cents(7111));
    // The wage belongs to status and triennia as much as to the specialty.
    p.Married1->SetCaption(QStringLiteral("ΑΓΑΜΟΣ"));
    p.Periods1->SetCaption(QStringLiteral("0"));
    EXPECT_EQ(p.Payment1->Value(), Module->GetWage(QStringLiteral("933110"), QStringLiteral("0"), QStringLiteral("ΑΓΑΜΟΣ")));
    // And the allowance to the register number: 222333444 has 10 % on 933120.
    p.Specialty1->SetCaption(QStringLiteral("933120"));
    const Currency plain = p.Payment1->Value();
    p.XFrame22a->SetCaption(QStringLiteral("222333444"));
    EXPECT_EQ(p.Payment1->Value(), plain + Module->EmployeeAllowance(QStringLiteral("933120"), QStringLiteral("222333444")));
    EXPECT_GT(p.Payment1->Value(), plain);
    // Typed by hand, the wage drives the earnings.
    p.Payment1->CommitEditText(QStringLiteral("50,00"));
    EXPECT_EQ(p.Apodoxes1->Value(), Cents(5000 * 23));
    // A click on the wage box takes the table's wage again.
    p.Payment1->Click();
    EXPECT_EQ(p.Payment1->Value(), plain + Module->EmployeeAllowance(QStringLiteral("933120"), QStringLiteral("222333444")));
    EXPECT_EQ(p.Apodoxes1->Value(), Currency::FromCents(p.Payment1->Value().Cents() * 23));
    EXPECT_TRUE(Errors.empty());
}

TEST_F(EmployFrameCompute, UnknownSpecialtyIsToldOnceAndEmptiesTheWage)
{
    TEmployFrame &p = *Page;
    p.Payment3->SetValue(Cents(1234));
    ASSERT_GT(p.Apodoxes3->Value(), Currency());
    p.Specialty3->SetCaption(QStringLiteral("111111"));
    ASSERT_EQ(Errors.size(), 1u);
    // The code stays for the user to see and correct; no wage of another specialty stays beside it.
    EXPECT_EQ(p.Specialty3->Caption(), QStringLiteral("111111"));
    EXPECT_EQ(p.Payment3->Value(), Currency());
    EXPECT_EQ(p.Apodoxes3->Value(), Currency());
    // An empty code is a wage of 0, and no error.
    p.Specialty3->SetCaption(QString());
    EXPECT_EQ(p.Payment3->Value(), Currency());
    EXPECT_EQ(Errors.size(), 1u);
}

TEST_F(EmployFrameCompute, EveryBoxChangeReachesOnChange)
{
    TEmployFrame &p = *Page;
    int changes = 0;
    p.OnChange = [&](TObject *Sender) {
        EXPECT_EQ(Sender, Page.get());
        ++changes;
    };
    p.DbLookupXFrame21->SetCaption(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    EXPECT_EQ(changes, 1);
    p.DbLookupXFrame21->SetCaption(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    EXPECT_EQ(changes, 1);
    // One edit runs down the chain: wage, earnings; each box that changes tells.
    p.Payment1->SetValue(Cents(100));
    EXPECT_EQ(changes, 3);
}
