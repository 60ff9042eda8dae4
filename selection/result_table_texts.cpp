#include "result_table_texts.h"

#include "convert_unit.h"
#include "daten_rwt.h"
#include "number_format.h"
#include "number_rounding.h"
#include "text_table.h"

namespace velmarsund {
namespace {

const QString kIndent = QStringLiteral("    ");

// How one quantity is shown: its kind, the record's unit, the unit of each system, the decimals of
// each system and the format.
struct Shown {
    QuantityKind kind;
    UnitCode base;
    UnitCode si;
    UnitCode ip;
    int siDigits;
    int ipDigits;
    NumberFormat format = NumberFormat::Fixed;
};

constexpr Shown kVolume{Quantity::AirVolumeFlow, Unit::CubicMetrePerHour, Unit::CubicMetrePerHour, Unit::Cfm, 0, 0};
constexpr Shown kMassFlow{Quantity::MassFlow, Unit::KilogramPerHour, Unit::KilogramPerHour, Unit::PoundPerHour, 0, 0};
constexpr Shown kTemperature{Quantity::Temperature, Unit::Celsius, Unit::Celsius, Unit::Fahrenheit, 1, 1};
constexpr Shown kHumidityRatio{Quantity::HumidityRatio, Unit::GramPerKilogram, Unit::GramPerKilogram,
                               Unit::GrainPerPound, 2, 1};
constexpr Shown kEnthalpy{Quantity::Enthalpy, Unit::KilojoulePerKilogram, Unit::KilojoulePerKilogram,
                          Unit::BtuPerPound, 1, 1};
constexpr Shown kFaceVelocity{Quantity::AirVelocity, Unit::MetrePerSecond, Unit::MetrePerSecond,
                              Unit::FeetPerMinute, 2, 0};
constexpr Shown kPressureDrop{Quantity::PressureDrop, Unit::Pascal, Unit::Pascal, Unit::InchWaterGauge, 0, 2};
constexpr Shown kHeatFlow{Quantity::HeatFlow, Unit::Kilowatt, Unit::Kilowatt, Unit::BtuPerHour, 2, 0,
                          NumberFormat::Number};
// Differences of the humidity ratio and transferred water: 2 decimals in both systems, grouped
// like the heat flows of their block.
constexpr Shown kHumidityRatioDifference{Quantity::HumidityRatio, Unit::GramPerKilogram, Unit::GramPerKilogram,
                                         Unit::GrainPerPound, 2, 2, NumberFormat::Number};
constexpr Shown kWaterFlow{Quantity::MassFlow, Unit::KilogramPerHour, Unit::KilogramPerHour, Unit::PoundPerHour, 2,
                           2, NumberFormat::Number};

QString Text(const Shown& q, double value, UnitSystem system)
{
    const double converted = ConvertUnit(q.kind, q.base, UnitChoice(system, q.si, q.ip), value);
    const int digits = UnitChoice(system, q.siDigits, q.ipDigits);
    return q.format == NumberFormat::Number ? FormatNumber(converted, digits) : FormatFixed(converted, digits);
}

// Relative humidities and efficiencies: unconverted, 1 decimal.
QString Percent(double value) { return FormatFixed(value, 1); }

QString VolumeUnit(UnitSystem system, const char* ipLabel)
{
    return UnitChoice(system, LoadText(410), QString::fromLatin1(ipLabel));
}
QString TemperatureUnit(UnitSystem system) { return UnitChoice(system, LoadText(411), LoadText(412)); }
QString Fixed(const char* label) { return QString::fromUtf8(label); }
QString Pick(UnitSystem system, const char* si, const char* ip)
{
    return UnitChoice(system, QString::fromUtf8(si), QString::fromUtf8(ip));
}

} // namespace

InletTexts InletLabels()
{
    InletTexts t;
    t[InletRow::StandardVolume] = kIndent + LoadText(16);
    t[InletRow::MassFlow] = kIndent + LoadText(33);
    t[InletRow::Heading] = LoadText(9);
    t[InletRow::ActualVolume] = kIndent + LoadText(17);
    t[InletRow::Temperature] = kIndent + LoadText(12);
    t[InletRow::RelativeHumidity] = kIndent + LoadText(13);
    t[InletRow::HumidityRatio] = kIndent + LoadText(14);
    t[InletRow::WetBulb] = kIndent + LoadText(51);
    t[InletRow::Enthalpy] = kIndent + LoadText(25);
    return t;
}

InletTexts InletUnits(UnitSystem system)
{
    InletTexts t;
    t[InletRow::StandardVolume] = VolumeUnit(system, "scfm");
    t[InletRow::MassFlow] = Pick(system, "kg/h", "lb/h");
    t[InletRow::ActualVolume] = VolumeUnit(system, "acfm");
    t[InletRow::Temperature] = TemperatureUnit(system);
    t[InletRow::RelativeHumidity] = Fixed("%");
    t[InletRow::HumidityRatio] = Pick(system, "g/kg", "gr/lb");
    t[InletRow::WetBulb] = TemperatureUnit(system);
    t[InletRow::Enthalpy] = Pick(system, "kJ/kg", "BTU/lb");
    return t;
}

InletTexts InletValues(const AirStreamState& s, UnitSystem system)
{
    InletTexts t;
    t[InletRow::StandardVolume] = Text(kVolume, s.SVol, system);
    t[InletRow::MassFlow] = Text(kMassFlow, s.MassFlow, system);
    t[InletRow::ActualVolume] = Text(kVolume, s.AVol, system);
    t[InletRow::Temperature] = Text(kTemperature, s.Temp, system);
    t[InletRow::RelativeHumidity] = Percent(s.Humidity);
    t[InletRow::HumidityRatio] = Text(kHumidityRatio, s.X, system);
    t[InletRow::WetBulb] = Text(kTemperature, s.WetBulb, system);
    t[InletRow::Enthalpy] = Text(kEnthalpy, s.Enthalpy, system);
    return t;
}

VelocityTexts VelocityLabels()
{
    const QString pressureDrop = LoadText(22) + QStringLiteral(" (");
    return {LoadText(49), pressureDrop + LoadText(577) + QStringLiteral(") "),
            pressureDrop + LoadText(24) + QStringLiteral(") ")};
}

VelocityTexts VelocityUnits(UnitSystem system)
{
    const QString pressure = Pick(system, "Pa", "in. WG");
    return {Pick(system, "m/s", "fpm"), pressure, pressure};
}

double PressureDropShownLimit(double pressureDropLimit) { return RoundTo(pressureDropLimit * 1.5, 0); }

VelocityTexts VelocityValues(double faceVelocity, double deltaP, double deltaPStd, double pressureDropLimit,
                             UnitSystem system)
{
    const double limit = PressureDropShownLimit(pressureDropLimit);
    const auto pressure = [&](double pa) { return pa > limit ? QString() : Text(kPressureDrop, pa, system); };
    return {Text(kFaceVelocity, faceVelocity, system), pressure(deltaP), pressure(deltaPStd)};
}

OutletTexts OutletLabels()
{
    OutletTexts t;
    t[OutletRow::Heading] = LoadText(10);
    t[OutletRow::ActualVolume] = kIndent + LoadText(17);
    t[OutletRow::Temperature] = kIndent + LoadText(12);
    t[OutletRow::RelativeHumidity] = kIndent + LoadText(13);
    t[OutletRow::HumidityRatio] = kIndent + LoadText(14);
    t[OutletRow::WetBulb] = kIndent + LoadText(51);
    t[OutletRow::Enthalpy] = kIndent + LoadText(25);
    return t;
}

OutletTexts OutletUnits(UnitSystem system)
{
    OutletTexts t;
    t[OutletRow::ActualVolume] = VolumeUnit(system, "acfm");
    t[OutletRow::Temperature] = TemperatureUnit(system);
    t[OutletRow::RelativeHumidity] = Fixed("%");
    t[OutletRow::HumidityRatio] = Pick(system, "g/kg", "gr/lb");
    t[OutletRow::WetBulb] = TemperatureUnit(system);
    t[OutletRow::Enthalpy] = Pick(system, "kJ/kg", "BTU/lb");
    return t;
}

OutletTexts OutletValues(const AirStreamState& s, UnitSystem system)
{
    OutletTexts t;
    t[OutletRow::ActualVolume] = Text(kVolume, s.AVol, system);
    t[OutletRow::Temperature] = Text(kTemperature, s.Temp, system);
    t[OutletRow::RelativeHumidity] = Percent(s.Humidity);
    t[OutletRow::HumidityRatio] = Text(kHumidityRatio, s.X, system);
    t[OutletRow::WetBulb] = Text(kTemperature, s.WetBulb, system);
    t[OutletRow::Enthalpy] = Text(kEnthalpy, s.Enthalpy, system);
    return t;
}

ProcessTexts ProcessLabels(const EffectivenessOptions& o)
{
    ProcessTexts t;
    if (o.useAhriEffectiveness) {
        t[ProcessRow::Efficiency] = LoadText(436);
        t[ProcessRow::HumidityEfficiency] = LoadText(437);
        if (o.totalEffectiveness) t[ProcessRow::TotalOrClass] = LoadText(438);
    } else {
        t[ProcessRow::Efficiency] = LoadText(19);
        t[ProcessRow::HumidityEfficiency] = LoadText(20);
        if (o.energyEfficiencyClass) {
            t[ProcessRow::TotalOrClass] = LoadText(560);
            t[ProcessRow::ErpLot6] = LoadText(19) + QStringLiteral(" ErP Lot 6");
        }
    }
    t[ProcessRow::SensibleHeat] = LoadText(30);
    t[ProcessRow::LatentHeat] = LoadText(31);
    t[ProcessRow::TotalHeat] = LoadText(32);
    t[ProcessRow::MoistureRecovery] = LoadText(40);
    return t;
}

ProcessTexts ProcessUnits(UnitSystem system, const EffectivenessOptions& o)
{
    ProcessTexts t;
    const QString percent = Fixed("%");
    t[ProcessRow::Efficiency] = percent;
    t[ProcessRow::HumidityEfficiency] = percent;
    // A unit only where its row shows a number: the class label carries its own percent sign.
    if (o.useAhriEffectiveness && o.totalEffectiveness) t[ProcessRow::TotalOrClass] = percent;
    if (!o.useAhriEffectiveness && o.energyEfficiencyClass) t[ProcessRow::ErpLot6] = percent;
    const QString heat = Pick(system, "kW", "BTU/h");
    t[ProcessRow::SensibleHeat] = heat;
    t[ProcessRow::LatentHeat] = heat;
    t[ProcessRow::TotalHeat] = heat;
    t[ProcessRow::MoistureRecovery] = Pick(system, "g/kg", "gr/lb");
    t[ProcessRow::WaterTransfer] = Pick(system, "kg/h", "lb/h");
    return t;
}

QString ErpReadyRemark(double tempEffBalanced)
{
    const double shown = RoundTo(tempEffBalanced, 1);
    if (shown >= 73) return LoadText(661);
    if (shown >= 67) return LoadText(662);
    return {};
}

ProcessTexts ProcessValues(const TDatenREG& r, Stream stream, UnitSystem system, const EffectivenessOptions& o)
{
    ProcessTexts t;
    const bool supply = stream == Stream::Supply;
    const bool erp = !o.useAhriEffectiveness && o.energyEfficiencyClass;
    if (supply) {
        t[ProcessRow::Efficiency] = Percent(o.useAhriEffectiveness ? r.AhriSensible1 : r.TempEff1);
        t[ProcessRow::HumidityEfficiency] = Percent(o.useAhriEffectiveness ? r.AhriLatent1 : r.HumEff1);
        if (o.useAhriEffectiveness && o.totalEffectiveness) t[ProcessRow::TotalOrClass] = Percent(r.AhriTotal1);
        if (erp) {
            t[ProcessRow::TotalOrClass] = QString::fromStdString(r.HClassLabel);
            t[ProcessRow::ErpLot6] = Percent(r.TempEffBalanced);
        }
    } else if (erp) {
        t[ProcessRow::ErpLot6] = ErpReadyRemark(r.TempEffBalanced);
    }
    const AirStreamState& in = supply ? r.State11 : r.State21;
    const AirStreamState& out = supply ? r.State12 : r.State22;
    t[ProcessRow::SensibleHeat] = Text(kHeatFlow, supply ? r.SensibleHeat1 : r.SensibleHeat2, system);
    t[ProcessRow::LatentHeat] = Text(kHeatFlow, supply ? r.LatentHeat1 : r.LatentHeat2, system);
    t[ProcessRow::TotalHeat] = Text(kHeatFlow, supply ? r.TotalHeat1 : r.TotalHeat2, system);
    t[ProcessRow::MoistureRecovery] = Text(kHumidityRatioDifference, out.X - in.X, system);
    t[ProcessRow::WaterTransfer] = Text(kWaterFlow, supply ? r.WaterTransfer1 : r.WaterTransfer2, system);
    return t;
}

} // namespace velmarsund
