#include "matrix_weight.h"

#include "math_error.h"
#include "rotor_data.h"

namespace velmarsund {

using checked::Div;
using checked::Finite;
using checked::Pow;

double FoilLength(double D, double h) {
    return Finite(Div(D / 2, h) * D / 2000 * 3.14);
}

double MatrixWeight(double D, double depth, double h, double t) {
    return Finite(FoilLength(D, h) * 2.33 * t / 1000 * depth / 1000 * 2700);
}

double MatrixWeightByProfile(double D, double depth, int matrixType, double p, double h, double t) {
    if (p == 0) return MatrixWeight(D, depth, h, t);
    // k: length of the waved foil per pitch relative to the pitch.
    const double k = Div(checked::Sqrt(Finite(Pow(h, 2) + Pow(p / 2, 2))) * 2.06, p);
    const double length = FoilLength(D, h);
    double m = Finite(length * (1 + k) * t / 1000 * depth / 1000 * 2700);
    // Coating of 25 g/m2: on both foils of the sorption matrix, on one foil of the enthalpy matrix.
    if (matrixType == MatrixN) m = Finite(m + length * depth / 1000 * (1 + k) * 25 / 1000);
    if (matrixType == MatrixE) m = Finite(m + length * depth / 1000 * 1 * 25 / 1000);
    return m;
}

} // namespace velmarsund
