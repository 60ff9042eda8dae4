#include "air_completion.h"
#include "entered_quantity.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmarsund {
namespace {

struct Entry {
    const char* what;
    EnteredQuantity quantity;
    double AirStreamState::*member;
    double record; // in the record's unit
    double shown;  // in the entry field in inch-pound units
};

TEST(EnteredQuantity, EveryInputKindInItsUnitsAndItsPlaceInTheRecord) {
    const Entry cases[] = {
        {"standard volume", VolumeQuantity(StandardVolume), &AirStreamState::SVol, 100, 58.86},
        {"actual volume", VolumeQuantity(ActualVolume), &AirStreamState::AVol, 100, 58.86},
        {"mass flow", VolumeQuantity(MassFlowGiven), &AirStreamState::MassFlow, 1000, 2204.6},
        {"temperature", kEnteredTemperature, &AirStreamState::Temp, 20, 68},
        {"relative humidity", HumidityQuantity(RelativeHumidity), &AirStreamState::Humidity, 45, 45},
        {"humidity ratio", HumidityQuantity(AbsoluteHumidity), &AirStreamState::X, 2, 14},
        {"wet-bulb temperature", HumidityQuantity(WetBulbTemperature), &AirStreamState::WetBulb, -12, 10.4},
    };
    for (const Entry& c : cases) {
        EXPECT_TRUE(c.quantity.member == c.member) << c.what;
        // SI fields show the record's value unchanged, both ways.
        EXPECT_EQ(ToDisplay(c.quantity, UnitSystem::SI, c.record), c.record) << c.what;
        EXPECT_EQ(ToInternal(c.quantity, UnitSystem::SI, c.record), c.record) << c.what;
        EXPECT_NEAR(ToDisplay(c.quantity, UnitSystem::IP, c.record), c.shown, 1e-9 * (1 + std::abs(c.shown)))
            << c.what;
        EXPECT_NEAR(ToInternal(c.quantity, UnitSystem::IP, c.shown), c.record,
                    1e-9 * (1 + std::abs(c.record)))
            << c.what;
    }
    // The relative humidity is never converted, bit for bit.
    EXPECT_EQ(ToDisplay(HumidityQuantity(RelativeHumidity), UnitSystem::IP, 45.123456789), 45.123456789);
}

} // namespace
} // namespace velmarsund
