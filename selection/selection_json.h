#pragma once
// A selection as JSON: the selection file format, which is also the rotorsheet request. The reader
// takes every field a request may hold, checks each one and names the field that is wrong; the
// writer stores what defines the selection, each inlet state with the quantities its input kinds
// name.

#include "request_reader.h"
#include "selection.h"

#include <string_view>

namespace velmarsund {

// The format of a selection as the program saves it ("Format"); a file without the field is read
// as this one, a file of a later format is refused.
inline constexpr int kSelectionFormat = 1;

// The request fields that belong to the programs that read a selection rather than to the
// selection: the pages rotorsheet writes, and rotorcalc's mode and operation.
inline constexpr std::string_view kRequestOnlyFields[] = {"mode", "Operation", "Pages"};

// The rotor's catalogue values: a selection takes them from its profile and matrix type, so a
// file that sets one is refused (rotorcalc alone takes them for studies).
inline constexpr std::string_view kCatalogueFields[] = {"FoilThickness", "ProfileHeight", "ProfilePitch", "Speed",
                                                        "WheelDepth"};

// Reads and checks a selection; values a file leaves out are those of a first start (10000 m³/h,
// -12 °C and 90 % outside, 22 °C and 40 % extract air; the summer case 32 °C and 40 %, 22 °C and
// 50 %; the largest wheel of the housing). Raises request::RequestError naming the field.
Selection SelectionFromJson(const request::Json& json);

// The selection as a file stores it.
request::Json SelectionJson(const Selection& selection);

// An inlet state with only the quantities the input kinds name (the others 0).
AirStreamState EnteredQuantities(const AirStreamState& state, int humidityKind, int volumeKind);

} // namespace velmarsund
