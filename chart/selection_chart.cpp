#include "selection_chart.h"

#include "chart_handover.h"
#include "selection_pages.h"

namespace velmarsund {

ChartPageValues ChartPageValuesOf(const CalculatedSelection& c)
{
    const Selection& s = c.selection;
    ChartPageValues chart;
    chart.frame = PageFrameOf(s, s.chartNotes);
    chart.settings.pressure = s.airPressure;
    chart.settings.units = s.units;
    chart.settings.carrier = !s.mollier;
    chart.settings.language = s.language;
    chart.settings.separators = s.separators;
    chart.lines = ProcessLinesOf(c.winter, c.summer ? &*c.summer : nullptr, true, c.winterCaption, c.summerCaption);
    GrowRanges(chart.settings, chart.lines);
    return chart;
}

} // namespace velmarsund
