#include "convert_unit.h"
#include "number_rounding.h"
#include "unit_system.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmarsund {
namespace {

struct Conversion {
    QuantityKind kind;
    UnitCode from;
    UnitCode to;
    double value;
    double expected;
};

TEST(ConvertUnit, ProgramConstants)
{
    const Conversion cases[] = {
        {Quantity::AirVolumeFlow, Unit::CubicMetrePerHour, Unit::Cfm, 100, 58.86},
        {Quantity::AirVolumeFlow, Unit::Cfm, Unit::CubicMetrePerHour, 58.86, 100},
        {Quantity::Temperature, Unit::Celsius, Unit::Fahrenheit, -40, -40},
        {Quantity::Temperature, Unit::Celsius, Unit::Fahrenheit, 20, 68},
        {Quantity::Temperature, Unit::Fahrenheit, Unit::Celsius, 10.4, -12},
        {Quantity::Enthalpy, Unit::KilojoulePerKilogram, Unit::BtuPerPound, 0, 7.71},
        {Quantity::Enthalpy, Unit::BtuPerPound, Unit::KilojoulePerKilogram, 7.71, 0},
        {Quantity::AirPressure, Unit::Millibar, Unit::Atmosphere, 1013, 1},
        {Quantity::HeatFlow, Unit::Kilowatt, Unit::BtuPerHour, 2.5, 8530},
        {Quantity::HeatFlow, Unit::Kilowatt, Unit::Watt, 2.5, 2500},
        {Quantity::AirVelocity, Unit::MetrePerSecond, Unit::FeetPerMinute, 5, 984.25},
        {Quantity::HumidityRatio, Unit::GramPerKilogram, Unit::GrainPerPound, 2, 14},
        {Quantity::PressureDrop, Unit::InchWaterGauge, Unit::Pascal, 1, 249.08},
        {Quantity::MassFlow, Unit::KilogramPerHour, Unit::PoundPerHour, 1000, 2204.6},
        {Quantity::Mass, Unit::Kilogram, Unit::Pound, 10, 22.046},
        {Quantity::Length, Unit::Millimetre, Unit::Foot, 1000, 3.2808},
        {Quantity::Length, Unit::Inch, Unit::Millimetre, 10, 254},
        {Quantity::Density, Unit::KilogramPerCubicMetre, Unit::PoundPerCubicFoot, 16.0185, 1},
        {Quantity::Power, Unit::Watt, Unit::Kilowatt, 1500, 1.5},
        {Quantity::Power, Unit::Horsepower, Unit::Kilowatt, 1, 0.7457},
    };
    for (const Conversion& c : cases)
        EXPECT_NEAR(ConvertUnit(c.kind, c.from, c.to, c.value), c.expected, 1e-9 * (1 + std::abs(c.expected)))
            << "kind " << c.kind << " from " << c.from << " to " << c.to << " value " << c.value;
    EXPECT_EQ(ConvertUnit(Quantity::AirPressure, Unit::Millibar, Unit::Atmosphere, 1013), 1.0);
}

TEST(ConvertUnit, UnitsOutsideTheKind)
{
    // A target of another kind returns the input; so does an unknown kind.
    EXPECT_EQ(ConvertUnit(Quantity::Temperature, Unit::Celsius, Unit::MetrePerSecond, 25), 25);
    EXPECT_EQ(ConvertUnit(Quantity::Temperature, Unit::Fahrenheit, Unit::MetrePerSecond, 25), 25);
    EXPECT_EQ(ConvertUnit(0, Unit::Celsius, Unit::Fahrenheit, 25), 25);
    EXPECT_EQ(ConvertUnit(12, Unit::Celsius, Unit::Fahrenheit, 25), 25);
    // A source of another kind counts as the base unit.
    EXPECT_DOUBLE_EQ(ConvertUnit(Quantity::Temperature, Unit::MetrePerSecond, Unit::Fahrenheit, 25), 77);
    // Heat flow has W as its base, power kW: the same code means different things per kind.
    EXPECT_DOUBLE_EQ(ConvertUnit(Quantity::HeatFlow, Unit::Watt, Unit::Kilowatt, 1000), 1);
    EXPECT_DOUBLE_EQ(ConvertUnit(Quantity::Power, Unit::Kilowatt, Unit::Watt, 1), 1000);
}

TEST(ConvertUnit, EnteredPressuresBetweenUnitSystems) {
    EXPECT_NEAR(ConvertPressure(-300, UnitSystem::SI, UnitSystem::IP), -1.2044, 1e-4);
    EXPECT_DOUBLE_EQ(ConvertPressure(ConvertPressure(-300, UnitSystem::SI, UnitSystem::IP), UnitSystem::IP,
                                     UnitSystem::SI),
                     -300);
    EXPECT_EQ(ConvertPressure(2, UnitSystem::IP, UnitSystem::SI), 498.16);
    // The same system keeps the entered value to the last bit.
    EXPECT_EQ(ConvertPressure(0.1, UnitSystem::SI, UnitSystem::SI), 0.1);
    EXPECT_EQ(ConvertPressure(-1.23, UnitSystem::IP, UnitSystem::IP), -1.23);
}

TEST(ConvertUnit, TemperatureDifferencesWithoutTheOffset) {
    struct Difference {
        UnitCode from;
        UnitCode to;
        double value;
        double expected;
    };
    const Difference cases[] = {
        {Unit::Fahrenheit, Unit::Celsius, 5, 5 / 1.8},
        {Unit::Fahrenheit, Unit::Celsius, 220 - 32, (220 - 32) / 1.8}, // the range end 220 degF in degC
        {Unit::Celsius, Unit::Fahrenheit, 10, 18},
        {Unit::Celsius, Unit::Celsius, 7.3, 7.3},
        {Unit::Fahrenheit, Unit::Fahrenheit, 7.3, 7.3},
        {Unit::Celsius, Unit::MetrePerSecond, 7.3, 7.3},
    };
    for (const Difference& c : cases)
        EXPECT_EQ(ConvertTemperatureDifference(c.from, c.to, c.value), c.expected)
            << "from " << c.from << " to " << c.to << " value " << c.value;
    // A difference of two converted temperatures, up to the rounding of the scales' offset.
    EXPECT_NEAR(ConvertUnit(Quantity::Temperature, Unit::Fahrenheit, Unit::Celsius, 68) -
                    ConvertUnit(Quantity::Temperature, Unit::Fahrenheit, Unit::Celsius, 50),
                ConvertTemperatureDifference(Unit::Fahrenheit, Unit::Celsius, 18), 1e-12);
}

TEST(UnitChoice, PicksByFlag)
{
    EXPECT_EQ(UnitChoice(UnitSystem::SI, Unit::CubicMetrePerHour, Unit::Cfm), Unit::CubicMetrePerHour);
    EXPECT_EQ(UnitChoice(UnitSystem::IP, 2, 1), 1);
    EXPECT_STREQ(UnitChoice(UnitSystem::IP, "g/kg", "gr/lb"), "gr/lb");
    EXPECT_EQ(UnitChoice(true, 806, 648), 806);
}

TEST(RoundTo, HalvesToEven)
{
    EXPECT_EQ(RoundTo(2.5, 0), 2);
    EXPECT_EQ(RoundTo(3.5, 0), 4);
    EXPECT_EQ(RoundTo(-2.5, 0), -2);
    EXPECT_EQ(RoundTo(-3.5, 0), -4);
    EXPECT_EQ(RoundTo(2.4999, 0), 2);
    EXPECT_EQ(RoundTo(5885.9, 0), 5886);
    EXPECT_NEAR(RoundTo(10.43, 1), 10.4, 1e-12);
    EXPECT_NEAR(RoundTo(0.25, 1), 0.2, 1e-12);
    EXPECT_TRUE(std::isnan(RoundTo(std::nan(""), 1)));
}

} // namespace
} // namespace velmarsund
