#include "EmployFrameFixture.h"

#include "declaration/ApdFile.h"

namespace
{
class EmployFrameCompute : public EmployFrameFixture
{
};
} // namespace

TEST_F(EmployFrameCompute, SmokeCreate)
{
    TEmployFrame page(nullptr);
    page.SetPeriod(Day(2003, 1, 15));
    EXPECT_EQ(page.DayCount39_1->Value(), 23);
    PickEmployee(&page, 0, QStringLiteral("123456789"));
    printf("wage %s earnings %s total %s married %s\n", qPrintable(page.Payment1->Caption()),
           qPrintable(page.Apodoxes1->Caption()), qPrintable(page.EisforesTotal1->Caption()),
           qPrintable(page.Married1->Caption()));
}
