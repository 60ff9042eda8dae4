#pragma once
// Air exchanged between the four duct sections around a rotor: leakage through the rim gap and
// the separating seal, carry-over of the rotating matrix and purge air, with the section
// pressures, the outside-air and exhaust flows and the figures OACF and EATR.
// Flows are m3/h at standard density, pressures static Pa against the surroundings. Every flow
// result is signed: positive into the section of its suffix, negative out of it.

#include <cstdint>
#include <string>
#include <string_view>

namespace velmarsund {

class TDatenRotLeakage {
  public:
    // Computes every result from the inputs. Arithmetic failures (for example V12 = 0) reach the
    // caller as MathError; a ProfileCode that does not end in a letter and two digits raises
    // std::invalid_argument.
    void CalcLeakage();

    // Inputs.
    std::uint8_t HousingCode = 1; // 1 HXL, 2 HXG, 3 HXV, 10 HXK
    std::int32_t Diameter = 0;    // wheel diameter, mm
    std::string ProfileCode;      // matrix letter, "-" and the profile, e.g. E-E20
    std::uint8_t MatrixType = 1;  // MatrixTypeCode
    double Speed = 10;            // 1/min
    double V12 = 0;               // supply flow leaving the rotor
    double V21 = 0;               // extract flow entering the rotor
    double P11 = 0;               // section pressures; one per stream is entered, the other computed
    double P12 = 0;
    double P21 = 0;
    double P22 = 0;
    double GapCircumference = 2.0; // rim gap, mm
    double GapSeparation = 2.0;    // gap of the separating seal, mm
    double ZetaCircumference = 1.0;
    double ZetaSeparation = 1.0;
    std::uint8_t FanPosition1 = 0; // 0 the fan draws through the rotor, 1 it blows through
    std::uint8_t FanPosition2 = 0;
    std::uint8_t PurgeSector = 0; // 0 none, 1 "2 x 2.5", 2 "2 x 5"

    // Results.
    double DeltaP1 = 0; // rotor pressure drops at standard density, whole Pa
    double DeltaP2 = 0;
    double PMean = 0;      // mean of the four sections
    double PMeanPurge = 0; // mean of sections 11 and 22
    double V11 = 0;        // outside-air flow needed for V12
    double V22 = 0;        // resulting exhaust flow
    double RimLeak11 = 0, RimLeak12 = 0, RimLeak21 = 0, RimLeak22 = 0;
    double LeakSeal11 = 0, LeakSeal22 = 0, LeakSeal12 = 0, LeakSeal21 = 0;
    double CarryOver11 = 0, CarryOver22 = 0, CarryOver12 = 0, CarryOver21 = 0;
    double Purge11 = 0, Purge22 = 0;
    double EATR = 0; // exhaust air transfer ratio, %
    double OACF = 0; // outside air correction factor
};

// Flow through a gap of area A (m2) with loss coefficient zeta from p_from to p_to (Pa), m3/h;
// negative when the air flows the other way.
double GapFlow(double rho, double A, double zeta, double pFrom, double pTo);

// Matrix volume of a 0.2 m deep wheel of diameter D (mm) carried over n times a minute, m3/h.
double CarryOverFlow(double D, double n);

// Face velocity (m/s) of a rotor of the profile in code through which the pressure difference dp
// (Pa) drives the air twice; 0 on any arithmetic failure.
double PurgeFaceVelocity(std::string_view code, double dp);

// Width of both seal gaps (mm) the leakage window sets for a housing code and wheel diameter.
double DefaultGapWidth(int housingCode, int diameter);

} // namespace velmarsund
