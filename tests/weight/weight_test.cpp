// Rotor weight: the component lists at their band edges, the matrix and its coating, the
// composition and rounding of the total.

#include "housing_series.h"
#include "housing_weight.h"
#include "math_error.h"
#include "matrix_weight.h"
#include "rotor_data.h"
#include "rotor_weight.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmarsund;

namespace {

// E20: 0.06 mm foil, 2.0 mm wave, 3.8 mm pitch.
constexpr double kH = 2.0, kT = 0.06, kP = 3.8;

} // namespace

TEST(RotorWeight, ReferenceConfigurations) {
    // Reference weights worked out independently from the bill of materials.
    const struct {
        int code;
        std::int64_t h, w, d;
        const char* profile;
        int type;
        int weight;
    } cases[] = {
        {HousingHXL, 2000, 2000, 1920, "E20", MatrixE, 227},
        {HousingHXL, 600, 750, 505, "E20", MatrixP, 31},
        {HousingHXL, 3000, 3000, 2800, "E18", MatrixK, 613},
        {HousingHXL, 4000, 4000, 3760, "E16", MatrixE, 1316},
        {HousingHXL, 6400, 6400, 6000, "E14", MatrixN, 3435},
        {HousingHXG, 1000, 1000, 905, "E20", MatrixP, 91},
        {HousingHXG, 2500, 2500, 2380, "E20", MatrixP, 391},
        {HousingHXG, 2500, 2500, 2381, "E20", MatrixP, 494},
        {HousingHXG, 3000, 3000, 2840, "E20", MatrixE, 650},
        {HousingHXG, 3000, 3001, 2840, "E20", MatrixE, 750}, // just above sqrt(H*W) = 3000: the large build
        {HousingHXV, 1385, 1385, 1290, "E20", MatrixE, 98},
        {HousingHXV, 1386, 1386, 1290, "E20", MatrixE, 103},
        {HousingHXV, 2500, 2500, 2375, "E20", MatrixN, 336},
        {HousingHXK, 1250, 1250, 1130, "E14", MatrixK, 124},
        {HousingHXK, 2075, 2075, 1955, "E20", MatrixE, 246},
        {HousingHXK, 2076, 2076, 1916, "E20", MatrixE, 254},
    };
    for (const auto& c : cases) {
        const auto p = DecodeProfile(c.profile);
        ASSERT_TRUE(p);
        EXPECT_EQ(RotorWeight(c.code, c.h, c.w, c.d, p->ProfileHeight, p->FoilThickness, 0, c.type,
                              p->ProfilePitch),
                  c.weight)
            << c.code << ": " << c.h << " x " << c.w << " D " << c.d << " " << c.profile;
    }
}

TEST(RotorWeight, ComponentListsAtTheirEdges) {
    // A 2380 mm wheel in a sheet housing has the aluminium and the steel band; at 2381 mm the
    // steel band and the steel part.
    EXPECT_DOUBLE_EQ(SheetFrameEstimate(2500, 2500, 2380, kH, kT, 60, 440), 379.13477504400004);
    EXPECT_DOUBLE_EQ(SheetFrameEstimate(2500, 2500, 2381, kH, kT, 60, 440), 481.66410351021005);
    // The extra corner term of the square housing counts from 330 mm depth only.
    EXPECT_DOUBLE_EQ(SquareHousingWeight(1385, 1385, 1290, kH, kT, 40, 290), 91.342566501);
    EXPECT_DOUBLE_EQ(SquareHousingWeight(1386, 1386, 1290, kH, kT, 40, 330), 95.87129720099999);
    EXPECT_DOUBLE_EQ(SheetFrameEstimate(1000, 1000, 905, kH, kT, 40, 400), 89.38427961525001);
    // Profile frames: a small one, one with ring and flat bars, the largest with steel band and hub.
    EXPECT_DOUBLE_EQ(ProfileFrameEstimate(2000, 2000, 1920, kH, kT, 40, 400), 212.15739859873682);
    EXPECT_DOUBLE_EQ(ProfileFrameEstimate(3000, 3250, 2800, kH, kT, 80, 510), 583.750892196991);
    EXPECT_DOUBLE_EQ(ProfileFrameEstimate(6400, 6400, 6000, kH, kT, 150, 650), 2682.823287442105);
    // Plugged profiles of 40 and 60 mm.
    EXPECT_DOUBLE_EQ(PluggedProfileHousingWeight(1250, 1250, 1130, kH, kT, 40, 330), 105.60438710900002);
    EXPECT_DOUBLE_EQ(PluggedProfileHousingWeight(2076, 2076, 1916, kH, kT, 60, 370), 239.48746246416002);
}

