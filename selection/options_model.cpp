#include "options_model.h"

#include "moist_air.h"

#include <cmath>

namespace velmarsund {
namespace {

constexpr int kAirVolumeKinds[] = {0, 1, 3};
constexpr int kHumidityKinds[] = {0, 1, 7};

template <std::size_t N>
int KindOfIndex(const int (&kinds)[N], int index)
{
    return index >= 0 && index < static_cast<int>(N) ? kinds[index] : kinds[0];
}

template <std::size_t N>
int IndexOfKind(const int (&kinds)[N], int kind)
{
    for (std::size_t i = 0; i < N; ++i)
        if (kinds[i] == kind) return static_cast<int>(i);
    return 0;
}

// The pressure the window opens with when the main window's is none to compute an altitude from.
constexpr double kDefaultPressure = 1013;

} // namespace

int AirVolumeKindOfIndex(int index) { return KindOfIndex(kAirVolumeKinds, index); }
int IndexOfAirVolumeKind(int kind) { return IndexOfKind(kAirVolumeKinds, kind); }
int HumidityKindOfIndex(int index) { return KindOfIndex(kHumidityKinds, index); }
int IndexOfHumidityKind(int kind) { return IndexOfKind(kHumidityKinds, kind); }

NumberSeparators TakeSeparators(const QString& decimalText, const QString& thousandText,
                                const NumberSeparators& previous)
{
    NumberSeparators result = previous;
    if (!decimalText.isEmpty()) result.decimal = decimalText.front();
    if (!thousandText.isEmpty()) result.thousand = thousandText.front();
    return result;
}

void TOptionsModel::Open(const TOptionsValues& current)
{
    values_ = current;
    values_.airVolumeKind = AirVolumeKindOfIndex(IndexOfAirVolumeKind(current.airVolumeKind));
    values_.humidityKind = HumidityKindOfIndex(IndexOfHumidityKind(current.humidityKind));
    // Total effectiveness is taken only with AHRI; with EN 308 its option is cleared.
    values_.totalEffectiveness = current.useAhriEffectiveness && current.totalEffectiveness;
    // A pressure that is not a positive number has no altitude; the window starts from the
    // default instead of failing.
    if (!std::isfinite(current.airPressure) || current.airPressure <= 0)
        values_.airPressure = kDefaultPressure;
    altitude_ = AltitudeFromPressure(values_.airPressure);
}

TOptionsValues TOptionsModel::Result(const QString& decimalText, const QString& thousandText) const
{
    TOptionsValues result = values_;
    result.separators = TakeSeparators(decimalText, thousandText, values_.separators);
    return result;
}

UnitCode TOptionsModel::PressureUnitCode() const
{
    return UnitChoice(values_.unitSystem, Unit::Millibar, Unit::Atmosphere);
}

UnitCode TOptionsModel::AltitudeUnitCode() const
{
    return UnitChoice(values_.unitSystem, Unit::Metre, Unit::Foot);
}

double TOptionsModel::ShownPressure() const
{
    return ConvertUnit(Quantity::AirPressure, Unit::Millibar, PressureUnitCode(), values_.airPressure);
}

double TOptionsModel::ShownAltitude() const
{
    return ConvertUnit(Quantity::Length, Unit::Metre, AltitudeUnitCode(), altitude_);
}

TValueRange TOptionsModel::PressureRange() const
{
    return UnitChoice(values_.unitSystem, TValueRange{600, 1100}, TValueRange{0.6, 1.08});
}

TValueRange TOptionsModel::AltitudeRange() const
{
    return UnitChoice(values_.unitSystem, TValueRange{-700, 4200}, TValueRange{-2140, 13500});
}

QString TOptionsModel::PressureUnit() const
{
    return UnitChoice(values_.unitSystem, QStringLiteral("mbar"), QStringLiteral("atm"));
}

QString TOptionsModel::AltitudeUnit() const
{
    return UnitChoice(values_.unitSystem, QStringLiteral("m"), QStringLiteral("ft"));
}

void TOptionsModel::ChangePressure(double shown)
{
    values_.airPressure = ConvertUnit(Quantity::AirPressure, PressureUnitCode(), Unit::Millibar, shown);
    altitude_ = AltitudeFromPressure(values_.airPressure);
}

void TOptionsModel::ChangeAltitude(double shown)
{
    const double altitude = ConvertUnit(Quantity::Length, AltitudeUnitCode(), Unit::Metre, shown);
    values_.airPressure = PressureFromAltitude(altitude);
    altitude_ = AltitudeFromPressure(values_.airPressure);
}

void TOptionsModel::ChooseEffectiveness(bool ahri)
{
    values_.useAhriEffectiveness = ahri;
    values_.totalEffectiveness = ahri;
    values_.energyEfficiencyClass = !ahri;
}

} // namespace velmarsund
