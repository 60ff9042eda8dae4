#include "rotor_weight.h"

#include "geometry_rules.h"
#include "housing_series.h"
#include "housing_weight.h"
#include "math_error.h"
#include "matrix_weight.h"

namespace velmarsund {

int RotorWeight(int housingCode, std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                std::int64_t depthOverride, int matrixType, double p) {
    const std::int64_t size = ProfileSizeByShortSide(H, W, housingCode);
    std::int64_t dep = HousingDepth(H, W, housingCode);
    if (depthOverride > 0 && depthOverride != dep) dep = depthOverride;

    // Large steel housings are built like the aluminium ones and weigh 46 % more.
    const bool large =
        housingCode == HousingHXG && checked::Sqrt(static_cast<double>(H) * static_cast<double>(W)) > 3000;

    double weight = (housingCode == HousingHXL || large) ? ProfileFrameEstimate(H, W, D, h, t, size, dep)
                                                         : SheetFrameEstimate(H, W, D, h, t, size, dep);
    if (housingCode == HousingHXV) weight = SquareHousingWeight(H, W, D, h, t, size, dep);
    if (housingCode == HousingHXK) weight = PluggedProfileHousingWeight(H, W, D, h, t, size, dep);
    if (large) weight = weight * 1.46;

    // The estimates carry the base matrix weight; the profile's own matrix weight replaces it.
    const double Dd = static_cast<double>(D);
    weight = checked::Finite(weight - MatrixWeight(Dd, 200, h, t) +
                             MatrixWeightByProfile(Dd, 200, matrixType, p, h, t));
    return checked::RoundToInt(weight);
}

} // namespace velmarsund
