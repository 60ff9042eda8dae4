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
    for (const AirStreamField& f : kAirStreamFields) j[std::string(f.name)] = s.*f.member;
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
    out["Status"] = r.Status;
    out["State11"] = StateJson(r.State11);
    out["State12"] = StateJson(r.State12);
    out["State21"] = StateJson(r.State21);
    out["State22"] = StateJson(r.State22);
    out["DeltaP1"] = r.DeltaP1;
    out["DeltaP1Std"] = r.DeltaP1Std;
    out["FaceVelocity1"] = r.FaceVelocity1;
    out["ChannelVelocity1"] = r.ChannelVelocity1;
    out["DeltaP2"] = r.DeltaP2;
    out["DeltaP2Std"] = r.DeltaP2Std;
    out["FaceVelocity2"] = r.FaceVelocity2;
    out["ChannelVelocity2"] = r.ChannelVelocity2;
    out["FrostRisk"] = r.FrostRisk;
    out["MatrixType"] = r.MatrixType;
    out["Diameter"] = r.Diameter;
    out["FoilThickness"] = r.FoilThickness;
    out["ProfileHeight"] = r.ProfileHeight;
    out["ProfilePitch"] = r.ProfilePitch;
    out["Speed"] = r.Speed;
    out["WheelDepth"] = r.WheelDepth;
    out["SensibleHeat1"] = r.SensibleHeat1;
    out["SensibleHeat2"] = r.SensibleHeat2;
    out["LatentHeat1"] = r.LatentHeat1;
    out["LatentHeat2"] = r.LatentHeat2;
    out["WaterTransfer1"] = r.WaterTransfer1;
    out["WaterTransfer2"] = r.WaterTransfer2;
    out["TempEff1"] = r.TempEff1;
    out["TempEff2"] = r.TempEff2;
    out["HumEff1"] = r.HumEff1;
    out["HumEff2"] = r.HumEff2;
    out["AhriSensible1"] = r.AhriSensible1;
    out["AhriSensible2"] = r.AhriSensible2;
    out["AhriLatent1"] = r.AhriLatent1;
    out["AhriLatent2"] = r.AhriLatent2;
    out["AhriTotal1"] = r.AhriTotal1;
    out["AhriTotal2"] = r.AhriTotal2;
    out["TotalHeat1"] = r.TotalHeat1;
    out["TotalHeat2"] = r.TotalHeat2;
    out["Condensate1"] = r.Condensate1;
    out["Condensate2"] = r.Condensate2;
    out["EnergyEff"] = r.EnergyEff;
    out["HClass"] = r.HClass;
    out["HClassText"] = r.HClassText;
    out["HClassLabel"] = r.HClassLabel;
    out["TempEffBalanced"] = r.TempEffBalanced;
    out["MotorPower"] = MotorPower(r.Diameter, r.MatrixType);
    out["MotorCurrent"] = MotorCurrent(r.Diameter, r.MatrixType);
    out["EnergyClassError"] = energyClassError;
    return out;
}

} // namespace velmarsund::rotorcalc
