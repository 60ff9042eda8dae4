// Kept as it was: do not change a single operation of these functions.

#include "moist_air_oracle.h"

#include "math_error.h"

#include <cmath>

namespace velmarsund::oracle {

using checked::Finite;

namespace {

// Iteration guards for searches whose end the physics normally guarantees. Far beyond any real
// need; exceeding one raises a MathError at that point instead of hanging the window.
constexpr int kMaxBracketSteps = 100000;   // 0.1 K steps of the saturation bracket
constexpr int kMaxFogReductions = 10000;   // 10 % reductions of X above saturation
constexpr int kMaxEnthalpySteps = 2000;    // 5 K steps along the enthalpy line
constexpr int kMaxBisections = 2000;       // halvings along the enthalpy line

} // namespace

double SatPressure(double t)
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
        return checked::Div(Finite(x * 100 / (x + 622) * 100 * p), SatPressure(t));
    } catch (const MathError&) {
        return 0;
    }
}

double TempFromSatPressure(double pv)
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
        // Bracket the root in 0.1 K steps away from the start value.
        const double m = SatPressure(t0) >= pv ? 1.0 : -1.0;
        double b = t0;
        int steps = 0;
        while ((SatPressure(b) - pv) * m > 0) {
            if (++steps > kMaxBracketSteps) throw MathError("saturation bracket does not close");
            b = b - m * 0.1;
        }
        // Bisection between the start value and the bracket end; each point's pressure is
        // evaluated once and carried along with it.
        double a = t0;
        double fa = SatPressure(a) - pv;
        double fb = SatPressure(b) - pv;
        double mid = t0;
        int halvings = 0;
        while (std::fabs(b - a) > 1e-6 && halvings < 250) {
            mid = (a + b) / 2;
            const double fm = SatPressure(mid) - pv;
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

        // 5 K steps: upward when the state is too humid, downward when too dry.
        double lo = T;
        double Tc = T;
        double Xc = X;
        int steps = 0;
        while ((PhiFromX(Tc, Xc, p) - target) * s < 0) {
            if (++steps > kMaxEnthalpySteps) throw MathError("enthalpy-line search does not reach the humidity");
            Tc = Finite(Tc - 5 * s);
            Xc = Xh(Tc);
        }
        if (target > 100) target = 100;

        // Each point's humidity is evaluated once and carried along with it.
        const auto f = [&](double T) { return PhiFromX(T, Xh(T), p) - target; };
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

} // namespace velmarsund::oracle
