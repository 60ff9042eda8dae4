#include "chart_page.h"

#include "chart_picture.h"
#include "page_canvas.h"
#include "recording_canvas.h"

namespace velmarsund {

void DrawChartInto(PageCanvas& canvas, const ChartSettings& settings, const std::vector<ProcessLine>& lines,
                   const QRectF& rect)
{
    const QRectF picture(0, 0, kChartPictureWidth, kChartPictureHeight);
    RecordingCanvas chart;
    chart.SetFont(canvas.State().font);
    RecordingCanvas processes;
    DrawChartPictures(chart, processes, settings, lines);
    chart.PlayOn(canvas, picture, rect);
    processes.PlayOn(canvas, picture, rect);
}

void DrawChartPage(PageCanvas& canvas, const ChartPageValues& values, int exportFlag)
{
    PageFrameValues frame = values.frame;
    frame.showNotes = true;
    DrawPageTitle(canvas, frame);
    ChartSettings settings = values.settings;
    settings.exportMode = exportFlag == 1;
    DrawChartInto(canvas, settings, values.lines, QRectF(QPointF(250, 700), QPointF(1900, 2800)));
}

} // namespace velmarsund
