#include "geometry_rules.h"

#include "housing_series.h"

#include <algorithm>

namespace velmarsund {

std::int64_t ProfileSizeByShortSide(std::int64_t height, std::int64_t width, int housingCode) {
    const std::int64_t m = std::min(height, width);
    switch (housingCode) {
    case HousingHXL:
        if (m <= 2000) return 40;
        if (m <= 2999) return 60;
        if (m <= 3999) return 80;
        if (m <= 5000) return 100;
        return 150;
    case HousingHXG:
        if (m <= 2000) return 40;
        if (m <= 3000) return 60;
        return 100;
    case HousingHXV:
        return 40;
    case HousingHXK:
        return m <= 2075 ? 40 : 60;
    default:
        return 0;
    }
}

std::int64_t MaxWheelDiameter(std::int64_t height, std::int64_t width, std::int64_t profileSize,
                              int housingCode) {
    const std::int64_t m = std::min(height, width);
    switch (housingCode) {
    case HousingHXL: {
        const std::int64_t d = m - 2 * profileSize;
        if (m <= 1000) return d - 15;
        if (m <= 2999) return d;
        if (m <= 5000) return d - 40;
        return d - 100;
    }
    case HousingHXG:
        if (m <= 1250) return m - 95;
        if (m <= 2000) return m - 120;
        if (m <= 3000) return m - 160;
        return m - 240;
    case HousingHXV:
        return m <= 1725 ? m - 85 : m - 125;
    case HousingHXK:
        return m <= 2075 ? m - 120 : m - 160;
    default:
        return 0;
    }
}

std::int64_t MinWheelDiameter(std::int64_t maxDiameter) {
    // ceil(3 * max / 25) * 5, rounding up on both sides of zero.
    const std::int64_t n = 3 * maxDiameter;
    const std::int64_t q = n / 25;
    return (q + (n % 25 > 0 ? 1 : 0)) * 5;
}

std::int64_t HousingDepth(std::int64_t height, std::int64_t width, int housingCode) {
    const std::int64_t m = std::min(height, width);
    switch (housingCode) {
    case HousingHXL:
        if (m <= 2000) return 400;
        if (m <= 2999) return 440;
        if (m <= 3999) return 510;
        if (m <= 5000) return 550;
        return 650;
    case HousingHXG:
        if (m <= 2000) return 400;
        if (m <= 3000) return 440;
        return 550;
    case HousingHXV:
        return m <= 1385 ? 290 : 330;
    case HousingHXK:
        return m <= 2075 ? 330 : 370;
    default:
        return 0;
    }
}

} // namespace velmarsund
