#pragma once
// The limits a housing and its wheel must respect. The check reports the finding and the
// message to show (its text number and the values for its %s markers); showing it is up to
// the window.

#include <cstdint>
#include <string>
#include <vector>

namespace velmarsund {

// 0 valid; 1 wheel too small; 2 wheel too large; 3 height/width ratio; 4 below the minimum
// housing; 5, 6, 7, 11 above the maximum of HXL, HXG, HXV, HXK; 12 below the minimum of HXK.
enum GeometryFinding : int {
    GeometryValid = 0,
    DiameterTooSmall = 1,
    DiameterTooLarge = 2,
    RatioOutOfRange = 3,
    HousingTooSmall = 4,
    HxlTooLarge = 5,
    HxgTooLarge = 6,
    HxvTooLarge = 7,
    HxkTooLarge = 11,
    HxkTooSmall = 12,
};

struct GeometryCheckResult {
    int Finding = GeometryValid;
    int TextId = 0;                  // message text, 0 when valid
    std::vector<std::string> Values; // for the %s markers of the text, in order

    bool Valid() const { return Finding == GeometryValid; }
};

// Checks a housing (height, width) of the series at seriesIndex with a wheel diameter against
// the smallest and largest diameter of the housing. The decimal separator formats the ratio
// limits of finding 3.
GeometryCheckResult GeometryCheck(std::int64_t height, std::int64_t width, std::int64_t diameter,
                                  std::int64_t minDiameter, std::int64_t maxDiameter, int seriesIndex,
                                  char decimalSeparator = '.');

} // namespace velmarsund
