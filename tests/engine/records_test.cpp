#include "air_completion.h"
#include "daten_rwt.h"

#include <gtest/gtest.h>

using namespace velmarsund;

namespace {

void SetInlets(TDatenII& r, double t11, double phi11, double t21, double phi21)
{
    r.AirPressure = 1013;
    r.State11.SVol = 10000;
    r.State11.Temp = t11;
    r.State11.Humidity = phi11;
    r.State21.SVol = 10000;
    r.State21.Temp = t21;
    r.State21.Humidity = phi21;
}

} // namespace

TEST(Records, CreationDefaults)
{
    TDatenRWT r;
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.AirPressure, 0);
    EXPECT_EQ(r.MatrixType, 1);
    EXPECT_EQ(r.WheelDepth, 200);
    EXPECT_EQ(r.FoilThickness, 0.08);
    EXPECT_EQ(r.ProfileHeight, 1.9);
    EXPECT_EQ(r.ProfilePitch, 5.2);
    EXPECT_EQ(r.Speed, 10);
    EXPECT_EQ(r.Diameter, 0);
    EXPECT_EQ(r.HClass, 0);
    EXPECT_TRUE(r.HClassText.empty());
}

TEST(Records, FailedStreamOneLeavesStreamTwoAndStatus100)
{
    TDatenII r;
    SetInlets(r, 20, 50, 22, 40);
    r.Update();
    ASSERT_EQ(r.Status, 0);
    const AirStreamState stream2 = r.State21;

    // Kind 5 with 0 % cannot find a temperature: the run fails in stream 1.
    r.HumidityKind = XHumidity;
    r.State11.X = 5;
    r.State11.Humidity = 0;
    r.State21.X = 99; // would change stream 2 if it were completed
    r.Calculate();
    EXPECT_EQ(r.Status, 100);
    EXPECT_EQ(r.State21.Temp, stream2.Temp);
    EXPECT_EQ(r.State21.X, 99) << "stream 2 keeps its values";
    EXPECT_EQ(r.State21.Density, stream2.Density);

    // The next good run succeeds again.
    r.HumidityKind = RelativeHumidity;
    r.State11.Humidity = 50;
    r.Calculate();
    EXPECT_EQ(r.Status, 0);
}

TEST(Records, SwapAllTwiceRestoresTheRecord)
{
    TDatenRWT r;
    SetInlets(r, -12, 90, 22, 40);
    r.Diameter = 1880;
    r.Calculate();
    ASSERT_EQ(r.Status, 0);
    TDatenRWT copy = r;
    copy.SwapAll();
    EXPECT_EQ(copy.State11, r.State21);
    EXPECT_EQ(copy.State12, r.State22);
    EXPECT_EQ(copy.TempEff1, r.TempEff2);
    EXPECT_EQ(copy.Condensate1, r.Condensate2);
    EXPECT_EQ(copy.DeltaP1Std, r.DeltaP2Std);
    copy.SwapAll();
    EXPECT_EQ(copy.State11, r.State11);
    EXPECT_EQ(copy.State22, r.State22);
    EXPECT_EQ(copy.TempEff1, r.TempEff1);
    EXPECT_EQ(copy.AhriTotal2, r.AhriTotal2);
    EXPECT_EQ(copy.FaceVelocity2, r.FaceVelocity2);
}

// Update completes the inlets and then runs Calculate through the virtual slot.
TEST(Records, UpdateRunsCalculateThroughTheVirtualSlot)
{
    struct Counting : TDatenRWT {
        int calculations = 0;
        void Calculate() override
        {
            ++calculations;
            TDatenRWT::Calculate();
        }
    } r;
    SetInlets(r, -12, 90, 22, 40);
    r.Diameter = 1880;
    TDaten& base = r;
    base.Update();
    EXPECT_EQ(r.calculations, 1);
    EXPECT_EQ(r.Status, 0);
    EXPECT_GT(r.TempEff1, 0);
}

TEST(Records, RotorFailureAfterCompletionFailureStillReportsTheRotorRun)
{
    // The completion of stream 1 fails, the rotor calculation then runs on what the record holds.
    TDatenRWT r;
    SetInlets(r, -12, 90, 22, 40);
    r.Diameter = 1880;
    r.Calculate();
    ASSERT_EQ(r.Status, 0);
    r.HumidityKind = XHumidity;
    r.State11.Humidity = 0;
    r.State21.Humidity = 0;
    r.Calculate();
    EXPECT_EQ(r.Status, 0) << "status reflects only the rotor calculation";
}
