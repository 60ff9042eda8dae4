#include "math_error.h"
#include "moist_air.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmarsund;

// Reference values of the fits, to the printed digits.
TEST(MoistAir, ReferenceValues)
{
    struct Case {
        const char* what;
        double value, expected, tolerance;
    };
    const Case cases[] = {
        {"ps(-20)", SatPressure(-20), 103.69, 0.005},
        {"ps(20)", SatPressure(20), 2336.85, 0.005},
        {"ps(250)", SatPressure(250), 3906250, 0},
        {"ps(0)", SatPressure(0), 611, 0},
        {"ps(-0.001) over ice", SatPressure(-0.001), 610.95, 0.005},
        {"ps(+0.001) over water", SatPressure(0.001), 611.04, 0.005},
        {"x(20, 50 %)", XFromPhi(20, 50, 1013), 7.2581, 5e-5},
        {"density of the standard state", DensityOf(20, XFromPhi(20, 50, 1013), 1013), 1.2, 5e-5},
        {"dew point of x = 0 uses 0.01 g/kg", DewPointOf(0, 1013), -57.2, 0.05},
        {"dew point of the standard state", DewPointOf(7.2581, 1013), 9.27, 0.005},
        {"altitude of 1013 mbar", AltitudeFromPressure(1013), 0, 0},
        {"pressure at 1000 m", PressureFromAltitude(1000), 898.5, 0.05},
        {"phi back from x", PhiFromX(20, XFromPhi(20, 50, 1013), 1013), 50, 1e-9},
        {"cp of dry air", CpMoistAir(1, 0), 1.007, 1e-12},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.value, c.expected, c.tolerance) << c.what;
    EXPECT_NEAR(StandardDensity(), 1.2, 1e-8);
    EXPECT_NE(StandardDensity(), 1.2) << "the scaled fit is 1.2 up to its last bits, not exactly";
}

TEST(MoistAir, HumidityRatioBeyondBoilingAndItsCaughtDivision)
{
    // At 250 degC ps = 3906250 Pa; at 39062.5 mbar the denominator 100*p - pv is exactly zero.
    EXPECT_EQ(XFromPhi(250, 100, 39062.5), 0);
    EXPECT_LT(XFromPhi(250, 100, 1013), 0) << "vapour pressure above the air pressure";
    EXPECT_EQ(XFromPhi(20, 0, 1013), 0);
    EXPECT_EQ(XFromPhi(20, -5, 1013), 0);
    EXPECT_EQ(PhiFromX(20, 0, 1013), 0);
    EXPECT_EQ(PhiFromX(20, -1, 1013), 0);
}

TEST(MoistAir, EnthalpyWithFogAndIce)
{
    const double p = 1013;
    const double xs10 = XFromPhi(10, 100, p);
    const double dry10 = 1.007 * 10 + (2501 + 1.86 * 10) * xs10 / 1000;
    EXPECT_DOUBLE_EQ(EnthalpyOf(10, xs10 + 2, p), dry10 + 2.0 / 1000 * 4.19 * 10);
    const double xsm10 = XFromPhi(-10, 100, p);
    const double drym10 = 1.007 * -10 + (2501 + 1.86 * -10) * xsm10 / 1000;
    EXPECT_DOUBLE_EQ(EnthalpyOf(-10, xsm10 + 2, p), drym10 + 2.0 / 1000 * (2.09 * -10 - 344));
    // At 100 degC no saturation test is made, whatever the humidity ratio.
    EXPECT_DOUBLE_EQ(EnthalpyOf(100, 5000, p), 1.007 * 100 + (2501 + 1.86 * 100) * 5000 / 1000.0);
}

TEST(MoistAir, WetBulbAlongTheEnthalpyLine)
{
    const double p = 1013;
    // A saturated state is its own wet bulb.
    const double xs = XFromPhi(15, 100, p);
    EXPECT_EQ(TempOnEnthalpyLine(15, xs, p, 100), 15);
    // The wet bulb lies on the same enthalpy line, at saturation.
    const double x = XFromPhi(20, 50, p);
    const double wb = TempOnEnthalpyLine(20, x, p, 100);
    EXPECT_NEAR(wb, 13.8, 0.1);
    EXPECT_NEAR(PhiFromX(wb, (EnthalpyOf(20, x, p) - 1.007 * wb) * 1000 / (1.86 * wb + 2501), p), 100, 1e-3);
    // Supersaturated input: X is first reduced in 10 % steps, the result is still on the line.
    const double fogWb = TempOnEnthalpyLine(20, 3 * XFromPhi(20, 100, p), p, 100);
    EXPECT_GT(fogWb, 20);
    // Target 0 is the temperature of dry air with that enthalpy.
    EXPECT_DOUBLE_EQ(TempOnEnthalpyLine(20, x, p, 0), EnthalpyOf(20, x, p) / 1.007);
}

