#include "air_completion.h"
#include "math_error.h"
#include "moist_air.h"

#include <gtest/gtest.h>

using namespace velmarsund;

namespace {

AirStreamState Completed(double temp, double humidity, double p)
{
    AirStreamState s;
    s.Temp = temp;
    s.Humidity = humidity;
    s.SVol = 10000;
    CompleteAirState(RelativeHumidity, s, p);
    CompleteAirFlow(StandardVolume, s, p);
    return s;
}

} // namespace

TEST(AirCompletion, StandardStateAndFlows)
{
    const AirStreamState s = Completed(20, 50, 1013);
    EXPECT_NEAR(s.X, 7.2581, 5e-5);
    EXPECT_NEAR(s.Density, 1.2, 5e-5);
    EXPECT_NEAR(s.AVol, 10000, 1e-6);
    EXPECT_NEAR(s.MassFlow, 12000, 1e-3);
    EXPECT_NEAR(s.DryMassFlow, s.MassFlow / (1 + s.X / 1000), 1e-9);
    EXPECT_NEAR(s.VapourMassFlow, s.DryMassFlow * s.X / 1000, 1e-9);
}

// Every humidity kind, given the two quantities it takes from a known state, finds that state again.
TEST(AirCompletion, EveryHumidityKindFindsTheSameState)
{
    const double p = 950;
    const AirStreamState ref = Completed(24, 45, p);
    struct Kind {
        int kind;
        double AirStreamState::*a;
        double AirStreamState::*b;
    };
    const Kind kinds[] = {
        {0, &AirStreamState::Temp, &AirStreamState::Humidity},
        {1, &AirStreamState::Temp, &AirStreamState::X},
        {2, &AirStreamState::Temp, &AirStreamState::Enthalpy},
        {3, &AirStreamState::X, &AirStreamState::Enthalpy},
        {4, &AirStreamState::Enthalpy, &AirStreamState::Humidity},
        {5, &AirStreamState::X, &AirStreamState::Humidity},
        {6, &AirStreamState::Temp, &AirStreamState::DewPoint},
        {7, &AirStreamState::Temp, &AirStreamState::WetBulb},
        {8, &AirStreamState::DewPoint, &AirStreamState::Enthalpy},
        {9, &AirStreamState::DewPoint, &AirStreamState::WetBulb},
        {10, &AirStreamState::DewPoint, &AirStreamState::Humidity},
        {11, &AirStreamState::WetBulb, &AirStreamState::Humidity},
        {12, &AirStreamState::WetBulb, &AirStreamState::X},
    };
    for (const Kind& k : kinds) {
        AirStreamState s;
        s.*k.a = ref.*k.a;
        s.*k.b = ref.*k.b;
        CompleteAirState(k.kind, s, p);
        // The wet bulb and dew point are fitted searches: a few mK between kinds.
        EXPECT_NEAR(s.Temp, ref.Temp, 2e-3) << "kind " << k.kind;
        EXPECT_NEAR(s.X, ref.X, 2e-3) << "kind " << k.kind;
        EXPECT_NEAR(s.Humidity, ref.Humidity, 2e-2) << "kind " << k.kind;
        EXPECT_NEAR(s.Density, ref.Density, 1e-5) << "kind " << k.kind;
        EXPECT_EQ(s.*k.a, ref.*k.a) << "kind " << k.kind << " keeps what was given";
        if (k.kind != TempDewPoint) { // kind 6 recomputes the dew point from X
            EXPECT_EQ(s.*k.b, ref.*k.b) << "kind " << k.kind << " keeps what was given";
        }
    }
}

TEST(AirCompletion, UnknownHumidityKindChangesNothingButFlowsStillFollow)
{
    AirStreamState s;
    s.Temp = 20;
    s.X = 7;
    s.Density = 1.1;
    s.SVol = 1000;
    const AirStreamState before = s;
    CompleteAirState(13, s, 1013);
    EXPECT_EQ(s, before);
    CompleteAirFlow(StandardVolume, s, 1013);
    EXPECT_DOUBLE_EQ(s.MassFlow, s.AVol * 1.1);
}

TEST(AirCompletion, EveryVolumeKindGivesTheSameFlows)
{
    const double p = 1013;
    const AirStreamState ref = Completed(-12, 90, p);
    for (int kind : {ActualVolume, DryMassFlowGiven, MassFlowGiven}) {
        AirStreamState s = ref;
        s.SVol = s.AVol = s.DryMassFlow = s.VapourMassFlow = s.MassFlow = 0;
        if (kind == ActualVolume) s.AVol = ref.AVol;
        if (kind == DryMassFlowGiven) s.DryMassFlow = ref.DryMassFlow;
        if (kind == MassFlowGiven) s.MassFlow = ref.MassFlow;
        CompleteAirFlow(kind, s, p);
        EXPECT_NEAR(s.SVol, ref.SVol, 1e-6) << kind;
        EXPECT_NEAR(s.AVol, ref.AVol, 1e-6) << kind;
        EXPECT_NEAR(s.MassFlow, ref.MassFlow, 1e-6) << kind;
        EXPECT_NEAR(s.DryMassFlow, ref.DryMassFlow, 1e-6) << kind;
        EXPECT_NEAR(s.VapourMassFlow, ref.VapourMassFlow, 1e-6) << kind;
    }
    // A given mass flow is moist air: the dry part is smaller by 1 + X/1000.
    AirStreamState m = ref;
    m.MassFlow = 12000;
    CompleteAirFlow(MassFlowGiven, m, p);
    EXPECT_DOUBLE_EQ(m.DryMassFlow, 12000 / (1 + ref.X / 1000));
}

TEST(AirCompletion, WetBulbKindKeepsTheEnteredWetBulb)
{
    AirStreamState s;
    s.Temp = 30;
    s.WetBulb = 21.37;
    CompleteAirState(WetBulbTemperature, s, 1013);
    EXPECT_EQ(s.WetBulb, 21.37);
    AirStreamState r;
    r.Temp = 30;
    r.Humidity = s.Humidity;
    CompleteAirState(RelativeHumidity, r, 1013);
    EXPECT_NEAR(r.WetBulb, 21.37, 1e-3) << "kind 0 computes it";
}

TEST(AirCompletion, ZeroHumidityWithRatioGivenRaises)
{
    AirStreamState s;
    s.X = 5;
    s.Humidity = 0;
    EXPECT_THROW(CompleteAirState(XHumidity, s, 1013), MathError);
}
