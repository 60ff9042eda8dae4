// Energy efficiency and heat-recovery class of a rotor (DIN EN 13053, balanced flows).

#include "energy_class.h"

#include "daten_rwt.h"
#include "fixed_format.h"
#include "math_error.h"
#include "rotor_data.h"

#include <string>

namespace velmarsund {

using checked::Div;
using checked::Finite;

int HeatRecoveryClassOf(double energyEff)
{
    // Tested from the lowest boundary up: the last one reached gives the class.
    static const struct {
        double from;
        int cls;
    } kBounds[] = {{0, 6}, {36, 5}, {45, 4}, {55, 3}, {64, 2}, {71, 1}};
    int cls = 0;
    for (const auto& b : kBounds)
        if (energyEff >= b.from) cls = b.cls;
    return cls;
}

void TDatenRWT::CalcEnergyClass(char decimalSeparator)
{
    // The record at the test conditions: 5 degC / 72 % against 25 degC with 51 % (sorbing
    // matrices) or 23 % (condensation matrices), both streams at the supply flow.
    TDatenRWT H;
    H.HumidityKind = 0;
    H.VolumeKind = 0;
    H.AirPressure = AirPressure;
    H.State11.SVol = State11.SVol;
    H.State21.SVol = State11.SVol;
    H.State11.Temp = 5;
    H.State11.Humidity = 72;
    H.State21.Temp = 25;
    H.State21.Humidity = (MatrixType == MatrixE || MatrixType == MatrixN) ? 51 : 23;
    H.MatrixType = MatrixType;
    H.FoilThickness = FoilThickness;
    H.ProfileHeight = ProfileHeight;
    H.Diameter = Diameter;
    H.Speed = Speed;
    H.ProfilePitch = ProfilePitchOf(ProfileHeight);
    // Update followed by Calculate: the record is a pure function of its inputs, so the second
    // pass repeats the first exactly and one Calculate gives the same fields.
    H.Calculate();

    // Electric power: drive motor and the fans for both pressure drops (fan efficiency 0.6), kW.
    const double P = Finite(MotorPower(Diameter, MatrixType) / 1000 +
                            (H.DeltaP1Std + H.DeltaP2Std) * (H.State11.SVol / 3600) / 0.6 / 1000);
    const double C = Div(H.TotalHeat1, P);
    const double eff = Finite((1 - Div(1, C)) * H.TempEff1);
    EnergyEff = eff;
    TempEffBalanced = H.TempEff1;

    if (const int cls = HeatRecoveryClassOf(eff); cls > 0) {
        HClass = static_cast<std::uint8_t>(cls);
        HClassText = "H" + std::to_string(cls);
    }
    HClassLabel = FormatFixedPoint(EnergyEff, 1, decimalSeparator) + "% / " + HClassText;
}

} // namespace velmarsund
