#pragma once
// Properties of moist air at a given barometric pressure. Units: t degC, phi %, x g/kg dry air,
// h kJ/kg dry air, p mbar, vapour and saturation pressure Pa, density kg/m3, volume flow m3/h,
// altitude m. These functions are the only physics of the program.

namespace velmarsund {

double SatPressure(double t);
double XFromPhi(double t, double phi, double p);
double PhiFromX(double t, double x, double p);
double TempFromSatPressure(double pv);
double DewPointOf(double x, double p);
double TempFromXPhi(double x, double p, double phi);
double EnthalpyOf(double t, double x, double p);
double TempOnEnthalpyLine(double t, double x, double p, double target);
// x where a line of constant enthalpy h meets saturation, plus 1 g/kg: from h/4 (0 for h <= 0)
// upwards in 0.1 g/kg steps, the temperature on the line taken with the constant specific heats.
double SatXOnEnthalpyLine(double h, double p);
double DensityOf(double t, double x, double p);
double StdVolumeOf(double v, double t, double x, double p);
double ActVolumeOf(double vn, double t, double x, double p);
double PressureFromAltitude(double z);
double AltitudeFromPressure(double p);
double KinViscosity(double t);
double PrandtlNumber(double t);
double ThermalConductivity(double t);
double CpMoistAir(double dryMassFlow, double vapourMassFlow);
// Specific heats of dry air and of water vapour at t, kJ/(kg K).
double CpAir(double t);
double CpVapour(double t);

// The reference state of every standard volume flow: 20 degC, 50 %, 1013 mbar.
struct StandardStateValues {
    double Temp = 20.0;
    double Humidity = 50.0;
    double AirPressure = 1013.0;
};
inline constexpr StandardStateValues StandardState{};

// Density of StandardState (1.2 kg/m3 up to the last bits of the fit).
double StandardDensity();

} // namespace velmarsund
