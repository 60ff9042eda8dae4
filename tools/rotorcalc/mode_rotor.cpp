// "rotor": one rotor record run with Calculate or Update and the energy class.

#include "air_stream_state.h"
#include "daten_rwt.h"
#include "math_error.h"
#include "modes.h"
#include "rotor_data.h"
#include "rotor_request.h"

#include <array>

namespace velmarsund::rotorcalc {

namespace {

Json StateJson(const AirStreamState& s)
{
    Json j = Json::object();
    j.get_ref<Json::object_t&>().reserve(std::size(kAirStreamFields));
    for (const AirStreamField& f : kAirStreamFields) AppendField(j, f.name, s.*f.member);
    return j;
}

} // namespace

Json RunRotorMode(const RequestReader& request)
{
    request.RejectUnknown({"mode", "AirPressure", "HumidityKind", "VolumeKind", "MatrixType", "Diameter", "Profile",
                           "FoilThickness", "ProfileHeight", "ProfilePitch", "Speed", "WheelDepth", "State11",
                           "State21", "Operation", "EnergyClass"});
    TDatenRWT r;
    ReadRotorRecord(request, r);

    const std::string operation = request.OptString("Operation").value_or("Calculate");
    if (operation != "Calculate" && operation != "Update")
        throw RequestError("field 'Operation' must be \"Calculate\" or \"Update\"");
    const bool energyClass = request.Boolean("EnergyClass", true);

    if (operation == "Update")
        r.Update();
    else
        r.Calculate();
    bool energyClassError = false;
    if (energyClass) {
        try {
            r.CalcEnergyClass('.');
        } catch (const MathError&) {
            energyClassError = true;
        }
    }

    Json out = Json::object();
    out.get_ref<Json::object_t&>().reserve(56);
    AppendField(out, "Status", r.Status);
    AppendField(out, "State11", StateJson(r.State11));
    AppendField(out, "State12", StateJson(r.State12));
    AppendField(out, "State21", StateJson(r.State21));
    AppendField(out, "State22", StateJson(r.State22));
    AppendField(out, "DeltaP1", r.DeltaP1);
    AppendField(out, "DeltaP1Std", r.DeltaP1Std);
    AppendField(out, "FaceVelocity1", r.FaceVelocity1);
    AppendField(out, "ChannelVelocity1", r.ChannelVelocity1);
    AppendField(out, "DeltaP2", r.DeltaP2);
    AppendField(out, "DeltaP2Std", r.DeltaP2Std);
    AppendField(out, "FaceVelocity2", r.FaceVelocity2);
    AppendField(out, "ChannelVelocity2", r.ChannelVelocity2);
    AppendField(out, "FrostRisk", r.FrostRisk);
    AppendField(out, "MatrixType", r.MatrixType);
    AppendField(out, "Diameter", r.Diameter);
    AppendField(out, "FoilThickness", r.FoilThickness);
    AppendField(out, "ProfileHeight", r.ProfileHeight);
    AppendField(out, "ProfilePitch", r.ProfilePitch);
    AppendField(out, "Speed", r.Speed);
    AppendField(out, "WheelDepth", r.WheelDepth);
    AppendField(out, "SensibleHeat1", r.SensibleHeat1);
    AppendField(out, "SensibleHeat2", r.SensibleHeat2);
    AppendField(out, "LatentHeat1", r.LatentHeat1);
    AppendField(out, "LatentHeat2", r.LatentHeat2);
    AppendField(out, "WaterTransfer1", r.WaterTransfer1);
    AppendField(out, "WaterTransfer2", r.WaterTransfer2);
    AppendField(out, "TempEff1", r.TempEff1);
    AppendField(out, "TempEff2", r.TempEff2);
    AppendField(out, "HumEff1", r.HumEff1);
    AppendField(out, "HumEff2", r.HumEff2);
    AppendField(out, "AhriSensible1", r.AhriSensible1);
    AppendField(out, "AhriSensible2", r.AhriSensible2);
    AppendField(out, "AhriLatent1", r.AhriLatent1);
    AppendField(out, "AhriLatent2", r.AhriLatent2);
    AppendField(out, "AhriTotal1", r.AhriTotal1);
    AppendField(out, "AhriTotal2", r.AhriTotal2);
    AppendField(out, "TotalHeat1", r.TotalHeat1);
    AppendField(out, "TotalHeat2", r.TotalHeat2);
    AppendField(out, "Condensate1", r.Condensate1);
    AppendField(out, "Condensate2", r.Condensate2);
    AppendField(out, "EnergyEff", r.EnergyEff);
    AppendField(out, "HClass", r.HClass);
    AppendField(out, "HClassText", r.HClassText);
    AppendField(out, "HClassLabel", r.HClassLabel);
    AppendField(out, "TempEffBalanced", r.TempEffBalanced);
    AppendField(out, "MotorPower", MotorPower(r.Diameter, r.MatrixType));
    AppendField(out, "MotorCurrent", MotorCurrent(r.Diameter, r.MatrixType));
    AppendField(out, "EnergyClassError", energyClassError);
    return out;
}

} // namespace velmarsund::rotorcalc
