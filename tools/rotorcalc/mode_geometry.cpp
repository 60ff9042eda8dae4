// "geometry": catalogue rules, geometry check and type designation of a housing and wheel.

#include "designation.h"
#include "geometry_check.h"
#include "geometry_rules.h"
#include "housing_series.h"
#include "matrix_types.h"
#include "modes.h"

namespace velmarsund::rotorcalc {

Json RunGeometryMode(const RequestReader& request) {
    request.RejectUnknown({"mode", "SeriesIndex", "Height", "Width", "Diameter", "MatrixType", "Profile"});
    const int seriesIndex = static_cast<int>(
        request.RequiredInteger("SeriesIndex", 0, static_cast<std::int64_t>(kHousingSeries.size()) - 1));
    const std::int64_t height = request.RequiredInteger("Height", kInt32Min, kInt32Max);
    const std::int64_t width = request.RequiredInteger("Width", kInt32Min, kInt32Max);
    const std::int64_t diameter = request.RequiredInteger("Diameter", kInt32Min, kInt32Max);
    const int matrixType = static_cast<int>(request.RequiredInteger("MatrixType", 0, 255));
    if (!MatrixTypeByCode(matrixType))
        throw RequestError("field 'MatrixType' must be 0 (P), 1 (E), 3 (K) or 6 (N)");
    const auto profile = request.OptString("Profile");
    if (!profile) throw RequestError("field 'Profile' is required");

    const int code = HousingSeriesByIndex(seriesIndex)->HousingCode;
    const std::int64_t profileSize = ProfileSizeByShortSide(height, width, code);
    const std::int64_t maxDiameter = MaxWheelDiameter(height, width, profileSize, code);
    const std::int64_t minDiameter = MinWheelDiameter(maxDiameter);
    const GeometryCheckResult check =
        GeometryCheck(height, width, diameter, minDiameter, maxDiameter, seriesIndex);
    const Designation designation =
        BuildDesignation(seriesIndex, matrixType, *profile, height, width, diameter);

    Json out = Json::object();
    out["HousingCode"] = code;
    out["ProfileSizeByShortSide"] = profileSize;
    out["MaxWheelDiameter"] = maxDiameter;
    out["MinWheelDiameter"] = minDiameter;
    out["HousingDepth"] = HousingDepth(height, width, code);
    out["GeometryFinding"] = check.Finding;
    out["DesignationPrefix"] = designation.DesignationPrefix;
    out["ModelDesignation"] = designation.ModelDesignation;
    return out;
}

} // namespace velmarsund::rotorcalc
