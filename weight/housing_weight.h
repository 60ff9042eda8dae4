#pragma once
// Weight of wheel and housing as the sum of their components, per housing construction.
// H, W housing height and width, D wheel diameter, size frame profile size, dep housing depth
// (all mm); h wave height and t foil thickness (mm). Every list includes the base matrix
// weight. Arithmetic failures raise MathError.

#include <cstdint>

namespace velmarsund {

// Frame profile size by the mean side sqrt(H*W), mm.
std::int64_t ProfileSizeByMeanSide(std::int64_t H, std::int64_t W);

// Housing framed with aluminium profiles (HXL, and large HXG housings).
double ProfileFrameEstimate(std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                            std::int64_t size, std::int64_t dep);

// Housing of folded steel sheet (HXG).
double SheetFrameEstimate(std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                          std::int64_t size, std::int64_t dep);

// Square galvanised-steel housing (HXV).
double SquareHousingWeight(std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                           std::int64_t size, std::int64_t dep);

// Housing of plugged aluminium profiles (HXK; size 40 or 60).
double PluggedProfileHousingWeight(std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                                   std::int64_t size, std::int64_t dep);

} // namespace velmarsund
