#include "rotor_request.h"

#include "air_stream_state.h"
#include "daten_rwt.h"
#include "rotor_data.h"

namespace velmarsund::request {

std::uint8_t ReadMatrixType(const RequestReader& request)
{
    const auto matrixType = request.Integer("MatrixType", MatrixE, 0, 255);
    if (!IsKnownMatrixType(static_cast<int>(matrixType)))
        throw FieldError(RequestProblem::NotOffered, request.FieldName("MatrixType"),
                         "must be 0 (P), 1 (E), 3 (K) or 6 (N)", {"0", "1", "3", "6"});
    return static_cast<std::uint8_t>(matrixType);
}

void ReadState(const RequestReader& request, std::string_view name, AirStreamState& state)
{
    const auto object = request.OptObject(name);
    if (!object) return;
    std::array<std::string_view, kAirStreamFields.size()> names{};
    for (std::size_t i = 0; i < kAirStreamFields.size(); ++i) names[i] = kAirStreamFields[i].name;
    object->RejectUnknownOf(names);
    for (const AirStreamField& f : kAirStreamFields)
        if (const auto v = object->OptNumber(f.name)) state.*f.member = *v;
}

void ReadRotorRecord(const RequestReader& request, TDatenRWT& r, const RotorRecordDefaults& defaults)
{
    r.AirPressure = request.Number("AirPressure", 1013);
    r.HumidityKind = static_cast<std::uint8_t>(request.Integer("HumidityKind", 0, 0, 255));
    r.VolumeKind = static_cast<std::uint8_t>(request.Integer("VolumeKind", 0, 0, 255));
    r.MatrixType = ReadMatrixType(request);
    r.Diameter = static_cast<std::int32_t>(request.Integer("Diameter", defaults.diameter, kInt32Min, kInt32Max));
    const auto profile = request.OptString("Profile");
    if (profile || defaults.profile) {
        const auto decoded = DecodeProfile(profile ? *profile : *defaults.profile);
        if (!decoded)
            throw FieldError(RequestProblem::Invalid, request.FieldName("Profile"),
                             "must be a letter and two digits, e.g. \"E20\"");
        r.FoilThickness = decoded->FoilThickness;
        r.ProfileHeight = decoded->ProfileHeight;
        r.ProfilePitch = decoded->ProfilePitch;
    }
    r.FoilThickness = request.Number("FoilThickness", r.FoilThickness);
    r.ProfileHeight = request.Number("ProfileHeight", r.ProfileHeight);
    r.ProfilePitch = request.Number("ProfilePitch", r.ProfilePitch);
    r.Speed = request.Number("Speed", DefaultSpeed(r.MatrixType));
    r.WheelDepth = static_cast<std::int32_t>(request.Integer("WheelDepth", 200, kInt32Min, kInt32Max));
    ReadState(request, "State11", r.State11);
    ReadState(request, "State21", r.State21);
}

} // namespace velmarsund::request
