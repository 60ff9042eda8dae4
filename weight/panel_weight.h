#pragma once
// The weight the rotor panel shows for its configuration.

#include <cstdint>

namespace velmarsund {

class TDatenRWT;

// The rotor weight in kg of a housing (code, height, width, depth in mm) with the wheel of the
// record at `diameter` mm; 0 when the weight model cannot take the housing (the geometry check
// reports such a housing at calculation time).
int PanelRotorWeight(int housingCode, std::int64_t height, std::int64_t width, std::int64_t depth,
                     std::int64_t diameter, const TDatenRWT& record);

} // namespace velmarsund
