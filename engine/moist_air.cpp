// The saturation and humidity functions of moist_air.h and the searches that invert them.

#include "moist_air.h"

#include "math_error.h"
#include "recent_results.h"
#include "saturation_roots.h"
#include "sign_replay.h"

#include <cmath>

namespace velmarsund {

using checked::Finite;

namespace {

// Iteration guards for searches whose end the physics normally guarantees. Far beyond any real
// need; exceeding one raises a MathError at that point instead of hanging the window.
constexpr int kMaxBracketSteps = 100000;   // 0.1 K steps of the saturation bracket
constexpr int kMaxFogReductions = 10000;   // 10 % reductions of X above saturation
constexpr int kMaxEnthalpySteps = 2000;    // 5 K steps along the enthalpy line
constexpr int kMaxBisections = 2000;       // halvings along the enthalpy line
constexpr int kMaxSaturationSteps = 100000; // 0.1 g/kg steps along an enthalpy line to saturation

double SatPressureOfFit(double t)
{
    // Over ice below 0 degC, over water above.
    if (t < 0) {
        const double a = std::fabs(t);
        return Finite(611 * checked::Exp(0.0823 * t - 0.0003 * std::pow(t, 2) - 8e-7 * std::pow(a, 3) -
                                     8e-9 * std::pow(a, 4)));
    }
    if (t == 0) return 611;
    if (t < 100)
        return Finite(611 * checked::Exp(0.07257 * t - 2.937e-4 * std::pow(t, 2) + 9.81e-7 * std::pow(t, 3) -
                                     1.901e-9 * std::pow(t, 4)));
    if (t < 250)
        return Finite(611 * checked::Exp(0.07142753 * t - 0.0002600931 * std::pow(t, 2) +
                                     6.432223e-7 * std::pow(t, 3) - 7.410232e-10 * std::pow(t, 4)));
    return Finite(std::pow(t, 4) / 1000);
}

} // namespace

// The searches and the record calculations ask for the same temperatures, pressures and states
// again and again: the last few results of each are remembered (recent_results.h).
double SatPressure(double t)
{
    thread_local RecentResults<1> recent;
    return Remembered(recent, SatPressureOfFit, t);
}

double XFromPhi(double t, double phi, double p)
{
    if (phi <= 0) return 0;
    try {
        const double pv = Finite(SatPressure(t) * phi / 100);
        return checked::Div(622 * pv, 100 * p - pv);
    } catch (const MathError&) {
        return 0;
    }
}

double PhiFromX(double t, double x, double p)
{
    if (x <= 0) return 0;
    try {
        // Where the fit's pressure underflows to 0 (searches walk far below any real state) or
        // the quotient overflows, the humidity is 0; tested here rather than thrown and caught.
        const double vapour = x * 100 / (x + 622) * 100 * p;
        const double saturation = SatPressure(t);
        if (!std::isfinite(vapour) || saturation == 0) return 0;
        const double phi = vapour / saturation;
        return std::isfinite(phi) ? phi : 0;
    } catch (const MathError&) {
        return 0;
    }
}

namespace {

double SearchTempFromSatPressure(double pv)
{
    // The logarithm is outside the guarded part: a non-positive pressure reaches the caller.
    const double L = checked::Ln(pv);
    double t0;
    if (L < 6)
        t0 = -60.897 + 7.4071 * L + 0.2536 * std::pow(L, 2) + 0.0093 * std::pow(L, 3) + 0.0003 * std::pow(L, 4);
    else if (L < 11)
        t0 = 24.222 - 34.828 * L + 7.8319 * std::pow(L, 2) - 0.5886 * std::pow(L, 3) + 0.0192 * std::pow(L, 4);
    else if (L < 15)
        t0 = 348.01 - 137.45 * L + 19.728 * std::pow(L, 2) - 1.178 * std::pow(L, 3) + 0.0294 * std::pow(L, 4);
    else
        t0 = checked::Pow(100 * pv, 0.25);

    try {
        // SatPressure(t) − pv, with its sign known away from the root (sign_replay.h).
        const auto exact = [pv](double t) { return SatPressure(t) - pv; };
        const KnownRootSign f(exact, SatPressureRoot(L, t0), -1.0, kReplayLow, kReplayHigh);

        // Bracket the root in 0.1 K steps away from the start value.
        const double m = f(t0) >= 0 ? 1.0 : -1.0;
        double b = t0;
        int steps = 0;
        while (f(b) * m > 0) {
            if (++steps > kMaxBracketSteps) throw MathError("saturation bracket does not close");
            b = b - m * 0.1;
        }
        // Bisection between the start value and the bracket end; each point's pressure is
        // evaluated once and carried along with it.
        double a = t0;
        double fa = f(a);
        double fb = f(b);
        double mid = t0;
        int halvings = 0;
        while (std::fabs(b - a) > 1e-6 && halvings < 250) {
            mid = (a + b) / 2;
            const double fm = f(mid);
            if (Finite(fm * fb) < 0) {
                a = b;
                fa = fb;
                b = mid;
                fb = fm;
            } else {
                b = a;
                fb = fa;
                a = mid;
                fa = fm;
            }
            ++halvings;
        }
        if (halvings >= 250) return t0;
        return mid;
    } catch (const MathError&) {
        return t0;
    }
}

} // namespace

double TempFromSatPressure(double pv)
{
    thread_local RecentResults<1> recent;
    return Remembered(recent, SearchTempFromSatPressure, pv);
}

namespace {

double VapourPressureOfX(double x, double p)
{
    if (std::fabs(x) < 1e-4) x = 0.01;
    return Finite(x / (x + 622) * 100 * p);
}

} // namespace

double DewPointOf(double x, double p) { return TempFromSatPressure(VapourPressureOfX(x, p)); }

double TempFromXPhi(double x, double p, double phi)
{
    const double pv = VapourPressureOfX(x, p);
    return TempFromSatPressure(checked::Div(pv * 100, phi));
}

double EnthalpyOf(double t, double x, double p)
{
    double xs = 0;
    if (t < 100) xs = XFromPhi(t, 100, p); // saturation humidity ratio
    if (t >= 100 || x <= xs) return Finite(1.007 * t + (2501 + 1.86 * t) * x / 1000);
    // Fog: the water above saturation is liquid at or above 0 degC, ice below.
    const double c = t >= 0 ? 4.19 * t : 2.09 * t - 344;
    return Finite(1.007 * t + (2501 + 1.86 * t) * xs / 1000 + (x - xs) / 1000 * c);
}

double TempOnEnthalpyLine(double t, double x, double p, double target)
{
    if (t > 1000 || x < 0) throw MathError("state outside the enthalpy-line search");
    try {
        if (std::fabs(PhiFromX(t, x, p) - target) < 1e-5) return t;
        const double h = EnthalpyOf(t, x, p);
        if (target == 0) return Finite(h / 1.007);

        // Humidity ratio at temperature T on this enthalpy line, and the temperature at ratio X.
        const auto Xh = [h](double T) { return checked::Div((h - 1.007 * T) * 1000, 1.86 * T + 2501); };
        const auto Th = [h](double X) { return checked::Div(h - 2.501 * X, 1.86 * X / 1000 + 1.007); };

        double T = t;
        double X = x;
        int reductions = 0;
        while (PhiFromX(T, X, p) > 100) {
            if (++reductions > kMaxFogReductions) throw MathError("no unsaturated state on the enthalpy line");
            X = Finite(0.9 * X);
            T = Th(X);
        }
        const double s = PhiFromX(T, X, p) > target ? -1.0 : 1.0;

        // The humidity on the line less the target, with its sign known away from the root
        // (sign_replay.h): the humidity falls along the line.
        const auto exact = [&](double T) { return PhiFromX(T, Xh(T), p) - target; };
        const auto root = EnthalpyLineRoot(h, p, target, T);

        // 5 K steps: upward when the state is too humid, downward when too dry. The first point
        // is the state itself, which need not lie on the line to the last bit.
        const KnownRootSign stepSide(exact, root, 1.0, kReplayLow, kReplayHigh);
        double lo = T;
        double Tc = T;
        double Xc = X;
        int steps = 0;
        while ((steps == 0 ? PhiFromX(Tc, Xc, p) - target : stepSide(Tc)) * s < 0) {
            if (++steps > kMaxEnthalpySteps) throw MathError("enthalpy-line search does not reach the humidity");
            Tc = Finite(Tc - 5 * s);
            Xc = Xh(Tc);
        }
        const bool clamped = target > 100;
        if (clamped) target = 100;

        // Each point's humidity is evaluated once and carried along with it.
        const KnownRootSign f(exact, clamped ? EnthalpyLineRoot(h, p, target, (lo + Tc) / 2) : root, 1.0, kReplayLow,
                              kReplayHigh);
        double mid = lo;
        int halvings = 0;
        double fTc = 0;
        double fLo = 0;
        bool fLoKnown = false;
        bool fTcKnown = false;
        while (std::fabs(Tc - lo) > 1e-5) {
            if (++halvings > kMaxBisections) throw MathError("enthalpy-line bisection does not converge");
            if (!fTcKnown) fTc = f(Tc);
            mid = (lo + Tc) / 2;
            const double fm = f(mid);
            if (Finite(fm * fTc) < 0) {
                lo = Tc;
                fLo = fTc;
                Tc = mid;
                fTc = fm;
                fTcKnown = true;
            } else {
                Tc = lo;
                fTc = fLo;
                fTcKnown = fLoKnown;
                lo = mid;
                fLo = fm;
            }
            fLoKnown = true;
        }
        return mid;
    } catch (const MathError&) {
        return t;
    }
}

double SatXOnEnthalpyLine(double h, double p) {
    double x = h > 0 ? h / 4 : 0;
    for (int step = 0; step < kMaxSaturationSteps; ++step) {
        const double t = (h - 2.501 * x) / (1.86 * x / 1000 + 1.007);
        if (!(std::fabs(XFromPhi(t, 100, p)) > x)) break;
        x += 0.1;
    }
    return x + 1;
}

} // namespace velmarsund
