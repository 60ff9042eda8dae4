#include "convert_unit.h"

#include <span>

namespace velmarsund {
namespace {

struct UnitRule {
    UnitCode unit;
    double (*toBase)(double v);
    double (*fromBase)(double b);
};

struct KindRules {
    QuantityKind kind;
    UnitCode base;
    std::span<const UnitRule> others;
};

// The constants are the program's own decimal literals, not the exact physical factors: one
// atmosphere is 1013 mbar and 1 kW shows as 3412 BTU/h.
constexpr UnitRule kAirVolume[] = {
    {Unit::Cfm, [](double v) { return v / 0.5886; }, [](double b) { return b * 0.5886; }},
};
constexpr UnitRule kTemperature[] = {
    {Unit::Fahrenheit, [](double v) { return (v - 32) / 180 * 100; },
     [](double b) { return b * 180 / 100 + 32; }},
};
constexpr UnitRule kHumidityRatio[] = {
    {Unit::GrainPerPound, [](double v) { return v / 7; }, [](double b) { return b * 7; }},
};
constexpr UnitRule kPressureDrop[] = {
    {Unit::InchWaterGauge, [](double v) { return v * 249.08; }, [](double b) { return b / 249.08; }},
};
constexpr UnitRule kVelocity[] = {
    {Unit::FeetPerMinute, [](double v) { return v / 196.85; }, [](double b) { return b * 196.85; }},
};
constexpr UnitRule kHeatFlow[] = {
    {Unit::Kilowatt, [](double v) { return v * 1000; }, [](double b) { return b / 1000; }},
    {Unit::BtuPerHour, [](double v) { return v * 1000 / 3412; }, [](double b) { return b / 1000 * 3412; }},
};
constexpr UnitRule kAirPressure[] = {
    {Unit::Atmosphere, [](double v) { return v * 1013; }, [](double b) { return b / 1013; }},
};
constexpr UnitRule kMassFlow[] = {
    {Unit::PoundPerHour, [](double v) { return v / 2.2046; }, [](double b) { return b * 2.2046; }},
};
constexpr UnitRule kMass[] = {
    {Unit::Pound, [](double v) { return v / 2.2046; }, [](double b) { return b * 2.2046; }},
};
constexpr UnitRule kLength[] = {
    {Unit::Millimetre, [](double v) { return v / 1000; }, [](double b) { return b * 1000; }},
    {Unit::Foot, [](double v) { return v / 3.2808; }, [](double b) { return b * 3.2808; }},
    {Unit::Inch, [](double v) { return v * 0.0254; }, [](double b) { return b / 0.0254; }},
};
constexpr UnitRule kEnthalpy[] = {
    {Unit::BtuPerPound, [](double v) { return (v - 7.71) * 2.3244; }, [](double b) { return b / 2.3244 + 7.71; }},
};
constexpr UnitRule kDensity[] = {
    {Unit::PoundPerCubicFoot, [](double v) { return v * 16.0185; }, [](double b) { return b / 16.0185; }},
};
constexpr UnitRule kPower[] = {
    {Unit::Watt, [](double v) { return v / 1000; }, [](double b) { return b * 1000; }},
    {Unit::Horsepower, [](double v) { return v * 0.7457; }, [](double b) { return b / 0.7457; }},
};
// 1 kWh is 3.412 kBtu, as 1 kW shows as 3412 BTU/h.
constexpr UnitRule kEnergy[] = {
    {Unit::KiloBtu, [](double v) { return v / 3.412; }, [](double b) { return b * 3.412; }},
};

constexpr KindRules kKinds[] = {
    {Quantity::AirVolumeFlow, Unit::CubicMetrePerHour, kAirVolume},
    {Quantity::Temperature, Unit::Celsius, kTemperature},
    {Quantity::HumidityRatio, Unit::GramPerKilogram, kHumidityRatio},
    {Quantity::PressureDrop, Unit::Pascal, kPressureDrop},
    {Quantity::AirVelocity, Unit::MetrePerSecond, kVelocity},
    {Quantity::HeatFlow, Unit::Watt, kHeatFlow},
    {Quantity::AirPressure, Unit::Millibar, kAirPressure},
    {Quantity::MassFlow, Unit::KilogramPerHour, kMassFlow},
    {Quantity::Mass, Unit::Kilogram, kMass},
    {Quantity::Length, Unit::Metre, kLength},
    {Quantity::Enthalpy, Unit::KilojoulePerKilogram, kEnthalpy},
    {Quantity::Density, Unit::KilogramPerCubicMetre, kDensity},
    {Quantity::Power, Unit::Kilowatt, kPower},
    {Quantity::Energy, Unit::KilowattHour, kEnergy},
};

const UnitRule* FindUnit(const KindRules& rules, UnitCode unit)
{
    for (const UnitRule& rule : rules.others)
        if (rule.unit == unit) return &rule;
    return nullptr;
}

} // namespace

double ConvertUnit(QuantityKind kind, UnitCode from, UnitCode to, double value)
{
    for (const KindRules& rules : kKinds) {
        if (rules.kind != kind) continue;
        double base = value;
        if (const UnitRule* source = FindUnit(rules, from)) base = source->toBase(value);
        if (to == rules.base) return base;
        if (const UnitRule* target = FindUnit(rules, to)) return target->fromBase(base);
        return value;
    }
    return value;
}

double ConvertTemperatureDifference(UnitCode from, UnitCode to, double difference) {
    if (from == Unit::Fahrenheit && to == Unit::Celsius) return difference / 1.8;
    if (from == Unit::Celsius && to == Unit::Fahrenheit) return difference * 1.8;
    return difference;
}

double ConvertPressure(double pressure, UnitSystem from, UnitSystem to) {
    if (from == to) return pressure;
    const double pascal = ConvertUnit(
        Quantity::PressureDrop, UnitChoice(from, Unit::Pascal, Unit::InchWaterGauge), Unit::Pascal, pressure);
    return ConvertUnit(Quantity::PressureDrop, Unit::Pascal,
                       UnitChoice(to, Unit::Pascal, Unit::InchWaterGauge), pascal);
}

} // namespace velmarsund
