#pragma once
// What the main window hands the chart: the process lines of the calculated seasons and the ranges
// that make their states fit, which only ever grow.

#include "chart_settings.h"

namespace velmarsund {

class TDatenRWT;

// Exhaust line (21 to 22) and supply line (11 to 12) of each season: winter solid, summer dotted;
// without results two empty lines. Each point is named by its state and season and numbered 11, 12
// (supply) or 21, 22 (exhaust).
std::vector<ProcessLine> ProcessLinesOf(const TDatenRWT& winter, const TDatenRWT* summer, bool resultsValid,
                                        const QString& winterCaption = {}, const QString& summerCaption = {});

// Enlarges the temperature and humidity ranges of `settings` until the states of the lines fit;
// never shrinks them.
void GrowRanges(ChartSettings& settings, const std::vector<ProcessLine>& lines);

inline const QColor kExhaustLineColour(182, 0, 147);
inline const QColor kSupplyLineColour(0, 180, 0);

} // namespace velmarsund
