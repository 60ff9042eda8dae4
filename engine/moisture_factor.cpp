#include "moisture_factor.h"

#include "math_error.h"
#include "rotor_data.h"

#include <cmath>

namespace velmarsund {

using checked::Finite;
using checked::Pow;

double SmoothStep(double A, double B, double M, double X1, double X0, double X)
{
    try {
        double s = checked::Div(X - X0, X1 - X0);
        if (s >= 0) {
            // Exponent that maps M to 0.5; when it cannot be formed s stays as it is.
            try {
                s = Pow(s, checked::Div(std::log(0.5), checked::Ln(checked::Div(M - X0, X1 - X0))));
            } catch (const MathError&) {
            }
        }
        return Finite(B + (checked::Tanh((2 * s - 1) * 3.14159) + 1) * 0.5 * (A - B));
    } catch (const MathError&) {
        return 0;
    }
}

namespace {

double MidStep(double D) { return SmoothStep(1, 0, 0.45, 0.72, 0.38, D); }

double SorptionAndEnthalpy(int type, double hp, double v, double n, double D, double dT)
{
    // Sorption base: w far below the dew point, q near and above it.
    double w = Finite(-0.002 * Pow(v, 2) - 0.074 * v + 0.838);
    if (w < 0.1) w = 0.1;
    if (n > 20)
        w = 1.08 * w;
    else
        w = Finite((-0.002 * Pow(n, 2) + 0.094 * n) * w);
    w = 1.06 * w;
    const double q = Finite(1.16 * checked::Exp(-0.03 * v) * Pow(n / 15, 0.05));
    double C = -(0.1 * n + 6);
    if (n < 5) C = -6.5;
    if (n > 30) C = -9;
    if (type == MatrixN && dT < -7) dT = (dT - 14) / 3;
    double r = SmoothStep(q, w, C, 10, -30, dT);

    if (type == MatrixN) {
        double F = 1;
        if (v > 1.5) F = 1 + MidStep(D) * (v - 1) * 0.025;
        r = Finite(r * (1.19 - 0.08 * hp) * F * (1.02 - 0.06 * v));
        return r;
    }
    if (type != MatrixE) return r; // any other code keeps the sorption base
    r = Finite(r * (1.51 - 0.37 * hp) * 0.7 * (1.125 - 0.125 * v));
    if (D > 0.38) {
        double H = MidStep(D);
        if (H < 0) H = 0;
        if (H > 1) H = 1;
        const double G = MoistureFactor(MatrixN, hp, v, n, D, dT);
        r = Finite(G * 0.75 * H + (1 - H) * r);
        if (v > 1.5) r = Finite(r * (1 + MidStep(D) * (v - 1) * 0.05));
    }
    return r;
}

} // namespace

double MoistureFactor(int type, double hp, double v, double n, double D, double dT)
{
    try {
        if (v < 1) v = 1;
        if (type == MatrixP || type == MatrixK) {
            // Condensation matrices: only as far as the extract air condenses on the cold matrix.
            if (D <= 0) return 0;
            return Finite(MoistureFactor(MatrixE, hp, v, n, D, dT) * SmoothStep(0.9, 0, 0.3, 1, 0, D));
        }
        return SorptionAndEnthalpy(type, hp, v, n, D, dT);
    } catch (const MathError&) {
        return 0;
    }
}

} // namespace velmarsund
