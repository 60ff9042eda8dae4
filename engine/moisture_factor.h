#pragma once
// How much moisture a matrix transfers relative to its heat.

namespace velmarsund {

// Goes from B (X at or below X0) to A (at X1) and passes (A + B)/2 at X = M.
double SmoothStep(double A, double B, double M, double X1, double X0, double X);

// type: matrix type code; hp: profile height mm; v: larger face velocity m/s; n: speed 1/min;
// D: position of the extract dew point between the inlet temperatures; dT: extract dew point
// minus the mean of the four temperatures, K.
double MoistureFactor(int type, double hp, double v, double n, double D, double dT);

} // namespace velmarsund
