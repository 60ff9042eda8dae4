#include "rot_leakage.h"

#include "daten_rwt.h"
#include "math_error.h"
#include "moist_air.h"
#include "rotor_data.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <stdexcept>

namespace velmarsund {

using checked::Div;
using checked::Finite;
using checked::Pow;
using std::numbers::pi;

namespace {

// The profile a leakage profile code ends in ("E-E20" ends in E20).
std::optional<ProfileData> TrailingProfile(std::string_view code) {
    if (code.size() < 3) return std::nullopt;
    return DecodeProfile(code.substr(code.size() - 3));
}

// The matrix type named by the first character of a leakage profile code.
std::uint8_t MatrixTypeOfLetter(char letter) {
    switch (letter) {
    case 'E':
        return MatrixE;
    case 'K':
        return MatrixK;
    case 'N':
        return MatrixN;
    default:
        return MatrixP;
    }
}

// Whole number nearest to v, halves to the even neighbour.
double RoundHalfEven(double v) {
    const double r = std::nearbyint(Finite(v));
    if (std::fabs(r) >= 9223372036854775808.0) throw MathError("integer overflow");
    return r;
}

// A rotor record at 20 degC / 50 % on both streams, 1013 mbar, flows given at standard density.
void PrepareStandardRecord(TDatenRWT& r, double svol1, double svol2) {
    r.HumidityKind = 0;
    r.VolumeKind = 0;
    r.AirPressure = 1013;
    r.State11.Temp = 20;
    r.State11.Humidity = 50;
    r.State11.SVol = svol1;
    r.State21.Temp = 20;
    r.State21.Humidity = 50;
    r.State21.SVol = svol2;
    r.WheelDepth = 200;
}

void ApplyProfile(TDatenRWT& r, const ProfileData& p) {
    r.FoilThickness = p.FoilThickness;
    r.ProfileHeight = p.ProfileHeight;
    r.ProfilePitch = p.ProfilePitch;
}

} // namespace

double GapFlow(double rho, double A, double zeta, double pFrom, double pTo) {
    const double flow = Finite(A * checked::Sqrt(Div(2 * Finite(std::fabs(pFrom - pTo)), zeta * rho)) * 3600);
    return pTo > pFrom ? -flow : flow;
}

double CarryOverFlow(double D, double n) {
    return Finite(pi * Pow(D / 2000, 2) * n * 60 * 0.2);
}

double PurgeFaceVelocity(std::string_view code, double dp) {
    try {
        TDatenRWT r;
        PrepareStandardRecord(r, 20000, 20000);
        r.Diameter = 1920;
        r.Speed = 10;
        r.MatrixType = MatrixTypeOfLetter(code.empty() ? '\0' : code.front());
        // Only a code longer than the bare profile names one; a shorter code keeps the defaults.
        if (code.size() > 3)
            if (const auto profile = TrailingProfile(code)) ApplyProfile(r, *profile);

        // A failed run leaves the velocity of an earlier wheel behind: that is no answer.
        const auto run = [&r] {
            r.Calculate();
            if (r.Status != 0) throw MathError("the rotor calculation failed");
        };

        // Scale the wheel until the air passing the matrix twice uses up the pressure difference.
        run();
        constexpr int kMaxPasses = 61;
        for (int pass = 0; pass < kMaxPasses; ++pass) {
            run();
            const double P = Finite(1.2 * Pow(r.FaceVelocity1, 2) + 2 * r.DeltaP1Std);
            r.Diameter = checked::RoundToInt(Div(checked::Sqrt(P), checked::Sqrt(dp)) * r.Diameter);
            if (std::fabs(P - dp) < 0.1) break;
        }
        return r.FaceVelocity1;
    } catch (const MathError&) {
        return 0;
    }
}

double DefaultGapWidth(int housingCode, int diameter) {
    if (housingCode == 10) return 1;
    return diameter > 2380 ? 3 : 2;
}

void TDatenRotLeakage::CalcLeakage() {
    const auto profile = TrailingProfile(ProfileCode);
    if (!profile)
        throw std::invalid_argument("profile code '" + ProfileCode +
                                    "' does not end in a letter and two digits");

    // Pressure drops of the rotor at standard density.
    {
        TDatenRWT r;
        PrepareStandardRecord(r, V12, V21);
        r.MatrixType = MatrixType;
        r.Diameter = Diameter;
        r.Speed = Speed;
        ApplyProfile(r, *profile);
        r.Calculate();
        DeltaP1 = RoundHalfEven(r.DeltaP1Std);
        DeltaP2 = RoundHalfEven(r.DeltaP2Std);
    }

    // Section pressures: one per stream is entered, on the side where its fan measures.
    if (FanPosition1 == 0)
        P11 = Finite(P12 + DeltaP1);
    else
        P12 = Finite(P11 - DeltaP1);
    if (FanPosition2 == 0)
        P21 = Finite(P22 + DeltaP2);
    else
        P22 = Finite(P21 - DeltaP2);
    PMean = Finite((P11 + P12 + P21 + P22) / 4);
    PMeanPurge = Finite((P11 + P22) / 2);

    // Gaps: half the circumference at the rim, one diameter at the separating seal.
    const double rho = StandardDensity();
    const double D = Diameter;
    const double aRim = Finite(D / 1000 * pi / 2 * GapCircumference / 1000);
    const double aSep = Finite(D / 1000 * GapSeparation / 1000);
    const bool purge = PurgeSector == 1 || PurgeSector == 2;

    // The rim space neither gains nor loses air.
    RimLeak11 = GapFlow(rho, aRim, ZetaCircumference, PMean, P11);
    RimLeak12 = GapFlow(rho, aRim, ZetaCircumference, PMean, P12);
    RimLeak21 = GapFlow(rho, aRim, ZetaCircumference, PMean, P21);
    RimLeak22 = -Finite(RimLeak12 + RimLeak21 + RimLeak11);

    LeakSeal11 = GapFlow(rho, aSep, ZetaSeparation, P22, P11);
    LeakSeal22 = GapFlow(rho, aSep, ZetaSeparation, P11, P22);
    // A purge sector halves the seal between supply and extract air.
    const double k = purge ? 2 : 1;
    LeakSeal21 = GapFlow(rho, aSep / k, ZetaSeparation, P12, P21);
    LeakSeal12 = GapFlow(rho, aSep / k, ZetaSeparation, P21, P12);

    const double c = CarryOverFlow(D, Speed);
    CarryOver12 = c;
    CarryOver22 = c;
    CarryOver21 = -c;
    CarryOver11 = -c;

    if (purge) {
        // The purge chamber leaks into both sections of the other half.
        LeakSeal12 = Finite(LeakSeal12 + GapFlow(rho, aSep / 2, ZetaSeparation, PMeanPurge, P12));
        LeakSeal21 = Finite(LeakSeal21 + GapFlow(rho, aSep / 2, ZetaSeparation, PMeanPurge, P21));
    }

    double purgeArea = 0;
    if (PurgeSector == 1)
        purgeArea = Finite(pi * Pow(D / 2000, 2) * 5 / 2 / 360);
    else if (PurgeSector == 2)
        purgeArea = Finite(pi * Pow(D / 2000, 2) * 5 / 360);
    const double w = PurgeFaceVelocity(ProfileCode, Finite(std::fabs(P11 - P22)));
    Purge11 = Finite(-w * purgeArea * 3600);
    if (P11 < P22) Purge11 = -Purge11;
    Purge22 = -Purge11;
    if (purge) Purge11 = Finite(Purge11 - LeakSeal12 - LeakSeal21);

    // Balances of both streams.
    V11 = Finite(V12 - RimLeak11 - RimLeak12 - LeakSeal12 - LeakSeal11 - CarryOver11 - CarryOver12 - Purge11);
    V22 = Finite(V21 + RimLeak21 + RimLeak22 + LeakSeal21 + LeakSeal22 + CarryOver21 + CarryOver22 + Purge22);
    OACF = Div(V11, V12);

    // Exhaust air reaching the supply air.
    double W = 0;
    if (CarryOver21 < 0) W = W - CarryOver21;
    if (Purge22 > 0) W = W - Purge22;
    if (W < 0) W = 0;
    if (RimLeak12 > 0) W = W + RimLeak12;
    if (LeakSeal21 < 0) W = W - LeakSeal21;
    if (LeakSeal22 < 0) W = W - LeakSeal22;
    if (RimLeak22 < 0) W = W - RimLeak22;
    EATR = Div(Finite(100 * W), V12);
}

} // namespace velmarsund