TEST(MoistAir, FailuresReachTheCallerOnlyWhereIntended)
{
    EXPECT_THROW(TempOnEnthalpyLine(1000.5, 5, 1013, 100), MathError);
    EXPECT_THROW(TempOnEnthalpyLine(20, -0.1, 1013, 100), MathError);
    EXPECT_THROW(TempFromXPhi(5, 1013, 0), MathError);
    EXPECT_THROW(DewPointOf(-100, 1013), MathError) << "negative vapour pressure has no logarithm";
    EXPECT_THROW(DensityOf(-273.15, 5, 1013), MathError);
    EXPECT_THROW(CpMoistAir(0, 0), MathError);
    EXPECT_THROW(PressureFromAltitude(50000), MathError) << "negative base, fractional exponent";
}

TEST(MoistAir, EndlessEnthalpyLineSearchReturnsTheInputTemperature)
{
    // At 600 mbar no state of this hot enthalpy line reaches 95 %: the 5 K search would never end.
    const double t = 87.486932796146732;
    EXPECT_EQ(TempOnEnthalpyLine(t, 0, 600, 95), t);
}

TEST(MoistAir, SaturationTemperatureInvertsSaturationPressure)
{
    for (double t : {-40.0, -10.0, -0.5, 0.5, 9.27, 20.0, 55.0, 99.0, 150.0, 300.0})
        EXPECT_NEAR(TempFromSatPressure(SatPressure(t)), t, 1e-5) << t;
    EXPECT_THROW(TempFromSatPressure(0), MathError);
}

TEST(MoistAir, VolumeConversionsAreInverse)
{
    const double x = XFromPhi(-12, 90, 1013);
    const double actual = ActVolumeOf(10000, -12, x, 1013);
    EXPECT_LT(actual, 10000) << "cold air is denser";
    EXPECT_NEAR(StdVolumeOf(actual, -12, x, 1013), 10000, 1e-9);
    EXPECT_NEAR(AltitudeFromPressure(PressureFromAltitude(1500)), 1500, 1e-6);
}

TEST(MoistAir, OverflowInsideAFormulaRaisesThere)
{
    // (-1e80)^4 overflows inside the ice formula: a failure, not a pressure of 0.
    EXPECT_THROW(SatPressure(-1e80), MathError);
    // An overflowing sign test in the bisection ends the search: the input temperature comes back.
    EXPECT_EQ(TempOnEnthalpyLine(-443.3666609876009, 0, 1013, 100), -443.3666609876009);
}

TEST(MoistAir, SpecificHeatsOfDryAirAndVapour) {
    struct Case {
        double t, air, vapour;
    };
    const Case cases[] = {
        {-20, 1.006585061016, 1.861139996},
        {0, 1.0065, 1.86},
        {20, 1.006795626664, 1.860760004},
        {100, 1.0116759402, 1.8799997},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(CpAir(c.t), c.air, 1e-12) << c.t;
        EXPECT_NEAR(CpVapour(c.t), c.vapour, 1e-12) << c.t;
    }
}

// The humidity ratio where the enthalpy line h meets saturation, found by halving the temperature
// on the saturation curve: the walk of SatXOnEnthalpyLine ends on its first step at or beyond it.
double SaturationOnEnthalpyLine(double h, double p) {
    double low = -60;
    double high = 99;
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2;
        (EnthalpyOf(middle, XFromPhi(middle, 100, p), p) < h ? low : high) = middle;
    }
    return XFromPhi((low + high) / 2, 100, p);
}

TEST(MoistAir, EnthalpyLineMeetsSaturationWithinOneStep) {
    struct Case {
        double h, p;
    };
    const Case cases[] = {{-10, 1013}, {0, 1013},   {20, 1013}, {50, 1013},
                          {50, 800},   {100, 1013}, {200, 1100}};
    for (const Case& c : cases) {
        const double xs = SatXOnEnthalpyLine(c.h, c.p) - 1; // the walk adds 1 g/kg beyond saturation
        const double saturation = SaturationOnEnthalpyLine(c.h, c.p);
        EXPECT_GE(xs, saturation - 1e-9) << c.h << " kJ/kg at " << c.p << " mbar";
        EXPECT_LT(xs, saturation + 0.1 + 1e-9) << c.h << " kJ/kg at " << c.p << " mbar";
    }
    // The walk starts at h/4, at 0 for an enthalpy at or below 0: its steps lie on that grid.
    const double below = SatXOnEnthalpyLine(-10, 1013) - 1;
    EXPECT_NEAR(below / 0.1, std::round(below / 0.1), 1e-6);
    const double above = SatXOnEnthalpyLine(20, 1013) - 1;
    EXPECT_NEAR((above - 5) / 0.1, std::round((above - 5) / 0.1), 1e-6);
}
