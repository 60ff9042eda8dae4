#pragma once
// The project-wide settings that the settings window edits, as the main window hands them in and
// takes them back on OK.

#include "number_separators.h"
#include "unit_system.h"

namespace velmarsund {

struct TOptionsValues {
    UnitSystem unitSystem = UnitSystem::SI;
    double airPressure = 1013; // mbar
    int airVolumeKind = 0;     // 0, 1 or 3
    int humidityKind = 0;      // 0, 1 or 7
    NumberSeparators separators;
    bool useAhriEffectiveness = false;
    bool totalEffectiveness = false;
    bool energyEfficiencyClass = true;
    bool wetBulbOnDataSheet = false;
};

} // namespace velmarsund
