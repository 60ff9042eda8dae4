#pragma once
// The annual figures of every suitable size of the preselection: each size's selection is
// calculated on a copy (its wheel and housing in place of the selection's), and its year runs
// through the same hour rule as the selection's own. The years of the sizes run side by side on
// the machine's cores; the record chain is thread-safe and each year works on its own copies.

#include "annual_energy.h"
#include "selection.h"
#include "size_evaluation.h"
#include "weather_file.h"

#include <functional>
#include <optional>
#include <vector>

namespace velmarsund {

// Told how many of the sizes' years are done; returns false to stop: the years not yet begun are
// left out. Called on the calling thread.
using AnnualSizesProgress = std::function<bool(int done, int total)>;

// The year of each row of `sizes` (in its order) for `selection` with that row's size: none for a
// size that is not suitable, whose selection is not calculated, or that was left out on a stop.
// The selection's annual block gives the schedule and setpoint (the defaults without one).
std::vector<std::optional<AnnualFigures>> AnnualFiguresOfSizes(const Selection& selection, const SizeEvaluation& sizes,
                                                               const WeatherYear& weather,
                                                               const AnnualSizesProgress& progress = {});

} // namespace velmarsund
