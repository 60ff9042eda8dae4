#pragma once
// Completion of an entered air state: from the two given humidity quantities to the full state,
// and from the one given flow quantity to all five flows.

#include "air_stream_state.h"

#include <cstdint>

namespace velmarsund {

// Which two humidity quantities of an inlet state are given (0..12; the windows offer 0, 1 and 7).
enum HumidityInputKind : std::uint8_t {
    RelativeHumidity = 0,      // Temp, Humidity
    AbsoluteHumidity = 1,      // Temp, X
    TempEnthalpy = 2,          // Temp, Enthalpy
    XEnthalpy = 3,             // X, Enthalpy
    EnthalpyHumidity = 4,      // Enthalpy, Humidity
    XHumidity = 5,             // X, Humidity
    TempDewPoint = 6,          // Temp, DewPoint
    WetBulbTemperature = 7,    // Temp, WetBulb
    DewPointEnthalpy = 8,      // DewPoint, Enthalpy
    DewPointWetBulb = 9,       // DewPoint, WetBulb
    DewPointHumidity = 10,     // DewPoint, Humidity
    WetBulbHumidity = 11,      // WetBulb, Humidity
    WetBulbX = 12,             // WetBulb, X
};

// Which flow quantity of an inlet state is given (the windows offer 0, 1 and 3).
enum AirVolumeInputKind : std::uint8_t {
    StandardVolume = 0,
    ActualVolume = 1,
    DryMassFlowGiven = 2,
    MassFlowGiven = 3,
};

// Both report success; arithmetic failures arrive as MathError.
bool CompleteAirState(int kind, AirStreamState& s, double p);
bool CompleteAirFlow(int kind, AirStreamState& s, double p);

} // namespace velmarsund
