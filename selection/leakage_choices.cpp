#include "leakage_choices.h"

#include "unit_system.h"

#include <cmath>

namespace velmarsund {

double PressureLimit(UnitSystem system) { return UnitChoice(system, 2000.0, 8.0); }

double SignedForFan(double pressure, int fan) { return std::fabs(pressure) * (fan == Fan::BlowThrough ? 1 : -1); }

} // namespace velmarsund
