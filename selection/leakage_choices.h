#pragma once
// The leakage window's choices for a selection: where the fans sit, the pressures entered at the
// sections and the purge sector. A selection file stores them; the leakage window and the
// leakage page calculate with them.

#include "unit_system.h"

namespace velmarsund {

namespace Fan {
constexpr int DrawThrough = 0; // the fan after the rotor: the pressure is entered at the section after it
constexpr int BlowThrough = 1; // the fan before it
} // namespace Fan

// The window's choices. Pressures are in the window's unit (Pa or in. W.G.).
struct LeakageChoices {
    int fan1 = Fan::DrawThrough;
    int fan2 = Fan::DrawThrough;
    double pressure1 = -300; // Edit_p_1
    double pressure2 = -300; // Edit_p_2
    int purgeSector = 0;     // 0 none, 1 "2 x 2.5", 2 "2 x 5"
    bool details = false;

    bool operator==(const LeakageChoices&) const = default;
};

// The choices of a first start: both fans drawing through, -300 Pa at each, no purge sector; the
// pressures in `units`.
LeakageChoices FirstLeakageChoices(UnitSystem units);

// The largest pressure difference across the rotor's seals the window accepts, Pa.
constexpr double kLargestPressureDifference = 2500;
// The limits of an entered pressure: ±2000 Pa, ±8 in. W.G.
double PressureLimit(UnitSystem system);
// An entered pressure with the sign of its fan: negative where the fan draws, positive where it blows.
double SignedForFan(double pressure, int fan);

} // namespace velmarsund
