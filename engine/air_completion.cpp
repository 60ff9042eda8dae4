#include "air_completion.h"

#include "math_error.h"
#include "moist_air.h"

namespace velmarsund {

using checked::Div;
using checked::Finite;

namespace {

double XOfTempEnthalpy(double t, double h) { return Div((h - 1.007 * t) * 1000, 1.86 * t + 2501); }
double TempOfXEnthalpy(double x, double h) { return Div(h - 2.501 * x, 1.86 * x / 1000 + 1.007); }
double SaturatedX(double t, double p) { return XFromPhi(t, 100, p); }
double EnthalpyOfWetBulb(double wb, double p) { return EnthalpyOf(wb, SaturatedX(wb, p), p); }

void CommonTail(AirStreamState& s, double p)
{
    s.DewPoint = DewPointOf(s.X, p);
    s.WetBulb = TempOnEnthalpyLine(s.Temp, s.X, p, 100);
    s.Density = DensityOf(s.Temp, s.X, p);
}

} // namespace

bool CompleteAirState(int kind, AirStreamState& s, double p)
{
    switch (kind) {
    case RelativeHumidity:
        s.X = XFromPhi(s.Temp, s.Humidity, p);
        s.Enthalpy = EnthalpyOf(s.Temp, s.X, p);
        CommonTail(s, p);
        break;
    case AbsoluteHumidity:
        s.Humidity = PhiFromX(s.Temp, s.X, p);
        s.Enthalpy = EnthalpyOf(s.Temp, s.X, p);
        CommonTail(s, p);
        break;
    case TempEnthalpy:
        s.X = XOfTempEnthalpy(s.Temp, s.Enthalpy);
        s.Humidity = PhiFromX(s.Temp, s.X, p);
        CommonTail(s, p);
        break;
    case XEnthalpy:
        s.Temp = TempOfXEnthalpy(s.X, s.Enthalpy);
        s.Humidity = PhiFromX(s.Temp, s.X, p);
        CommonTail(s, p);
        break;
    case EnthalpyHumidity:
        s.Temp = TempOnEnthalpyLine(Finite(s.Enthalpy / 1.007), 0, p, s.Humidity);
        s.X = XFromPhi(s.Temp, s.Humidity, p);
        CommonTail(s, p);
        break;
    case XHumidity:
        s.Temp = TempFromXPhi(s.X, p, s.Humidity);
        s.Enthalpy = EnthalpyOf(s.Temp, s.X, p);
        CommonTail(s, p);
        break;
    case TempDewPoint:
        s.X = SaturatedX(s.DewPoint, p);
        s.Humidity = PhiFromX(s.Temp, s.X, p);
        s.Enthalpy = EnthalpyOf(s.Temp, s.X, p);
        CommonTail(s, p);
        break;
    case WetBulbTemperature:
        s.Enthalpy = EnthalpyOfWetBulb(s.WetBulb, p);
        s.X = XOfTempEnthalpy(s.Temp, s.Enthalpy);
        s.Humidity = PhiFromX(s.Temp, s.X, p);
        s.DewPoint = DewPointOf(s.X, p);
        s.Density = DensityOf(s.Temp, s.X, p);
        break;
    case DewPointEnthalpy:
        s.X = SaturatedX(s.DewPoint, p);
        s.Temp = TempOfXEnthalpy(s.X, s.Enthalpy);
        s.Humidity = PhiFromX(s.Temp, s.X, p);
        s.WetBulb = TempOnEnthalpyLine(s.Temp, s.X, p, 100);
        s.Density = DensityOf(s.Temp, s.X, p);
        break;
    case DewPointWetBulb:
        s.X = SaturatedX(s.DewPoint, p);
        s.Enthalpy = EnthalpyOfWetBulb(s.WetBulb, p);
        s.Temp = TempOfXEnthalpy(s.X, s.Enthalpy);
        s.Humidity = PhiFromX(s.Temp, s.X, p);
        s.Density = DensityOf(s.Temp, s.X, p);
        break;
    case DewPointHumidity:
        s.X = SaturatedX(s.DewPoint, p);
        s.Temp = TempFromXPhi(s.X, p, s.Humidity);
        s.Enthalpy = EnthalpyOf(s.Temp, s.X, p);
        s.WetBulb = TempOnEnthalpyLine(s.Temp, s.X, p, 100);
        s.Density = DensityOf(s.Temp, s.X, p);
        break;
    case WetBulbHumidity:
        s.Enthalpy = EnthalpyOfWetBulb(s.WetBulb, p);
        s.Temp = TempOnEnthalpyLine(Finite(s.Enthalpy / 1.007), 0, p, s.Humidity);
        s.X = XFromPhi(s.Temp, s.Humidity, p);
        s.DewPoint = DewPointOf(s.X, p);
        s.Density = DensityOf(s.Temp, s.X, p);
        break;
    case WetBulbX:
        s.Enthalpy = EnthalpyOfWetBulb(s.WetBulb, p);
        s.Temp = TempOfXEnthalpy(s.X, s.Enthalpy);
        s.Humidity = PhiFromX(s.Temp, s.X, p);
        s.DewPoint = DewPointOf(s.X, p);
        s.Density = DensityOf(s.Temp, s.X, p);
        break;
    default: // an unknown kind leaves the humidity quantities as they are
        break;
    }
    return true;
}

bool CompleteAirFlow(int kind, AirStreamState& s, double p)
{
    switch (kind) {
    case StandardVolume:
        s.AVol = ActVolumeOf(s.SVol, s.Temp, s.X, p);
        s.MassFlow = Finite(s.AVol * s.Density);
        s.DryMassFlow = Div(s.MassFlow, 1 + s.X / 1000);
        break;
    case ActualVolume:
        s.SVol = StdVolumeOf(s.AVol, s.Temp, s.X, p);
        s.MassFlow = Finite(s.AVol * s.Density);
        s.DryMassFlow = Div(s.MassFlow, 1 + s.X / 1000);
        break;
    case DryMassFlowGiven:
        s.MassFlow = Finite((1 + s.X / 1000) * s.DryMassFlow);
        s.AVol = Div(s.MassFlow, s.Density);
        s.SVol = StdVolumeOf(s.AVol, s.Temp, s.X, p);
        break;
    case MassFlowGiven:
        s.DryMassFlow = Div(s.MassFlow, 1 + s.X / 1000);
        s.AVol = Div(s.MassFlow, s.Density);
        s.SVol = StdVolumeOf(s.AVol, s.Temp, s.X, p);
        break;
    default:
        break;
    }
    s.VapourMassFlow = Finite(s.DryMassFlow * s.X / 1000);
    return true;
}

} // namespace velmarsund
