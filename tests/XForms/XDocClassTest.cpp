#include "XForms/XDocClass.h"

#include <gtest/gtest.h>

namespace
{
const TMapUnit Screen = TMapUnit::Device(96);
const TMapUnit LoMetric = TMapUnit::Metric(0.1f);
const TMapUnit HiMetric = TMapUnit::Metric(0.01f);
const TMapUnit Twips = TMapUnit::English(1.0f / 1440);

TMapUnit UnknownKind()
{
    TMapUnit u = TMapUnit::Metric(0.1f);
    u.Kind = 7;
    return u;
}
} // namespace

TEST(ConvertMapUnits, LoMetricAndScreenRoundTrip)
{
    EXPECT_EQ(ConvertMapUnits(1000, LoMetric, Screen), 378);
    EXPECT_EQ(ConvertMapUnits(378, Screen, LoMetric), 1000);
    EXPECT_EQ(ConvertMapUnits(1745, LoMetric, Screen), 660);
    EXPECT_EQ(ConvertMapUnits(2850, LoMetric, Screen), 1077);
    EXPECT_EQ(ConvertMapUnits(2, LoMetric, Screen), 1);
    EXPECT_EQ(ConvertMapUnits(1, LoMetric, Screen), 0);
    EXPECT_EQ(ConvertMapUnits(-1000, LoMetric, Screen), -378);
}

TEST(ConvertMapUnits, MetricEnglishAndDevice)
{
    EXPECT_EQ(ConvertMapUnits(100, LoMetric, Twips), 567);
    EXPECT_EQ(ConvertMapUnits(1440, Twips, LoMetric), 254);
    EXPECT_EQ(ConvertMapUnits(1000, LoMetric, HiMetric), 10000);
    EXPECT_EQ(ConvertMapUnits(1745, LoMetric, TMapUnit::Device(120)), 824);
    EXPECT_EQ(ConvertMapUnits(96, Screen, TMapUnit::Device(600)), 600);
}

TEST(ConvertMapUnits, UnknownKinds)
{
    EXPECT_EQ(ConvertMapUnits(12345, UnknownKind(), Screen), 0);
    EXPECT_EQ(ConvertMapUnits(12345, UnknownKind(), UnknownKind()), 0);
    // 5 x 0.1 in single precision is a little above 0.5 mm.
    EXPECT_EQ(ConvertMapUnits(5, LoMetric, UnknownKind()), 1);
    // Exact halves go to the even neighbour: 0.5 mm -> 0, 1.5 mm -> 2, 2.5 mm -> 2.
    EXPECT_EQ(ConvertMapUnits(1, TMapUnit::Metric(0.5f), UnknownKind()), 0);
    EXPECT_EQ(ConvertMapUnits(3, TMapUnit::Metric(0.5f), UnknownKind()), 2);
    EXPECT_EQ(ConvertMapUnits(5, TMapUnit::Metric(0.5f), UnknownKind()), 2);
}

TEST(ConvertMapUnits, DegenerateUnitsGiveZeroNotGarbage)
{
    EXPECT_EQ(ConvertMapUnits(100, TMapUnit::Device(0), LoMetric), 0);
    EXPECT_EQ(ConvertMapUnits(100, LoMetric, TMapUnit::Metric(0.0f)), 0);
    EXPECT_EQ(ConvertMapUnits(2000000000, TMapUnit::Metric(1000.0f), HiMetric), INT32_MAX);
}
