#pragma once
// The chart page: the page title with the offer header and the chart notes, and the chart with
// the process lines stretched into (250, 700)-(1900, 2800).

#include "chart_settings.h"
#include "page_frame.h"

namespace velmarsund {

class PageCanvas;

struct ChartPageValues {
    PageFrameValues frame; // with the chart notes
    ChartSettings settings;
    std::vector<ProcessLine> lines;

    bool operator==(const ChartPageValues&) const = default;
};

// With exportFlag 1 the chart is drawn in export mode for the PDF, which on this canvas draws the
// same as the screen and the printer.
void DrawChartPage(PageCanvas& canvas, const ChartPageValues& values, int exportFlag);

// The chart and the process pictures stretched into a rectangle of a canvas.
void DrawChartInto(PageCanvas& canvas, const ChartSettings& settings, const std::vector<ProcessLine>& lines,
                   const QRectF& rect);

} // namespace velmarsund
