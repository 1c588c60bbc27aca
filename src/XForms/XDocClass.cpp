#include "XDocClass.h"

#include "vcl/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool TMapUnit::operator==(const TMapUnit &o) const
{
    if (Kind != o.Kind)
        return false;
    switch (Kind) {
    case ukMetric:
    case ukEnglish:
        return Factor.Metric == o.Factor.Metric;
    default:
        return Factor.Dpi == o.Factor.Dpi;
    }
}

int32_t ConvertMapUnits(int32_t value, const TMapUnit &fromUnit, const TMapUnit &toUnit)
{
    double mm = 0;
    switch (fromUnit.Kind) {
    case ukMetric:
        mm = value * static_cast<double>(fromUnit.Factor.Metric);
        break;
    case ukEnglish:
        mm = value * static_cast<double>(fromUnit.Factor.English) * 25.4;
        break;
    case ukDevice:
        mm = (static_cast<double>(value) / fromUnit.Factor.Dpi) * 25.4;
        break;
    default:
        break;
    }
    double r;
    switch (toUnit.Kind) {
    case ukMetric:
        r = mm / static_cast<double>(toUnit.Factor.Metric);
        break;
    case ukEnglish:
        r = (1 / 25.4) * mm / static_cast<double>(toUnit.Factor.English);
        break;
    case ukDevice:
        r = toUnit.Factor.Dpi * mm * (1 / 25.4);
        break;
    default:
        r = mm;
        break;
    }
    // A zero factor or resolution gives no length rather than an undefined conversion.
    if (!std::isfinite(r))
        return 0;
    constexpr double lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(RoundHalfEven(std::clamp(r, lo, hi)));
}
