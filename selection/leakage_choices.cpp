#include "leakage_choices.h"

#include "convert_unit.h"

#include <cmath>

namespace velmarsund {

LeakageChoices FirstLeakageChoices(UnitSystem units)
{
    LeakageChoices c;
    c.pressure1 = c.pressure2 = ConvertPressure(-300, UnitSystem::SI, units);
    return c;
}

double PressureLimit(UnitSystem system) { return UnitChoice(system, 2000.0, 8.0); }

double SignedForFan(double pressure, int fan) { return std::fabs(pressure) * (fan == Fan::BlowThrough ? 1 : -1); }

} // namespace velmarsund
