#include "season_calculation.h"

#include "daten_rwt.h"
#include "math_error.h"

namespace velmarsund {

void CalculateSeason(TDatenRWT& r, char decimalSeparator)
{
    r.Calculate();
    r.EnergyEff = 0;
    r.TempEffBalanced = 0;
    r.HClass = 0;
    r.HClassText.clear();
    r.HClassLabel.clear();
    try {
        r.CalcEnergyClass(decimalSeparator);
    } catch (const MathError&) {
    }
}

} // namespace velmarsund
