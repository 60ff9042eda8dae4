#pragma once
// Catalogue functions of the rotor record: profile pitch, profile codes and the drive motor.

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmarsund {

// Matrix type codes of the rotor record.
enum MatrixTypeCode : std::uint8_t {
    MatrixP = 0, // condensation rotor
    MatrixE = 1, // enthalpy rotor
    MatrixK = 3, // epoxy-coated
    MatrixN = 6, // sorption rotor
};

bool IsKnownMatrixType(int code);

// Rotor speed the main window sets for a matrix type, 1/min.
double DefaultSpeed(int matrixType);

// Pitch (wave length) of the foil wave in mm for a wave height in mm.
double ProfilePitchOf(double height);

// Foil thickness in mm by the letter of a profile code; any other letter gives 0.08 mm.
double FoilThicknessOfLetter(char letter);

struct ProfileData {
    double FoilThickness = 0.08; // mm
    double ProfileHeight = 1.9;  // mm
    double ProfilePitch = 5.2;   // mm
};

// A profile code is a letter and two digits ("E20": 0.06 mm foil, 2.0 mm wave, 3.8 mm pitch).
// Only the first three characters are read; no value when characters two and three are not digits.
std::optional<ProfileData> DecodeProfile(std::string_view code);

// Drive motor of a wheel: power in W and current in A.
double MotorPower(int diameter, int matrixType);
double MotorCurrent(int diameter, int matrixType);

} // namespace velmarsund
