#include "daten_rwt.h"
#include "energy_class.h"
#include "math_error.h"
#include "moist_air.h"
#include "rotor_data.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmarsund;

namespace {

// The reference selection: wheel 1880 mm, profile E20, 10000 m3/h each, winter -12/90 against 22/40.
TDatenRWT Reference(int matrixType = MatrixE, double speed = 10)
{
    TDatenRWT r;
    r.AirPressure = 1013;
    r.MatrixType = static_cast<std::uint8_t>(matrixType);
    r.Diameter = 1880;
    const ProfileData e20 = *DecodeProfile("E20");
    r.FoilThickness = e20.FoilThickness;
    r.ProfileHeight = e20.ProfileHeight;
    r.ProfilePitch = e20.ProfilePitch;
    r.Speed = speed;
    r.State11.SVol = 10000;
    r.State11.Temp = -12;
    r.State11.Humidity = 90;
    r.State21.SVol = 10000;
    r.State21.Temp = 22;
    r.State21.Humidity = 40;
    return r;
}

// Rounded to the printed digits.
double Printed(double v, int decimals) { return std::round(v * std::pow(10, decimals)) / std::pow(10, decimals); }

} // namespace

TEST(RotorTransfer, ReferenceCaseEnthalpyMatrix)
{
    TDatenRWT r = Reference();
    r.Calculate();
    ASSERT_EQ(r.Status, 0);
    EXPECT_EQ(Printed(r.FaceVelocity1, 3), 1.776);
    EXPECT_EQ(Printed(r.FaceVelocity2, 3), 2.014);
    EXPECT_EQ(Printed(r.DeltaP1Std, 1), 80.7);
    EXPECT_EQ(Printed(r.TempEff1, 2), 78.77);
    EXPECT_EQ(Printed(r.State12.Temp, 2), 14.78);
    EXPECT_EQ(Printed(r.HumEff1, 1), 61.5);
    EXPECT_EQ(Printed(r.State12.X, 2), 4.50);
    EXPECT_EQ(Printed(r.Condensate2, 1), 6.6);
    EXPECT_EQ(Printed(r.TotalHeat1, 1), 117.7);
    EXPECT_EQ(r.Condensate1, 0);
    EXPECT_FALSE(r.FrostRisk);
    // With condensate the exhaust outlet follows from the enthalpy balance.
    EXPECT_NEAR(r.TotalHeat2, -r.TotalHeat1, 1e-3);
    EXPECT_NEAR(r.State22.Humidity, 95, 1e-3);
}

TEST(RotorTransfer, ReferenceCaseOtherMatrices)
{
    TDatenRWT p = Reference(MatrixP);
    p.Calculate();
    ASSERT_EQ(p.Status, 0);
    EXPECT_EQ(Printed(p.HumEff1, 1), 52.6);
    EXPECT_EQ(Printed(p.Condensate2, 1), 10.2);
    TDatenRWT e = Reference();
    e.Calculate();
    EXPECT_DOUBLE_EQ(p.DeltaP1Std * 1.05, e.DeltaP1Std) << "the enthalpy matrix adds 5 % pressure drop";

    TDatenRWT n = Reference(MatrixN, 20);
    n.Calculate();
    ASSERT_EQ(n.Status, 0);
    EXPECT_EQ(Printed(n.TempEff1, 1), 79.5);
    EXPECT_EQ(Printed(n.HumEff1, 1), 82.9);
    EXPECT_EQ(n.Condensate2, 0);
}

// A summer case is the winter case with the streams exchanged; results stay on their own streams.
TEST(RotorTransfer, SummerCaseMirrorsWinterCase)
{
    TDatenRWT winter = Reference();
    winter.Calculate();
    TDatenRWT summer = Reference();
    std::swap(summer.State11, summer.State21);
    summer.Calculate();
    ASSERT_EQ(summer.Status, 0);
    EXPECT_EQ(summer.State11.Temp, 22) << "inlets back on their own sides";
    EXPECT_EQ(summer.State12, winter.State22);
    EXPECT_EQ(summer.State22, winter.State12);
    EXPECT_EQ(summer.TempEff1, winter.TempEff2);
    EXPECT_EQ(summer.HumEff2, winter.HumEff1);
    EXPECT_EQ(summer.TotalHeat1, winter.TotalHeat2);
    EXPECT_EQ(summer.Condensate1, winter.Condensate2);
    EXPECT_EQ(summer.Condensate2, 0);
    EXPECT_EQ(summer.DeltaP1, winter.DeltaP2);
    EXPECT_EQ(summer.FaceVelocity2, winter.FaceVelocity1);
    EXPECT_EQ(summer.AhriTotal1, winter.AhriTotal2);
}

