#pragma once
// The quantities a user enters for an inlet air stream: which unit each input kind is typed in, in
// either unit system, and where the record holds it. Entry fields convert through these both ways.

#include "air_stream_state.h"
#include "convert_unit.h"
#include "unit_system.h"

namespace velmarsund {

// An entered quantity: its kind, its unit in the record and in each unit system, and where the
// inlet state holds it.
struct EnteredQuantity {
    QuantityKind kind; // 0 for the relative humidity, which is never converted
    UnitCode base;
    UnitCode si;
    UnitCode ip;
    double AirStreamState::*member;
};

inline constexpr EnteredQuantity kEnteredTemperature{Quantity::Temperature, Unit::Celsius, Unit::Celsius,
                                                     Unit::Fahrenheit, &AirStreamState::Temp};

// The entered flow of a flow input kind (AirVolumeInputKind): standard or actual volume, or mass flow.
EnteredQuantity VolumeQuantity(int volumeKind);
// The entered humidity of a humidity input kind (HumidityInputKind): relative humidity, humidity
// ratio or wet-bulb temperature.
EnteredQuantity HumidityQuantity(int humidityKind);

// A record value as the entry field shows it in the unit system, and an entered value back in the
// record's unit.
double ToDisplay(const EnteredQuantity& q, UnitSystem system, double value);
double ToInternal(const EnteredQuantity& q, UnitSystem system, double value);

} // namespace velmarsund
