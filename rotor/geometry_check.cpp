#include "geometry_check.h"

#include "fixed_format.h"
#include "housing_series.h"

namespace velmarsund {

namespace {

bool RatioOutside(std::int64_t height, std::int64_t width) {
    if (width == 0) return true; // no ratio; the minimum size reports such a housing
    const double ratio = static_cast<double>(height) / static_cast<double>(width);
    return ratio < 0.5 || ratio > 2.0;
}

std::string Millimetres(std::int64_t value) {
    return std::to_string(value) + " mm";
}

} // namespace

GeometryCheckResult GeometryCheck(std::int64_t height, std::int64_t width, std::int64_t diameter,
                                  std::int64_t minDiameter, std::int64_t maxDiameter, int seriesIndex,
                                  char decimalSeparator) {
    const HousingSeries* series = HousingSeriesByIndex(seriesIndex);
    const int code = series ? series->HousingCode : 0;

    // Every check that applies overrides the ones before it: the last one is reported.
    int finding = GeometryValid;
    if (diameter < minDiameter) finding = DiameterTooSmall;
    if (diameter > maxDiameter) finding = DiameterTooLarge;
    if (RatioOutside(height, width)) finding = RatioOutOfRange;
    if (height < 600 || width < 600) finding = HousingTooSmall;
    if (code == HousingHXK && (height < 1250 || width < 1250)) finding = HxkTooSmall;
    if (code == HousingHXL && (height > 6400 || width > 6400)) finding = HxlTooLarge;
    if (code == HousingHXG && (height > 4250 || width > 4250)) finding = HxgTooLarge;
    if (code == HousingHXK && (height > 3000 || width > 3000)) finding = HxkTooLarge;
    if (code == HousingHXV) {
        // HXV is built beyond 2500 mm on one side: such a housing passes whatever was found.
        if (height > 2500 || width > 2500) finding = GeometryValid;
        if (height > 2500 && width > 2500) finding = HxvTooLarge;
    }

    GeometryCheckResult result;
    result.Finding = finding;
    switch (finding) {
    case DiameterTooSmall:
        result.TextId = 112;
        result.Values = {Millimetres(minDiameter)};
        break;
    case DiameterTooLarge:
        result.TextId = 111;
        result.Values = {Millimetres(maxDiameter)};
        break;
    case RatioOutOfRange:
        result.TextId = 118;
        result.Values = {FormatFixedPoint(0.5, 2, decimalSeparator),
                         FormatFixedPoint(2.0, 2, decimalSeparator)};
        break;
    case HousingTooSmall:
        result.TextId = 113;
        result.Values = {Millimetres(600)};
        break;
    case HxlTooLarge:
        result.TextId = 114;
        result.Values = {Millimetres(6400)};
        break;
    case HxgTooLarge:
        result.TextId = 115;
        result.Values = {Millimetres(4250)};
        break;
    case HxvTooLarge:
        result.TextId = 116;
        result.Values = {Millimetres(2500)};
        break;
    case HxkTooLarge:
        result.TextId = 530;
        result.Values = {Millimetres(3000)};
        break;
    case HxkTooSmall:
        result.TextId = 113;
        result.Values = {Millimetres(1250)};
        break;
    default:
        break;
    }
    return result;
}

} // namespace velmarsund
