// "weight": weight of a rotor with its housing.

#include "housing_series.h"
#include "math_error.h"
#include "modes.h"
#include "rotor_data.h"
#include "rotor_weight.h"

namespace velmarsund::rotorcalc {

Json RunWeightMode(const RequestReader& request) {
    request.RejectUnknown({"mode", "HousingCode", "Height", "Width", "Diameter", "Profile", "ProfileHeight",
                           "FoilThickness", "ProfilePitch", "MatrixType", "DepthOverride"});
    const int housingCode = static_cast<int>(request.RequiredInteger("HousingCode", 0, 255));
    if (!IsKnownHousingCode(housingCode)) throw RequestError("field 'HousingCode' must be 1, 2, 3 or 10");
    const std::int64_t height = request.RequiredInteger("Height", kInt32Min, kInt32Max);
    const std::int64_t width = request.RequiredInteger("Width", kInt32Min, kInt32Max);
    const std::int64_t diameter = request.RequiredInteger("Diameter", kInt32Min, kInt32Max);
    const int matrixType = static_cast<int>(request.RequiredInteger("MatrixType", 0, 255));
    if (!IsKnownMatrixType(matrixType))
        throw RequestError("field 'MatrixType' must be 0 (P), 1 (E), 3 (K) or 6 (N)");
    const std::int64_t depthOverride = request.Integer("DepthOverride", 0, kInt32Min, kInt32Max);

    // The profile code, or its wave height and foil thickness given directly (which override it).
    std::optional<double> foilThickness;
    std::optional<double> profileHeight;
    if (const auto profile = request.OptString("Profile")) {
        const auto decoded = DecodeProfile(*profile);
        if (!decoded) throw RequestError("field 'Profile' must be a letter and two digits, e.g. \"E20\"");
        foilThickness = decoded->FoilThickness;
        profileHeight = decoded->ProfileHeight;
    }
    if (const auto v = request.OptNumber("FoilThickness")) foilThickness = v;
    if (const auto v = request.OptNumber("ProfileHeight")) profileHeight = v;
    if (!foilThickness || !profileHeight)
        throw RequestError("field 'Profile' is required (or both 'ProfileHeight' and 'FoilThickness')");
    const double pitch = request.Number("ProfilePitch", ProfilePitchOf(*profileHeight));

    try {
        return Json{{"Weight", RotorWeight(housingCode, height, width, diameter, *profileHeight,
                                           *foilThickness, depthOverride, matrixType, pitch)}};
    } catch (const MathError& e) {
        return Json{{"error", std::string("RotorWeight raised an arithmetic error: ") + e.what()}};
    }
}

} // namespace velmarsund::rotorcalc
