#pragma once
// Foil profiles offered for a housing series and matrix type. A profile code decodes with
// DecodeProfile (rotor_data.h) into foil thickness, wave height and pitch.

#include "rotor_data.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmarsund {

// Comma-separated profile codes offered for a housing series and a matrix type (list indices).
std::string_view ProfileList(int seriesIndex, int matrixTypeIndex);

// The codes of a profile list in their order.
std::vector<std::string> SplitProfileList(std::string_view list);

} // namespace velmarsund
