// The previous engine for side-by-side benchmarks: its moist-air searches are the tests' oracle.
// Built with the engine's namespace renamed (see CMakeLists.txt), so both engines live in one run.

#include "moist_air.h"
#include "moist_air_oracle.h"

namespace velmarsund {

double SatPressure(double t) {
    return oracle::SatPressure(t);
}
double XFromPhi(double t, double phi, double p) {
    return oracle::XFromPhi(t, phi, p);
}
double PhiFromX(double t, double x, double p) {
    return oracle::PhiFromX(t, x, p);
}
double TempFromSatPressure(double pv) {
    return oracle::TempFromSatPressure(pv);
}
double DewPointOf(double x, double p) {
    return oracle::DewPointOf(x, p);
}
double TempFromXPhi(double x, double p, double phi) {
    return oracle::TempFromXPhi(x, p, phi);
}
double EnthalpyOf(double t, double x, double p) {
    return oracle::EnthalpyOf(t, x, p);
}
double TempOnEnthalpyLine(double t, double x, double p, double target) {
    return oracle::TempOnEnthalpyLine(t, x, p, target);
}

} // namespace velmarsund
