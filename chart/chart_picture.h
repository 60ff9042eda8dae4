#pragma once
// The psychrometric chart drawn into a picture of 600 x 800 units: the chart itself (grid lines,
// labels, titles) and the process lines of the calculation on top of it, each on a canvas of its
// own, as two pictures laid over each other. The chart maps the humidity ratio x and the
// temperature-like ordinate Y = h - 2.501 x: in the Mollier orientation x to the right and Y
// upwards, turned in the Carrier orientation.

#include "chart_settings.h"

#include <QPointF>
#include <QPolygonF>

#include <vector>

namespace velmarsund {

class PageCanvas;
class RecordingCanvas;

constexpr double kChartPictureWidth = 600;
constexpr double kChartPictureHeight = 800;

// Where the chart's points stand in the picture.
class ChartScale {
public:
    explicit ChartScale(const ChartSettings& settings);

    const ChartSettings& Settings() const { return settings_; }
    const ChartRanges& Ranges() const { return ranges_; }
    // The ordinate of a state: its enthalpy less 2.501 x, kJ/kg.
    double Ordinate(double t, double x) const;
    // A chart point (Y, x) in picture units.
    QPointF At(double y, double x) const;
    // The inverse: the (Y, x) of a picture point.
    std::pair<double, double> ChartPointOf(const QPointF& picture) const;
    // One step of increasing Y and of increasing x in the picture, unit length.
    QPointF YDirection() const;
    QPointF XDirection() const;

    double FontHeight() const { return f_ * s_; } // picture units
    double GridFontHeight() const;
    double PenWidth() const { return w_ * s_; }
    // The plot: the area between the two axes, the highest isotherm and the far end of the
    // humidity ratio, in picture units.
    QPolygonF Plot() const;

    int Sy() const { return sy_; }
    int L() const { return l_; }
    int F() const { return f_; }
    int W() const { return w_; }
    double Hb() const { return hb_; }
    double Ht() const { return ht_; }

private:
    ChartSettings settings_;
    ChartRanges ranges_;
    double hb_ = 0, ht_ = 0;
    int sy_ = 1, l_ = 1, f_ = 1, w_ = 1;
    double originX_ = 0, originY_ = 0; // chart units of the picture's upper-left corner
    double s_ = 1;                     // picture units per chart unit
};

// Draws the chart picture. An arithmetic error leaves the picture as far as it was drawn; the
// answer says whether it was drawn whole. The enthalpy title keeps clear of the process lines.
bool DrawChartPicture(PageCanvas& canvas, const ChartSettings& settings, const std::vector<ProcessLine>& lines = {});

// Draws the process lines: each line point to point in its pen, then every point as a filled
// circle, its number beside it, and a legend of the seasons' pens and the two sides' colours in a
// free corner of the plot, all clear of `keepClear` (the chart's texts). An arithmetic error leaves
// the picture unfinished.
bool DrawProcessPicture(PageCanvas& canvas, const ChartSettings& settings, const std::vector<ProcessLine>& lines,
                        const std::vector<QPolygonF>& keepClear = {});

// The outline each text of a recorded picture covers, measured with the picture's font.
std::vector<QPolygonF> TextOutlines(const RecordingCanvas& picture);

// The chart picture into `chart` (its font set by the caller) and the process picture, in the same
// font, into `processes`.
void DrawChartPictures(RecordingCanvas& chart, RecordingCanvas& processes, const ChartSettings& settings,
                       const std::vector<ProcessLine>& lines);

} // namespace velmarsund
