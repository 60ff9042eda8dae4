#include "housing_weight.h"

#include "geometry_rules.h"
#include "housing_series.h"
#include "math_error.h"
#include "matrix_weight.h"

#include <algorithm>
#include <cmath>

namespace velmarsund {

using checked::Finite;
using checked::Pow;

namespace {

using i64 = std::int64_t;

// sqrt(H*W), mm.
double MeanSide(i64 H, i64 W) {
    return checked::Sqrt(static_cast<double>(H) * static_cast<double>(W));
}

// The multiple of 250 mm at or below x.
i64 Floor250(i64 x) {
    i64 q = x / 250;
    if (x % 250 < 0) --q;
    return 250 * q;
}

i64 CeilToInt(double x) {
    return static_cast<i64>(std::ceil(x));
}

// The mean side rounded up to 250 mm, at least 800 mm, and 600 mm for the smallest housings.
i64 NominalSide(double S) {
    i64 A = 250 * CeilToInt(S / 250);
    if (S <= 800) A = 800;
    if (S <= 600) A = 600;
    return A;
}

// A value by the band of Q (the mean side rounded up): up to 800, 2000, 2750, 3750 and above.
double ByMeanSideBand(i64 Q, double to800, double to2000, double to2750, double to3750, double above) {
    if (Q <= 800) return to800;
    if (Q <= 2000) return to2000;
    if (Q <= 2750) return to2750;
    if (Q <= 3750) return to3750;
    return above;
}

// Mass per metre of the aluminium frame profiles by profile size, kg/m.
double FrameProfileMass(i64 size, bool secondRun) {
    switch (size) {
    case 40:
        return secondRun ? 1.9 : 1.2;
    case 60:
        return secondRun ? 1.895 : 1.85;
    case 80:
        return secondRun ? 3.37 : 3.283;
    case 100:
        return secondRun ? 4.234 : 4.147;
    case 150:
        return 7.83;
    default:
        return 0;
    }
}

// Largest wheel of a square aluminium housing with the side n.
double AluminiumWheelOfSide(i64 n) {
    return static_cast<double>(MaxWheelDiameter(n, n, ProfileSizeByMeanSide(n, n), HousingHXL));
}

// The wheel's ring members of the sheet housings (rows 2 to 5 of the sheet list).
double SheetRadialMembers(double D) {
    double k = 0;
    if (D <= 905)
        k = 2.592;
    else if (D <= 1920)
        k = 3.456;
    else if (D <= 2380)
        k = 4.32;
    return D * k / 2000;
}

double SheetAluminiumBand(double D) {
    return D <= 2380 ? D * 3.14 / 1000 * 1.1 * 0.2 * 2700 * 1.5 / 1000 : 0;
}

double SheetSteelBand(double D) {
    return D > 1920 ? D * 3.14 / 1000 * 1.1 * 0.2 * 7800 * 1.5 / 1000 : 0;
}

double SheetSteelPart(double D) {
    return D > 2380 ? D * 0.23 / 1000 * 6 * 1.5 * 7.8 * 2.7 * 1.1 : 0;
}

} // namespace

std::int64_t ProfileSizeByMeanSide(std::int64_t H, std::int64_t W) {
    const double s = std::nearbyint(MeanSide(H, W));
    if (s <= 2000) return 40;
    if (s <= 2750) return 60;
    if (s <= 3750) return 80;
    return 100;
}

double ProfileFrameEstimate(std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                            std::int64_t size, std::int64_t dep) {
    const i64 c = std::min(H, W);
    const double S = MeanSide(H, W);
    const i64 Q = CeilToInt(S);
    const i64 pm = ProfileSizeByMeanSide(H, W);
    const i64 A = NominalSide(S);
    const double Hd = static_cast<double>(H), Wd = static_cast<double>(W), Dd = static_cast<double>(D);
    const double cd = static_cast<double>(c), depd = static_cast<double>(dep);
    const double pmd = static_cast<double>(pm), Ad = static_cast<double>(A);
    const double c250 = static_cast<double>(Floor250(c));

    // 1 matrix
    const double matrix = MatrixWeight(Dd, 200, h, t);
    // 2 ring
    double ring = 0;
    if (c >= 2500) {
        const double X = AluminiumWheelOfSide(Floor250(c) - 250);
        ring = X / 1000 * 3.14 * 1.1 * 1.0 / 1000 * 2700;
    }
    // 3 radial members
    double kRadial = 0;
    if (c < 1250)
        kRadial = 1.08;
    else if (c < 2000)
        kRadial = 2.592;
    else if (c < 2500)
        kRadial = 3.456;
    const double radial = Dd / 2000 * kRadial;
    // 4 band
    i64 N = 600;
    if (c >= 1000)
        N = Floor250(c);
    else if (c >= 800)
        N = 800;
    const double Nw = AluminiumWheelOfSide(N);
    double sBand = 0;
    if (600 <= c && c < 2500)
        sBand = 1.0;
    else if (2500 <= c && c < 4000)
        sBand = 1.5;
    const double band = Nw / 1000 * 3.14 * 0.2 * sBand / 1000 * 1.1 * 2700;
    // 5 steel band
    const double steelBand = c >= 4000 ? Nw / 1000 * 3.14 * 0.2 * 1.2 / 1000 * 1.1 * 7800 : 0;
    // 6 flat bars
    double nBars = 0;
    if (2500 <= c && c < 3250)
        nBars = 30;
    else if (3250 <= c && c < 4000)
        nBars = 40;
    const double bars = c250 * nBars / 2000 * 0.22 / 1000 * 2700;
    // 7 steel flat bars
    const double steelBars = c >= 4000 ? c250 * 60 / 2000 * 0.22 / 1000 * 7800 : 0;
    // 8 frame profiles, run 1
    double v = Ad >= 2000 ? 8 * cd / 1000 / 2.28 : 0;
    v = v + 8 * S / 1000;
    const double nDepth = Q <= 2000 ? 4 : (Q <= 2500 ? 8 : 16);
    v = v + nDepth * depd / 1000 - 2 * pmd / 1000;
    v = v + ByMeanSideBand(Q, 0, 2.34, 2.85, 3.56, 4.66);
    if (S > 1250) v = v + (Ad - 2 * pmd) / 1000;
    const double e3 = Q <= 1250 ? 0 : ByMeanSideBand(Q, 0.292, 0.292, 0.356, 0.445, 0.591);
    const double L1 = v - e3;
    const double run1 = 1.1 * L1 * FrameProfileMass(size, false);
    // 9 frame profiles, run 2
    const double L2 = 2 * (Ad - 2 * pmd) / 1000 - ByMeanSideBand(Q, 0, 0.584, 0.712, 0.89, 1.182);
    const double run2 = 1.1 * L2 * FrameProfileMass(size, true);
    // 10 face sheet
    const double face = Hd / 1000 * Wd / 1000 * 1.5 / 1000 * 2700;
    // 11 side sheets
    const double sides = (2 * Hd / 1000 + 2 * Wd / 1000) * depd / 1000 * 1.1 * 1.5 / 1000 * 2700;
    // 12 circumferential strip
    const double strip = static_cast<double>(MaxWheelDiameter(A, A, size, HousingHXL)) * 6.28 / 1000 * 0.015 *
                         1.0 / 1000 * 2700;
    // 13 plates
    double plateArea = 0.3872;
    if (Q <= 2000)
        plateArea = 0.1352;
    else if (Q <= 2750)
        plateArea = 0.18;
    else if (Q <= 3750)
        plateArea = 0.2312;
    const double plates = plateArea * 1.5 / 1000 * 2700;
    // 14 edge strips
    const double edges = 2 * (Hd + Wd) / 1000 * 2 * 0.038 * 2.5 / 1000 * 2700;
    // 15 mass by Q
    double byQ = 0;
    if (Q <= 1000)
        byQ = 0.4;
    else if (Q <= 2250)
        byQ = 16;
    // 16 solid steel cylinder
    double cylinder = 0;
    if (D > 2130 && D <= 2630)
        cylinder = Pow(0.03, 2) * 3.14 * 0.4 * 7800;
    else if (D > 2630 && D <= 2840)
        cylinder = Pow(0.03, 2) * 3.14 * 0.495 * 7800;
    else if (D > 2840 && D <= 3590)
        cylinder = Pow(0.04, 2) * 3.14 * 0.495 * 7800;
    else if (D > 3590)
        cylinder = Pow(0.04, 2) * 3.14 * 0.535 * 7800;
    // 17 mass by D
    double byD = 0;
    if (D > 2130 && D <= 2840)
        byD = 6.3;
    else if (D > 2840 && D <= 3590)
        byD = 8.3;
    else if (D > 3590)
        byD = 3.6;
    // 18 mass of the largest wheels
    const double largest = D > 3590 ? 12.00108 : 0;

    return Finite(matrix + ring + radial + band + steelBand + bars + steelBars + run1 + run2 + face + sides +
                  strip + plates + edges + byQ + cylinder + byD + largest);
}

double SheetFrameEstimate(std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                          std::int64_t /*size*/, std::int64_t dep) {
    const double S = MeanSide(H, W);
    const i64 Q = CeilToInt(S);
    const double Hd = static_cast<double>(H), Wd = static_cast<double>(W), Dd = static_cast<double>(D);
    const double depd = static_cast<double>(dep);
    // Bands of Q: up to 1000, 1001 to 2000, above 2000.
    const std::size_t band = Q <= 1000 ? 0 : (Q <= 2000 ? 1 : 2);

    const double matrix = MatrixWeight(Dd, 200, h, t);
    const double radial = SheetRadialMembers(Dd);
    const double aluBand = SheetAluminiumBand(Dd);
    const double steelBand = SheetSteelBand(Dd);
    const double steelPart = SheetSteelPart(Dd);
    // 6 steel members along H + W
    constexpr double kG6[] = {0, 30, 40};
    const double g6 = kG6[band];
    const double alongHW =
        S > 1250 ? (Hd / 1000 + Wd / 1000) * (2 * g6 / 1000 * 1.0 / 1000 * 7800 * 1.1) * 4 : 0;
    // 7 steel members along H
    constexpr double kG7[] = {0, 80, 100};
    const double g7 = kG7[band];
    const double alongH = S > 1250 ? 2 * ((g7 + 80) / 1000 * 1.0 / 1000 * 7800 * 1.1) * Hd / 1000 * 4 : 0;
    // 8 steel members along W
    constexpr double kG8[] = {60, 80, 100};
    const double g8 = kG8[band];
    const double alongW =
        0.8736 + (S > 1250 ? 2 * Wd / 1000 * 1.1 * (g8 + 110) / 1000 * 1.0 / 1000 * 7800 : 0);
    // 9 steel frame
    constexpr double kK9[] = {0.8736, 2.964, 3.744};
    const double k9 = kK9[band];
    const double frame = S <= 1250 ? k9 * 1.6 : static_cast<double>(4 * H + 4 * W + 4 * dep) / 1000 * k9;
    // 10, 11 sheet
    const double smallSheet = S <= 1250 ? (Hd + 3030) / 1000 * (Wd + 60) / 1000 * 0.0008 * 7800 * 2 : 0;
    const double largeSheet = S > 1250 ? Pow(S / 1000, 2) * 0.5 * 0.8 / 1000 * 7800 : 0;
    // 12 steel strip by D
    const double strip = 1.0 * 0.75504 * Dd / 1000 * 2;
    // 13 sheet by circumference
    const double circumference = 0.8 * ((2 * Dd / 1000 * 3.14 + 2 * Dd / 1000) * 10 / 1000) / 1000 * 7800;
    // 14 side walls
    const double q = static_cast<double>(ProfileSizeByShortSide(H, W, HousingHXG));
    const double walls = 0.8 * ((depd / 1000 - 2 * q / 1000) * S / 1000 * (Q <= 1250 ? 2 : 4)) / 1000 * 7800;

    return Finite(matrix + radial + aluBand + steelBand + steelPart + alongHW + alongH + alongW + frame +
                  smallSheet + largeSheet + strip + circumference + walls);
}

double SquareHousingWeight(std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                           std::int64_t /*size*/, std::int64_t dep) {
    const double Hd = static_cast<double>(H), Wd = static_cast<double>(W), Dd = static_cast<double>(D);
    const double depd = static_cast<double>(dep);
    const double f = dep == 290 ? 0 : 2;

    const double matrix = MatrixWeight(Dd, 200, h, t);
    const double faces =
        ((Hd + 111) / 1000 * (Wd + 111) / 1000 - Pow(Dd / 1000, 2) * 0.5) * 2 * 1.25 / 1000 * 7800;
    const double extraCorners = depd * 0.111 / 1000 * f * 4 * 1.25 / 1000 * 7800;
    const double corners = depd * 0.111 / 1000 * 4 * 1.25 / 1000 * 7800;
    const double sides =
        (2 * (Hd - 80) / 1000 * (depd - 80) / 1000 + 2 * (Wd - 80) / 1000 * (depd - 80) / 1000) * 0.88 /
        1000 * 7800;

    return Finite(matrix + SheetRadialMembers(Dd) + SheetAluminiumBand(Dd) + SheetSteelBand(Dd) +
                  SheetSteelPart(Dd) + faces + extraCorners + corners + sides);
}

double PluggedProfileHousingWeight(std::int64_t H, std::int64_t W, std::int64_t D, double h, double t,
                                   std::int64_t size, std::int64_t dep) {
    const double Hd = static_cast<double>(H), Wd = static_cast<double>(W), Dd = static_cast<double>(D);
    const double depd = static_cast<double>(dep), sized = static_cast<double>(size);
    // Profile masses, kg/m: the 60 mm profile above 40 mm.
    const double k2 = size > 40 ? 1.42 : 0.75;
    const double k3 = size > 40 ? 1.54 : 1.35;

    const double matrix = MatrixWeight(Dd, 200, h, t);
    const double aluBand = Dd * 3.14 / 1000 * 1.1 * 0.2 * 2700 * 1.5 / 1000;
    const double frame = static_cast<double>(4 * (H + W + dep)) / 1000 * k2;
    // Two profile pieces across the width, one along the height.
    const double crossPieces = (2 * (Wd - 2 * sized) + (Hd - 2 * sized)) / 1000 * k3;
    const double faces = (Hd / 1000 * Wd / 1000 - Pow(Dd / 1000, 2) * 0.5) * 2 * 1.25 / 1000 * 7800;
    const double sides = (2 * (Hd - 2 * sized) / 1000 * (depd - 2 * sized) / 1000 +
                          2 * (Wd - 2 * sized) / 1000 * (depd - 2 * sized) / 1000) *
                         1.25 / 1000 * 7800;

    return Finite(matrix + SheetRadialMembers(Dd) + aluBand + frame + crossPieces + faces + sides + 20);
}

} // namespace velmarsund
