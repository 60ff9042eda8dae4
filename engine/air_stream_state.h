#pragma once
// One air state of a stream: twelve reals in a fixed order.

#include <array>
#include <string_view>

namespace velmarsund {

struct AirStreamState {
    double SVol = 0;           // volume flow at StandardState, m3/h
    double AVol = 0;           // volume flow at the actual state, m3/h
    double Temp = 0;           // dry-bulb temperature, degC
    double Humidity = 0;       // relative humidity, %
    double X = 0;              // humidity ratio, g/kg dry air
    double DewPoint = 0;       // degC
    double WetBulb = 0;        // degC
    double Enthalpy = 0;       // kJ/kg dry air
    double Density = 0;        // kg/m3
    double DryMassFlow = 0;    // kg/h dry air
    double VapourMassFlow = 0; // kg/h water vapour
    double MassFlow = 0;       // kg/h moist air

    bool operator==(const AirStreamState&) const = default;
};

struct AirStreamField {
    std::string_view name;
    double AirStreamState::*member;
};

// The twelve fields by name, in their fixed order.
inline constexpr std::array<AirStreamField, 12> kAirStreamFields{{
    {"SVol", &AirStreamState::SVol},
    {"AVol", &AirStreamState::AVol},
    {"Temp", &AirStreamState::Temp},
    {"Humidity", &AirStreamState::Humidity},
    {"X", &AirStreamState::X},
    {"DewPoint", &AirStreamState::DewPoint},
    {"WetBulb", &AirStreamState::WetBulb},
    {"Enthalpy", &AirStreamState::Enthalpy},
    {"Density", &AirStreamState::Density},
    {"DryMassFlow", &AirStreamState::DryMassFlow},
    {"VapourMassFlow", &AirStreamState::VapourMassFlow},
    {"MassFlow", &AirStreamState::MassFlow},
}};

} // namespace velmarsund
