#pragma once
// Conversion of a quantity between its units. Records hold every value in the base unit of its
// kind; windows and pages convert only where values are shown or read.

#include "unit_system.h"

namespace velmarsund {

using QuantityKind = int;
using UnitCode = int;

namespace Quantity {
constexpr QuantityKind AirVolumeFlow = 1;
constexpr QuantityKind Temperature = 2;
constexpr QuantityKind HumidityRatio = 3;
constexpr QuantityKind PressureDrop = 4;
constexpr QuantityKind AirVelocity = 5;
constexpr QuantityKind HeatFlow = 6;
constexpr QuantityKind AirPressure = 7;
constexpr QuantityKind MassFlow = 8;
constexpr QuantityKind Mass = 9;
constexpr QuantityKind Length = 10;
constexpr QuantityKind Enthalpy = 11;
constexpr QuantityKind Density = 13;
constexpr QuantityKind Power = 14;
constexpr QuantityKind Energy = 15;
} // namespace Quantity

namespace Unit {
constexpr UnitCode CubicMetrePerHour = 1;
constexpr UnitCode Cfm = 2;
constexpr UnitCode Celsius = 3;
constexpr UnitCode Fahrenheit = 4;
constexpr UnitCode GramPerKilogram = 5;
constexpr UnitCode GrainPerPound = 6;
constexpr UnitCode Pascal = 7;
constexpr UnitCode InchWaterGauge = 8;
constexpr UnitCode MetrePerSecond = 9;
constexpr UnitCode FeetPerMinute = 10;
constexpr UnitCode Watt = 11;
constexpr UnitCode Kilowatt = 12;
constexpr UnitCode BtuPerHour = 13;
constexpr UnitCode Millibar = 14;
constexpr UnitCode Atmosphere = 15;
constexpr UnitCode KilogramPerHour = 16;
constexpr UnitCode PoundPerHour = 17;
constexpr UnitCode Kilogram = 18;
constexpr UnitCode Pound = 19;
constexpr UnitCode Metre = 20;
constexpr UnitCode Millimetre = 21;
constexpr UnitCode Foot = 22;
constexpr UnitCode Inch = 23;
constexpr UnitCode KilojoulePerKilogram = 24;
constexpr UnitCode BtuPerPound = 25;
constexpr UnitCode KilogramPerCubicMetre = 28;
constexpr UnitCode PoundPerCubicFoot = 29;
constexpr UnitCode Horsepower = 32;
constexpr UnitCode KilowattHour = 33;
constexpr UnitCode KiloBtu = 34;
} // namespace Unit

// `value` in unit `from` converted to unit `to` of the kind. A source unit that does not belong
// to the kind counts as the base unit; a target unit that does not belong to it, or a kind that
// is not known, returns the value unchanged.
double ConvertUnit(QuantityKind kind, UnitCode from, UnitCode to, double value);

// A temperature difference (a step or a span, without the offset of the scales) between kelvin
// (Unit::Celsius) and degrees Fahrenheit: 1 K is 1.8 degF. Any other pair returns the difference.
double ConvertTemperatureDifference(UnitCode from, UnitCode to, double difference);

// An entered pressure (Pa or in. W.G., as the unit system shows pressures) in the other unit system.
double ConvertPressure(double pressure, UnitSystem from, UnitSystem to);

} // namespace velmarsund
