// "leakage": leakage, carry-over and purge air of a rotor with OACF and EATR.

#include "housing_series.h"
#include "math_error.h"
#include "modes.h"
#include "rot_leakage.h"
#include "rotor_data.h"

namespace velmarsund::rotorcalc {

namespace {

// Reads the entered pressure of one stream; the other section's pressure is computed.
void ReadEnteredPressure(const RequestReader& request, int fanPosition, std::string_view fanField,
                         std::string_view drawField, std::string_view blowField, double& draw, double& blow) {
    const std::string_view entered = fanPosition == 0 ? drawField : blowField;
    const std::string_view computed = fanPosition == 0 ? blowField : drawField;
    if (request.Has(computed))
        throw RequestError("field '" + std::string(computed) + "' is computed when '" +
                           std::string(fanField) + "' is " + std::to_string(fanPosition) + "; enter '" +
                           std::string(entered) + "'");
    (fanPosition == 0 ? draw : blow) = request.Number(entered, -300);
}

} // namespace

Json RunLeakageMode(const RequestReader& request) {
    request.RejectUnknown({"mode", "HousingCode", "Diameter", "ProfileCode", "MatrixType", "Speed", "V12",
                           "V21", "FanPosition1", "FanPosition2", "P11", "P12", "P21", "P22", "PurgeSector",
                           "GapCircumference", "GapSeparation", "ZetaCircumference", "ZetaSeparation"});
    TDatenRotLeakage r;
    const int housingCode = static_cast<int>(request.Integer("HousingCode", HousingHXL, 0, 255));
    if (!IsKnownHousingCode(housingCode)) throw RequestError("field 'HousingCode' must be 1, 2, 3 or 10");
    r.HousingCode = static_cast<std::uint8_t>(housingCode);
    r.Diameter = static_cast<std::int32_t>(request.RequiredInteger("Diameter", kInt32Min, kInt32Max));
    const auto profileCode = request.OptString("ProfileCode");
    if (!profileCode) throw RequestError("field 'ProfileCode' is required");
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (profileCode->size() < 3 || !isDigit((*profileCode)[profileCode->size() - 2]) ||
        !isDigit((*profileCode)[profileCode->size() - 1]))
        throw RequestError(
            "field 'ProfileCode' must end in a profile, a letter and two digits, e.g. \"E-E20\"");
    r.ProfileCode = *profileCode;
    const auto matrixType = request.Integer("MatrixType", MatrixE, 0, 255);
    if (!IsKnownMatrixType(static_cast<int>(matrixType)))
        throw RequestError("field 'MatrixType' must be 0 (P), 1 (E), 3 (K) or 6 (N)");
    r.MatrixType = static_cast<std::uint8_t>(matrixType);
    r.Speed = request.Number("Speed", DefaultSpeed(r.MatrixType));
    r.V12 = request.RequiredNumber("V12");
    r.V21 = request.RequiredNumber("V21");
    r.FanPosition1 = static_cast<std::uint8_t>(request.Integer("FanPosition1", 0, 0, 1));
    r.FanPosition2 = static_cast<std::uint8_t>(request.Integer("FanPosition2", 0, 0, 1));
    ReadEnteredPressure(request, r.FanPosition1, "FanPosition1", "P12", "P11", r.P12, r.P11);
    ReadEnteredPressure(request, r.FanPosition2, "FanPosition2", "P22", "P21", r.P22, r.P21);
    r.PurgeSector = static_cast<std::uint8_t>(request.Integer("PurgeSector", 0, 0, 2));
    const double gap = DefaultGapWidth(housingCode, r.Diameter);
    r.GapCircumference = request.Number("GapCircumference", gap);
    r.GapSeparation = request.Number("GapSeparation", gap);
    r.ZetaCircumference = request.Number("ZetaCircumference", 1.0);
    r.ZetaSeparation = request.Number("ZetaSeparation", 1.0);

    try {
        r.CalcLeakage();
    } catch (const MathError& e) {
        return Json{{"error", std::string("CalcLeakage raised an arithmetic error: ") + e.what()}};
    }

    Json out = Json::object();
    out["DeltaP1"] = r.DeltaP1;
    out["DeltaP2"] = r.DeltaP2;
    out["P11"] = r.P11;
    out["P12"] = r.P12;
    out["P21"] = r.P21;
    out["P22"] = r.P22;
    out["PMean"] = r.PMean;
    out["PMeanPurge"] = r.PMeanPurge;
    out["V11"] = r.V11;
    out["V22"] = r.V22;
    out["RimLeak11"] = r.RimLeak11;
    out["RimLeak12"] = r.RimLeak12;
    out["RimLeak21"] = r.RimLeak21;
    out["RimLeak22"] = r.RimLeak22;
    out["LeakSeal11"] = r.LeakSeal11;
    out["LeakSeal22"] = r.LeakSeal22;
    out["LeakSeal12"] = r.LeakSeal12;
    out["LeakSeal21"] = r.LeakSeal21;
    out["CarryOver11"] = r.CarryOver11;
    out["CarryOver22"] = r.CarryOver22;
    out["CarryOver12"] = r.CarryOver12;
    out["CarryOver21"] = r.CarryOver21;
    out["Purge11"] = r.Purge11;
    out["Purge22"] = r.Purge22;
    out["OACF"] = r.OACF;
    out["EATR"] = r.EATR;
    return out;
}

} // namespace velmarsund::rotorcalc
