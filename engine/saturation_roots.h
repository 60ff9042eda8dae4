#pragma once
// Where the saturation-pressure fit below 100 °C reaches a given vapour pressure or relative
// humidity, found by Newton's method on the fit's exponent: polynomials only, one logarithm of the
// target. The searches of the moist-air functions use these roots to know the sign of their
// function at points clearly away from them (sign_replay.h); they never return them as results.

#include <optional>

namespace velmarsund {

// The range of temperatures (°C) within which the roots are looked for and the replay holds: the
// ice and water branches of the fit, away from their ends.
inline constexpr double kReplayLow = -90;
inline constexpr double kReplayHigh = 99.5;

// The temperature at which SatPressure(t) = pv, given ln(pv); no value outside the range or when
// Newton's method does not settle.
std::optional<double> SatPressureRoot(double lnPv, double start);

// The temperature on the enthalpy line h (kJ/kg) at pressure p (mbar) where the relative humidity
// PhiFromX(T, X(T), p) is `target` %, with X(T) the humidity ratio of the line at T.
std::optional<double> EnthalpyLineRoot(double h, double p, double target, double start);

} // namespace velmarsund
