#pragma once
// Housing geometry of the catalogue: frame profile size, housing depth and the range of wheel
// diameters that fit a housing. All lengths in mm; m is the shorter of height and width.
// A housing code that names no series gives 0.

#include <cstdint>

namespace velmarsund {

std::int64_t ProfileSizeByShortSide(std::int64_t height, std::int64_t width, int housingCode);

// Largest wheel diameter; the aluminium housing takes the frame profile size passed in.
std::int64_t MaxWheelDiameter(std::int64_t height, std::int64_t width, std::int64_t profileSize,
                              int housingCode);

// Smallest multiple of 5 mm that is not below 60 % of the largest diameter.
std::int64_t MinWheelDiameter(std::int64_t maxDiameter);

std::int64_t HousingDepth(std::int64_t height, std::int64_t width, int housingCode);

} // namespace velmarsund
