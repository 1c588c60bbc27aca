// Measurement units of the paper forms and the page interface that boxes and content printers draw on.
#pragma once

#include "vcl/Types.h"

#include <cstdint>

class TCanvas;

enum TMapUnitKind : uint8_t { ukMetric = 0, ukEnglish = 1, ukDevice = 2 };

// A unit of length: millimetres or inches per unit (single precision, as stored in the unit table), or a
// device resolution in dots per inch. Kind is a plain byte, so values outside the enumeration can occur.
struct TMapUnit {
    uint8_t Kind = ukDevice;
    union {
        float Metric;  // ukMetric: millimetres per unit
        float English; // ukEnglish: inches per unit
        int32_t Dpi;   // ukDevice: dots per inch
    } Factor{.Dpi = 96};

    static constexpr TMapUnit Metric(float mmPerUnit)
    {
        TMapUnit u;
        u.Kind = ukMetric;
        u.Factor.Metric = mmPerUnit;
        return u;
    }
    static constexpr TMapUnit English(float inchPerUnit)
    {
        TMapUnit u;
        u.Kind = ukEnglish;
        u.Factor.English = inchPerUnit;
        return u;
    }
    static constexpr TMapUnit Device(int32_t dpi)
    {
        TMapUnit u;
        u.Kind = ukDevice;
        u.Factor.Dpi = dpi;
        return u;
    }
    bool operator==(const TMapUnit &o) const;
};

// Converts a length between two units through millimetres, rounding halves to even. Never fails: a unit of
// unknown kind contributes 0 millimetres as source and passes the millimetres through as target.
int32_t ConvertMapUnits(int32_t value, const TMapUnit &fromUnit, const TMapUnit &toUnit);

// One page of a printed or recorded document. The canvas is already mapped so that one logical unit is
// 0.1 mm on paper; GetPageRect is in that unit with the origin at the top left. Holders never own a page.
class IPage
{
public:
    virtual int PageNumber() = 0;
    virtual TRect GetPageRect() = 0;
    virtual TCanvas *Canvas() = 0;

protected:
    ~IPage() = default;
};
