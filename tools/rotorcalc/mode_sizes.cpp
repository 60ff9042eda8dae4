// "sizes": every standard size of a series at the air conditions of a rotor request, as the
// preselection window shows them.

#include "daten_rwt.h"
#include "modes.h"
#include "rotor_request.h"
#include "size_evaluation.h"

namespace velmarsund::rotorcalc {

Json RunSizesMode(const RequestReader& request)
{
    request.RejectUnknown({"mode", "AirPressure", "HumidityKind", "VolumeKind", "MatrixType", "Profile",
                           "FoilThickness", "ProfileHeight", "ProfilePitch", "Speed", "WheelDepth", "State11",
                           "State21", "SeriesIndex", "UseAhriEffectiveness"});
    const auto profile = request.OptString("Profile");
    if (!profile) throw RequestError("field 'Profile' is required: it names the sizes");
    const int series = static_cast<int>(request.RequiredInteger("SeriesIndex", 0, 3));
    TDatenRWT r;
    ReadRotorRecord(request, r);
    const bool ahri = request.Boolean("UseAhriEffectiveness", false);

    const SizeEvaluation e = EvaluateSizes(r, series, *profile, ahri);
    Json rows = Json::array();
    for (const SizeEvaluationRow& row : e.rows) {
        Json j{{"Designation", row.designation},
               {"Height", row.height},
               {"Width", row.width},
               {"Diameter", row.diameter},
               {"Suitable", row.suitable}};
        if (row.status != 0) j["Status"] = row.status;
        if (row.suitable) {
            j["VMax"] = row.vMax;
            j["DpMax"] = row.dpMax;
            j["Phi1"] = row.phi1;
            j["T12"] = row.t12;
            j["Psi1"] = row.psi1;
        }
        rows.push_back(j);
    }
    return Json{{"DLow", e.dLow}, {"DHigh", e.dHigh}, {"Selected", e.selected}, {"Rows", rows}};
}

} // namespace velmarsund::rotorcalc