TEST(RotorTransfer, FailureAfterExchangeKeepsStreamsOnTheirSides)
{
    TDatenRWT r = Reference();
    std::swap(r.State11, r.State21); // summer: stream 1 is warmer, so the streams are exchanged
    r.Speed = 0;                     // no revolution: the half period cannot be formed
    r.Calculate();
    EXPECT_EQ(r.Status, 100);
    EXPECT_EQ(r.State11.Temp, 22);
    EXPECT_EQ(r.State21.Temp, -12);
    EXPECT_EQ(r.State11.Humidity, 40);
}

TEST(RotorTransfer, EqualTemperaturesAndEqualHumidityRatios)
{
    TDatenRWT same = Reference();
    same.State11.Temp = 22;
    same.State11.Humidity = 80;
    same.Calculate();
    ASSERT_EQ(same.Status, 0);
    EXPECT_EQ(same.Condensate2, 0);

    TDatenRWT dry = Reference();
    dry.HumidityKind = 1; // humidity ratio given
    dry.State11.X = 1;
    dry.State21.X = 1;
    dry.Calculate();
    ASSERT_EQ(dry.Status, 0);
    EXPECT_EQ(dry.HumEff1, 0);
    EXPECT_EQ(dry.State12.X, 1);
}

TEST(RotorTransfer, FrostRiskBoundaries)
{
    struct Case {
        double t11, phi21;
        bool frost;
    };
    const Case cases[] = {{-15, 60, true}, {-14.9, 60, false}, {-15, 59.9, false},
                          {-20, 40, true}, {-19.9, 40, false}, {-25, 39, false}};
    for (const Case& c : cases) {
        TDatenRWT r = Reference();
        r.State11.Temp = c.t11;
        r.State21.Humidity = c.phi21;
        r.Calculate();
        EXPECT_EQ(r.FrostRisk, c.frost) << c.t11 << " / " << c.phi21;
    }
}

TEST(RotorTransfer, HotHumidAirAtLowPressureEndsAsFailedRun)
{
    // Condensing exhaust at 600 mbar: the enthalpy-line search cannot reach 95 %.
    TDatenRWT r = Reference(MatrixP);
    r.AirPressure = 600;
    r.State11.Temp = 30;
    r.State11.Humidity = 80;
    r.State21.Temp = 18;
    r.State21.Humidity = 80;
    r.Calculate();
    EXPECT_EQ(r.Status, 100);
    EXPECT_EQ(r.State11.Temp, 30);
}

TEST(EnergyClass, ReferenceCase)
{
    TDatenRWT r = Reference();
    r.Calculate();
    r.CalcEnergyClass();
    EXPECT_EQ(r.HClass, 1);
    EXPECT_EQ(r.HClassText, "H1");
    EXPECT_NEAR(r.EnergyEff, 78.25, 0.01);
    EXPECT_EQ(r.HClassLabel, "78.3% / H1");
    EXPECT_NEAR(r.TempEffBalanced, 79.17, 0.01);
    r.CalcEnergyClass(',');
    EXPECT_EQ(r.HClassLabel, "78,3% / H1");
}

TEST(EnergyClass, ClassBoundaries)
{
    struct Case {
        double eff;
        int cls;
    };
    const Case cases[] = {{-0.01, 0}, {0, 6},  {35.99, 6}, {36, 5},  {44.99, 5}, {45, 4}, {54.99, 4},
                          {55, 3},    {63.99, 3}, {64, 2}, {70.99, 2}, {71, 1},  {100, 1}};
    for (const Case& c : cases) EXPECT_EQ(HeatRecoveryClassOf(c.eff), c.cls) << c.eff;
}

TEST(EnergyClass, NegativeEfficiencyKeepsThePreviousClass)
{
    // A small wheel for a large flow: fans and motor need more power than the wheel recovers.
    TDatenRWT r = Reference();
    r.Diameter = 500;
    r.Calculate();
    r.CalcEnergyClass();
    EXPECT_LT(r.EnergyEff, 0);
    EXPECT_EQ(r.HClass, 0);
    EXPECT_EQ(r.HClassText, "");
    EXPECT_EQ(r.HClassLabel.substr(0, 1), "-");

    TDatenRWT good = Reference();
    good.Calculate();
    good.CalcEnergyClass();
    good.Diameter = 500;
    good.CalcEnergyClass();
    EXPECT_EQ(good.HClass, 1) << "kept from the run before";
    EXPECT_EQ(good.HClassText, "H1");
}

TEST(EnergyClass, FailureLeavesTheFieldsAndReachesTheCaller)
{
    TDatenRWT r = Reference();
    r.Calculate();
    r.CalcEnergyClass();
    const TDatenRWT before = r;
    r.State11.SVol = 0; // no flow at the test conditions: no heat, no coefficient of performance
    EXPECT_THROW(r.CalcEnergyClass(), MathError);
    EXPECT_EQ(r.EnergyEff, before.EnergyEff);
    EXPECT_EQ(r.HClassLabel, before.HClassLabel);
    EXPECT_EQ(r.TempEffBalanced, before.TempEffBalanced);
}
