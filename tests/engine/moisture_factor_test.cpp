#include "moisture_factor.h"
#include "rotor_data.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmarsund;

TEST(SmoothStep, PassesTheMidpointAndReachesItsEnds)
{
    EXPECT_NEAR(SmoothStep(0.9, 0, 0.3, 1, 0, 0.3), 0.45, 1e-12);
    EXPECT_NEAR(SmoothStep(1, 0, 0.45, 0.72, 0.38, 0.45), 0.5, 1e-12);
    EXPECT_NEAR(SmoothStep(1, 0, 0.45, 0.72, 0.38, 0.38), 0, 2e-3) << "B at X0";
    EXPECT_NEAR(SmoothStep(1, 0, 0.45, 0.72, 0.38, 0.72), 1, 2e-3) << "A at X1";
    // The constant is 3.14159: at X1 the curve is tanh(3.14159) short of A.
    EXPECT_DOUBLE_EQ(SmoothStep(1, 0, 0.45, 0.72, 0.38, 0.72), (std::tanh(3.14159) + 1) * 0.5);
    // Midpoint at X1: the exponent cannot be formed and s stays linear.
    EXPECT_DOUBLE_EQ(SmoothStep(2, 0, 1, 1, 0, 0.5), (std::tanh(0.0) + 1) * 0.5 * 2);
    // X1 = X0: no scale at all gives 0.
    EXPECT_EQ(SmoothStep(2, 1, 1, 1, 1, 0.5), 0);
}

// The reference selection: hp 2.0, v 2.014, n 10, D 0.582, dT 2.76.
TEST(MoistureFactor, ReferenceValuesPerMatrix)
{
    EXPECT_NEAR(MoistureFactor(MatrixP, 2.0, 2.014, 10, 0.582, 2.76), 0.667, 5e-4);
    EXPECT_NEAR(MoistureFactor(MatrixK, 2.0, 2.014, 10, 0.582, 2.76), 0.667, 5e-4);
    EXPECT_NEAR(MoistureFactor(MatrixE, 2.0, 2.014, 10, 0.582, 2.76), 0.781, 5e-4);
    EXPECT_NEAR(MoistureFactor(MatrixN, 2.0, 2.014, 20, 0.582, 2.76), 1.044, 5e-4);
}

TEST(MoistureFactor, CondensationMatrixNeedsTheDewPointAboveTheOutsideAir)
{
    EXPECT_EQ(MoistureFactor(MatrixP, 2.0, 2.0, 10, 0, 2.76), 0);
    EXPECT_EQ(MoistureFactor(MatrixK, 2.0, 2.0, 10, -0.3, 2.76), 0);
    EXPECT_GT(MoistureFactor(MatrixE, 2.0, 2.0, 10, -0.3, 2.76), 0) << "the enthalpy matrix sorbs";
}

TEST(MoistureFactor, SpeedBranchesMeetAtTwenty)
{
    for (int type : {MatrixE, MatrixN}) {
        const double at20 = MoistureFactor(type, 1.8, 2.5, 20, 0.5, -3);
        EXPECT_NEAR(MoistureFactor(type, 1.8, 2.5, 20 + 1e-9, 0.5, -3), at20, 1e-8) << type;
    }
    // Velocities below 1 m/s count as 1 m/s.
    EXPECT_EQ(MoistureFactor(MatrixE, 2.0, 0.4, 10, 0.6, 1), MoistureFactor(MatrixE, 2.0, 1.0, 10, 0.6, 1));
}
