#pragma once
// The moist-air searches as they were before their evaluations were spared: the oracle every
// faster version must agree with bit for bit.

namespace velmarsund::oracle {

double SatPressure(double t);
double XFromPhi(double t, double phi, double p);
double PhiFromX(double t, double x, double p);
double TempFromSatPressure(double pv);
double DewPointOf(double x, double p);
double TempFromXPhi(double x, double p, double phi);
double EnthalpyOf(double t, double x, double p);
double TempOnEnthalpyLine(double t, double x, double p, double target);

} // namespace velmarsund::oracle
