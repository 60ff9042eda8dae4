#pragma once
// One season record calculated as the calculate command does it: the run, then the energy class.

namespace velmarsund {

class TDatenRWT;

// Calculate, then CalcEnergyClass with the class fields cleared first, so that a class that
// cannot be computed shows nothing rather than the one of an earlier run. The decimal separator
// goes into the class label.
void CalculateSeason(TDatenRWT& record, char decimalSeparator);

} // namespace velmarsund
