#pragma once
// Weight of the foil matrix of a wheel. D wheel diameter (mm), depth matrix depth (mm),
// h wave height (mm), t foil thickness (mm), p pitch (mm). Arithmetic failures raise MathError.

namespace velmarsund {

// Length of the foil wound into the wheel, m: turns times the mean circumference.
double FoilLength(double D, double h);

// Matrix weight as the base estimate takes it, kg.
double MatrixWeight(double D, double depth, double h, double t);

// Matrix weight from the shape of the waved foil and the coating of the matrix type, kg;
// a pitch of 0 falls back to MatrixWeight.
double MatrixWeightByProfile(double D, double depth, int matrixType, double p, double h, double t);

} // namespace velmarsund
