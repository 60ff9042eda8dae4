#pragma once
// Type designation of a rotor: series prefix, matrix letter, profile, housing and wheel size.

#include <cstdint>
#include <string>
#include <string_view>

namespace velmarsund {

struct Designation {
    std::string DesignationPrefix; // e.g. HXL-E-E20
    std::string ModelDesignation;  // e.g. HXL-E-E20-2000/2000-1920
};

// seriesIndex is the housing list index, matrixType the code of the rotor record; raises
// std::invalid_argument when either names nothing in the catalogue.
Designation BuildDesignation(int seriesIndex, int matrixType, std::string_view profile, std::int64_t height,
                             std::int64_t width, std::int64_t diameter);

} // namespace velmarsund