TEST(RotorWeight, LargeSteelHousingIsTheProfileFrameTimes146) {
    const auto composed = [](double estimate, std::int64_t d) {
        return static_cast<int>(std::nearbyint(estimate - MatrixWeight(d, 200, kH, kT) +
                                               MatrixWeightByProfile(d, 200, MatrixE, kP, kH, kT)));
    };
    EXPECT_EQ(RotorWeight(HousingHXG, 3000, 3000, 2840, kH, kT, 0, MatrixE, kP),
              composed(SheetFrameEstimate(3000, 3000, 2840, kH, kT, 60, 440), 2840));
    EXPECT_EQ(RotorWeight(HousingHXG, 3000, 3001, 2840, kH, kT, 0, MatrixE, kP),
              composed(ProfileFrameEstimate(3000, 3001, 2840, kH, kT, 60, 440) * 1.46, 2840));
}

TEST(RotorWeight, DepthOverride) {
    const auto weight = [](std::int64_t override) {
        return RotorWeight(HousingHXL, 2000, 2000, 1920, kH, kT, override, MatrixE, kP);
    };
    EXPECT_EQ(weight(400), weight(0)) << "the standard depth changes nothing";
    EXPECT_EQ(weight(-100), weight(0)) << "only a positive depth overrides";
    EXPECT_GT(weight(600), weight(0));
}

TEST(RotorWeight, ZeroPitchLeavesTheComponentSum) {
    const double sum = ProfileFrameEstimate(2000, 2000, 1920, kH, kT, 40, 400);
    for (int type : {MatrixP, MatrixE, MatrixK, MatrixN})
        EXPECT_EQ(RotorWeight(HousingHXL, 2000, 2000, 1920, kH, kT, 0, type, 0), std::nearbyint(sum)) << type;
}

TEST(MatrixWeight, CoatingByMatrixType) {
    const double D = 1920, depth = 200;
    const double length = FoilLength(D, kH);
    EXPECT_DOUBLE_EQ(length, 1920.0 / 2 / 2.0 * 1920 / 2000 * 3.14);
    EXPECT_EQ(MatrixWeightByProfile(D, depth, MatrixP, 0, kH, kT), MatrixWeight(D, depth, kH, kT));

    const double k = std::sqrt(kH * kH + (kP / 2) * (kP / 2)) * 2.06 / kP;
    const double bare = MatrixWeightByProfile(D, depth, MatrixP, kP, kH, kT);
    EXPECT_DOUBLE_EQ(bare, length * (1 + k) * kT / 1000 * depth / 1000 * 2700);
    EXPECT_EQ(MatrixWeightByProfile(D, depth, MatrixK, kP, kH, kT), bare) << "epoxy adds no coating mass";
    // 25 g/m2 on one foil (enthalpy) or on both foils (sorption).
    EXPECT_DOUBLE_EQ(MatrixWeightByProfile(D, depth, MatrixE, kP, kH, kT) - bare,
                     length * depth / 1000 * 25 / 1000);
    EXPECT_DOUBLE_EQ(MatrixWeightByProfile(D, depth, MatrixN, kP, kH, kT) - bare,
                     length * depth / 1000 * (1 + k) * 25 / 1000);
}

TEST(MatrixWeight, ProfileSizeByMeanSide) {
    const struct {
        std::int64_t h, w, size;
    } cases[] = {{2000, 2000, 40}, {2000, 2001, 40}, {2001, 2001, 60},  {2750, 2750, 60},
                 {2751, 2751, 80}, {3750, 3750, 80}, {3751, 3751, 100}, {1000, 9000, 80}};
    for (const auto& c : cases)
        EXPECT_EQ(ProfileSizeByMeanSide(c.h, c.w), c.size) << c.h << " x " << c.w;
}

TEST(RotorWeight, ArithmeticErrors) {
    EXPECT_THROW(RotorWeight(HousingHXL, 2000, 2000, 1920, 0, kT, 0, MatrixE, 3.2), MathError)
        << "zero wave height";
    EXPECT_THROW(RotorWeight(HousingHXG, -2000, 2000, 1920, kH, kT, 0, MatrixE, kP), MathError)
        << "root of H*W < 0";
    EXPECT_THROW(RotorWeight(HousingHXL, 2000, 2000, 1920, 1e-320, kT, 0, MatrixE, kP), MathError)
        << "overflow";
}
