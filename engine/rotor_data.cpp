#include "rotor_data.h"

#include <cmath>

namespace velmarsund {

bool IsKnownMatrixType(int code)
{
    return code == MatrixP || code == MatrixE || code == MatrixK || code == MatrixN;
}

double DefaultSpeed(int matrixType) { return matrixType == MatrixN ? 20 : 10; }

double ProfilePitchOf(double h)
{
    double pitch = h < 2.5 ? 5.2 : 5.5;
    if (h < 1.55) pitch = 4.2;
    if (h < 1.45) pitch = 3.2;
    const double tenths = std::nearbyint(10 * h); // halves to even
    if (!(std::fabs(tenths) < 1e6)) return pitch;
    switch (static_cast<long>(tenths)) {
    case 14: return 3.0;
    case 16: return 3.2;
    case 18: return 3.6;
    case 20: return 3.8;
    default: return pitch;
    }
}

double FoilThicknessOfLetter(char letter)
{
    switch (letter) {
    case 'A': return 0.12;
    case 'B': return 0.10;
    case 'C': return 0.08;
    case 'D': return 0.07;
    case 'E': return 0.06;
    default: return 0.08;
    }
}

std::optional<ProfileData> DecodeProfile(std::string_view code)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (code.size() < 3 || !isDigit(code[1]) || !isDigit(code[2])) return std::nullopt;
    ProfileData d;
    d.FoilThickness = FoilThicknessOfLetter(code[0]);
    d.ProfileHeight = ((code[1] - '0') * 10 + (code[2] - '0')) / 10.0;
    d.ProfilePitch = ProfilePitchOf(d.ProfileHeight);
    return d;
}

namespace {

// Row of the motor tables by wheel diameter in mm.
int MotorRow(int d)
{
    if (d < 1420) return 0;
    if (d <= 1915) return 1;
    if (d <= 2379) return 2;
    if (d <= 2840) return 3;
    if (d <= 3759) return 4;
    if (d <= 4760) return 5;
    return 6;
}

// Table B serves the sorption matrix, table A every other type.
constexpr double kPowerA[] = {90, 180, 180, 370, 370, 750, 1500};
constexpr double kPowerB[] = {90, 180, 370, 370, 750, 750, 2200};
constexpr double kCurrentA[] = {0.37, 0.6, 0.6, 1.11, 1.11, 1.78, 3.7};
constexpr double kCurrentB[] = {0.37, 0.6, 1.11, 1.11, 1.78, 1.78, 2.75};

} // namespace

double MotorPower(int diameter, int matrixType)
{
    return (matrixType == MatrixN ? kPowerB : kPowerA)[MotorRow(diameter)];
}

double MotorCurrent(int diameter, int matrixType)
{
    return (matrixType == MatrixN ? kCurrentB : kCurrentA)[MotorRow(diameter)];
}

} // namespace velmarsund
