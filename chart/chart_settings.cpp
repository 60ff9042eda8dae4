#include "chart_settings.h"

#include "convert_unit.h"
#include "text_table.h"

#include <algorithm>

namespace velmarsund {
namespace {

struct RangeRow {
    int tMaxSi, tMaxIp, xMaxSi, xMaxIp, xStepSi, xStepIp, hStepSi, hStepIp;
};
constexpr RangeRow kRanges[kChartRangeCount] = {{60, 140, 20, 140, 2, 10, 5, 2},
                                                {80, 180, 30, 220, 2, 10, 10, 5},
                                                {100, 220, 40, 280, 5, 20, 10, 5},
                                                {120, 260, 50, 360, 5, 20, 10, 5},
                                                {140, 300, 60, 440, 5, 20, 20, 10}};

const RangeRow& Row(int index) { return kRanges[std::clamp(index, 0, kChartRangeCount - 1)]; }
// An IP range end in degC: its distance from 32 degF converted as a temperature difference.
double Celsius(double fahrenheit) {
    return ConvertTemperatureDifference(Unit::Fahrenheit, Unit::Celsius, fahrenheit - 32);
}
double GramPerKilogram(int grainPerPound) {
    return ConvertUnit(Quantity::HumidityRatio, Unit::GrainPerPound, Unit::GramPerKilogram, grainPerPound);
}

} // namespace

ChartRanges RangesOf(const ChartSettings& s)
{
    const RangeRow& t = Row(s.temperatureRange);
    const RangeRow& x = Row(s.humidityRange);
    if (s.units == UnitSystem::IP)
        return {Celsius(-10.0 * s.lowerSteps),
                Celsius(t.tMaxIp),
                0,
                GramPerKilogram(x.xMaxIp),
                GramPerKilogram(x.xStepIp),
                static_cast<double>(x.hStepIp),
                ConvertTemperatureDifference(Unit::Fahrenheit, Unit::Celsius, 5),
                20};
    return {-20.0 - 10.0 * s.lowerSteps,    static_cast<double>(t.tMaxSi),  0, static_cast<double>(x.xMaxSi),
            static_cast<double>(x.xStepSi), static_cast<double>(x.hStepSi), 2, 10};
}

std::array<QString, kChartRangeCount> TemperatureRangeItems(UnitSystem system)
{
    std::array<QString, kChartRangeCount> items;
    for (int i = 0; i < kChartRangeCount; ++i)
        items[static_cast<std::size_t>(i)] =
            system == UnitSystem::SI
                ? QStringLiteral("-20 .. ") + QString::number(kRanges[i].tMaxSi) + LoadText(411)
                : QStringLiteral("0 .. ") + QString::number(kRanges[i].tMaxIp) + LoadText(412);
    return items;
}

std::array<QString, kChartRangeCount> HumidityRangeItems(UnitSystem system)
{
    std::array<QString, kChartRangeCount> items;
    for (int i = 0; i < kChartRangeCount; ++i)
        items[static_cast<std::size_t>(i)] =
            QStringLiteral("0 .. ") +
            (system == UnitSystem::SI ? QString::number(kRanges[i].xMaxSi) + QStringLiteral(" g/kg")
                                      : QString::number(kRanges[i].xMaxIp) + QStringLiteral(" gr/lb"));
    return items;
}

} // namespace velmarsund
