#pragma once
// The fields of a rotor request that fill a rotor record: air pressure, input kinds, matrix type,
// wheel and profile, speed and the two inlet states. rotorcalc's rotor mode and rotorsheet read
// them alike.

#include "request_reader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmarsund {
class TDatenRWT;
struct AirStreamState;
} // namespace velmarsund

namespace velmarsund::request {

inline constexpr std::array<std::string_view, 13> kRotorRecordFields{
    "AirPressure", "HumidityKind", "VolumeKind", "MatrixType",    "Diameter", "Profile", "FoilThickness",
    "ProfileHeight", "ProfilePitch", "Speed",     "WheelDepth",   "State11",  "State21"};

// "MatrixType": 0 (P), 1 (E, the default), 3 (K) or 6 (N).
std::uint8_t ReadMatrixType(const RequestReader& request);

// The fields of one state object (any of SVol AVol Temp ... MassFlow) into `state`.
void ReadState(const RequestReader& request, std::string_view name, AirStreamState& state);

// Defaults where a tool's own differ from the record's: the wheel diameter (rotorcalc: 0) and the
// profile decoded when the request names none.
struct RotorRecordDefaults {
    std::int32_t diameter = 0;
    std::optional<std::string> profile;
};

// The fields of kRotorRecordFields into `record`; raises RequestError naming a wrong field.
void ReadRotorRecord(const RequestReader& request, TDatenRWT& record, const RotorRecordDefaults& defaults = {});

} // namespace velmarsund::request
