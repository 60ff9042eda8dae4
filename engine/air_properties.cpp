// The closed formulas of moist_air.h: density, volume flows, altitude, the transport properties
// and the specific heats of air.

#include "math_error.h"
#include "moist_air.h"

#include <cmath>

namespace velmarsund {

using checked::Finite;

double DensityOf(double t, double x, double p) {
    // Scaled so that StandardState has exactly 1.2 kg/m3.
    return Finite((1 + x / 1000) / (287 + 461 * x / 1000) * 100 * p / (t + 273.15) * 1.2 / 1.19879383);
}

double StandardDensity() {
    static const double rho = DensityOf(
        StandardState.Temp, XFromPhi(StandardState.Temp, StandardState.Humidity, StandardState.AirPressure),
        StandardState.AirPressure);
    return rho;
}

double StdVolumeOf(double v, double t, double x, double p) {
    return Finite(v * DensityOf(t, x, p) / StandardDensity());
}

double ActVolumeOf(double vn, double t, double x, double p) {
    return checked::Div(vn * StandardDensity(), DensityOf(t, x, p));
}

double PressureFromAltitude(double z) {
    return Finite(1013 * checked::Pow(1 - 6.5 * z / 288000, 5.255));
}

double AltitudeFromPressure(double p) {
    return Finite(44307.692307692307693 * (1 - checked::Pow(p / 1013, 1 / 5.255)));
}

double KinViscosity(double t) {
    return Finite((0.0933 * t + 13.748) * 1e-6);
}

double PrandtlNumber(double t) {
    return Finite(7e-7 * std::pow(t, 2) - 2e-4 * t + 0.718);
}

double ThermalConductivity(double t) {
    return Finite((0.0748 * t + 24.083) * 0.001);
}

double CpAir(double t) {
    return 1.0065 + 5.309587e-6 * t + 4.758596e-7 * t * t - 1.136145e-10 * t * t * t;
}

double CpVapour(double t) {
    return 1.86 - 8.333e-6 * t + 2.375e-6 * t * t - 2.917e-9 * t * t * t;
}

double CpMoistAir(double dryMassFlow, double vapourMassFlow) {
    return checked::Div(1.007 * dryMassFlow + 1.86 * vapourMassFlow, dryMassFlow + vapourMassFlow);
}

} // namespace velmarsund
