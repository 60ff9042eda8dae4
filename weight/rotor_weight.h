#pragma once
// Weight of a rotor with its housing, kg.

#include <cstdint>

namespace velmarsund {

// housingCode: 1 HXL, 2 HXG, 3 HXV, 10 HXK. H, W housing height and width, D wheel diameter,
// depthOverride a housing depth that replaces the standard one when positive (all mm);
// h wave height, t foil thickness, p pitch (mm); matrixType the code of the rotor record.
// Arithmetic failures raise MathError.
int RotorWeight(int housingCode, std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                std::int64_t depthOverride, int matrixType, double p);

} // namespace velmarsund
