#include "entered_quantity.h"

#include "air_completion.h"

namespace velmarsund {

EnteredQuantity VolumeQuantity(int volumeKind) {
    switch (volumeKind) {
    case ActualVolume:
        return {Quantity::AirVolumeFlow, Unit::CubicMetrePerHour, Unit::CubicMetrePerHour, Unit::Cfm,
                &AirStreamState::AVol};
    case MassFlowGiven:
        return {Quantity::MassFlow, Unit::KilogramPerHour, Unit::KilogramPerHour, Unit::PoundPerHour,
                &AirStreamState::MassFlow};
    default:
        return {Quantity::AirVolumeFlow, Unit::CubicMetrePerHour, Unit::CubicMetrePerHour, Unit::Cfm,
                &AirStreamState::SVol};
    }
}

EnteredQuantity HumidityQuantity(int humidityKind) {
    switch (humidityKind) {
    case AbsoluteHumidity:
        return {Quantity::HumidityRatio, Unit::GramPerKilogram, Unit::GramPerKilogram, Unit::GrainPerPound,
                &AirStreamState::X};
    case WetBulbTemperature:
        return {Quantity::Temperature, Unit::Celsius, Unit::Celsius, Unit::Fahrenheit,
                &AirStreamState::WetBulb};
    default:
        return {0, 0, 0, 0, &AirStreamState::Humidity};
    }
}

double ToDisplay(const EnteredQuantity& q, UnitSystem system, double value) {
    return ConvertUnit(q.kind, q.base, UnitChoice(system, q.si, q.ip), value);
}

double ToInternal(const EnteredQuantity& q, UnitSystem system, double value) {
    return ConvertUnit(q.kind, UnitChoice(system, q.si, q.ip), q.base, value);
}

} // namespace velmarsund
