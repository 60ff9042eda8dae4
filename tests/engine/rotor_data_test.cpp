#include "rotor_data.h"

#include <gtest/gtest.h>

using namespace velmarsund;

TEST(RotorData, ProfilePitchByWaveHeight)
{
    const std::pair<double, double> cases[] = {{1.4, 3.0}, {1.5, 4.2}, {1.6, 3.2}, {1.8, 3.6}, {1.9, 5.2},
                                               {2.0, 3.8}, {2.5, 5.5}, {1.44, 3.0}, {1.2, 3.2}, {3.0, 5.5}};
    for (const auto& [h, pitch] : cases) EXPECT_EQ(ProfilePitchOf(h), pitch) << h;
}

TEST(RotorData, ProfileCodes)
{
    const auto e20 = DecodeProfile("E20");
    ASSERT_TRUE(e20);
    EXPECT_EQ(e20->FoilThickness, 0.06);
    EXPECT_EQ(e20->ProfileHeight, 2.0);
    EXPECT_EQ(e20->ProfilePitch, 3.8);
    const auto e14 = DecodeProfile("E14");
    EXPECT_EQ(e14->FoilThickness, 0.06);
    EXPECT_EQ(e14->ProfileHeight, 1.4);
    EXPECT_EQ(DecodeProfile("A18")->FoilThickness, 0.12);
    EXPECT_EQ(DecodeProfile("D16")->FoilThickness, 0.07);
    EXPECT_EQ(DecodeProfile("X20")->FoilThickness, 0.08) << "unknown letter keeps 0.08";
    EXPECT_FALSE(DecodeProfile("E2"));
    EXPECT_FALSE(DecodeProfile("E2x"));
    EXPECT_FALSE(DecodeProfile(""));
}

TEST(RotorData, MotorTables)
{
    struct Case {
        int d, type;
        double power, current;
    };
    const Case cases[] = {
        {1419, MatrixP, 90, 0.37},   {1420, MatrixP, 180, 0.6},  {2379, MatrixP, 180, 0.6},
        {2380, MatrixP, 370, 1.11},  {2000, MatrixN, 370, 1.11}, {2000, MatrixE, 180, 0.6},
        {3000, MatrixN, 750, 1.78},  {3760, MatrixK, 750, 1.78}, {4760, MatrixE, 750, 1.78},
        {4761, MatrixN, 2200, 2.75}, {4761, MatrixP, 1500, 3.7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MotorPower(c.d, c.type), c.power) << c.d << " type " << c.type;
        EXPECT_EQ(MotorCurrent(c.d, c.type), c.current) << c.d << " type " << c.type;
    }
}
