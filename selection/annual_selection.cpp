#include "annual_selection.h"

namespace velmarsund {

AnnualAir AnnualAirOf(const CalculatedSelection& c) {
    return AnnualAirOf(c.winter, c.summer ? &*c.summer : nullptr);
}

AnnualResults CalculateAnnualEnergy(const CalculatedSelection& c, const AnnualInputs& inputs,
                                    const WeatherYear& weather, const AnnualProgress& progress) {
    return CalculateAnnualEnergy(AnnualAirOf(c), inputs, weather, progress);
}

AnnualResults CalculateAnnualEnergy(const Selection& selection, const WeatherYear& weather) {
    return CalculateAnnualEnergy(CalculateSelection(selection), selection.annual.value_or(AnnualInputs{}),
                                 weather);
}

} // namespace velmarsund
