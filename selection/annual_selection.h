#pragma once
// A calculated selection through a year of weather: the annual figures the window, its page and
// rotorcalc show, all through CalculateAnnualEnergy of the engine.

#include "annual_energy.h"
#include "calculate_selection.h"

namespace velmarsund {

// The air of a year from a calculated selection: its winter record, and its summer record when
// the summer case is shown.
AnnualAir AnnualAirOf(const CalculatedSelection& calculated);

// The year for a calculated selection under `inputs`.
AnnualResults CalculateAnnualEnergy(const CalculatedSelection& calculated, const AnnualInputs& inputs,
                                    const WeatherYear& weather, const AnnualProgress& progress = {});

// Calculates the selection and its year under its annual block (the defaults without one); raises
// SelectionNotCalculated as CalculateSelection does.
AnnualResults CalculateAnnualEnergy(const Selection& selection, const WeatherYear& weather);

} // namespace velmarsund
