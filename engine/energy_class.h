#pragma once
// Heat-recovery classes H1 .. H6 by energy efficiency (DIN EN 13053).

namespace velmarsund {

// 1 (H1) .. 6 (H6) for an energy efficiency in %; 0 below 0 %, where no class applies.
int HeatRecoveryClassOf(double energyEff);

} // namespace velmarsund
