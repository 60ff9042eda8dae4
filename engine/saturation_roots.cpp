#include "saturation_roots.h"

#include <cmath>

namespace velmarsund {
namespace {

constexpr int kNewtonSteps = 60;
// Newton's method converges quadratically: after a step below 1e-7 K the root is known to about
// 1e-14 K, far closer than the replay's margin of 1e-9 K.
constexpr double kSettled = 1e-7;

// SatPressure(t) = 611·e^exponent below 100 °C; the exponent and its slope, over ice below 0 °C
// (where -8e-7·|t|³ = 8e-7·t³) and over water above.
struct FitExponent {
    double value;
    double slope;
};

FitExponent ExponentOfFit(double t)
{
    if (t < 0)
        return {0.0823 * t - 0.0003 * t * t + 8e-7 * t * t * t - 8e-9 * t * t * t * t,
                0.0823 - 0.0006 * t + 2.4e-6 * t * t - 3.2e-8 * t * t * t};
    return {0.07257 * t - 2.937e-4 * t * t + 9.81e-7 * t * t * t - 1.901e-9 * t * t * t * t,
            0.07257 - 5.874e-4 * t + 2.943e-6 * t * t - 7.604e-9 * t * t * t};
}

bool InRange(double t) { return t > kReplayLow && t < kReplayHigh; }

const double kLn611 = std::log(611.0);

} // namespace

std::optional<double> SatPressureRoot(double lnPv, double start)
{
    const double target = lnPv - kLn611;
    double t = InRange(start) ? start : 0;
    for (int i = 0; i < kNewtonSteps; ++i) {
        const FitExponent e = ExponentOfFit(t);
        if (!(e.slope > 0)) return std::nullopt;
        const double step = (e.value - target) / e.slope;
        t -= step;
        if (!InRange(t)) return std::nullopt;
        if (std::fabs(step) < kSettled) return t;
    }
    return std::nullopt;
}

std::optional<double> EnthalpyLineRoot(double h, double p, double target, double start)
{
    if (!(target > 0) || !(p > 0)) return std::nullopt;
    // ln φ = ln(10⁴·p/611) + ln(X/(X+622)) − exponent(T), with X = 1000·(h − 1.007·T)/(1.86·T + 2501)
    // falling along the line: dX/dT = −1000·(1.007·2501 + 1.86·h)/(1.86·T + 2501)².
    const double offset = std::log(1e4 * p / target) - kLn611;
    const double dryEnd = h / 1.007; // X = 0 there
    double t = InRange(start) ? start : 0;
    for (int i = 0; i < kNewtonSteps; ++i) {
        if (!(t < dryEnd)) t = dryEnd - 1;
        const double d = 1.86 * t + 2501;
        const double x = 1000 * (h - 1.007 * t) / d;
        if (!(x > 0)) return std::nullopt;
        const double dx = -1000 * (1.007 * 2501 + 1.86 * h) / (d * d);
        const FitExponent e = ExponentOfFit(t);
        const double g = offset + std::log(x / (x + 622)) - e.value;
        const double slope = dx * (1 / x - 1 / (x + 622)) - e.slope;
        if (!(slope < 0)) return std::nullopt;
        const double step = g / slope;
        t -= step;
        if (!InRange(t)) return std::nullopt;
        if (std::fabs(step) < kSettled) return t;
    }
    return std::nullopt;
}

} // namespace velmarsund
