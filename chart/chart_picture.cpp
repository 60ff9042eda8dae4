#include "chart_picture.h"

#include "convert_unit.h"
#include "math_error.h"
#include "moist_air.h"
#include "number_format.h"
#include "page_canvas.h"
#include "recording_canvas.h"
#include "text_table.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <tuple>
#include <vector>

namespace velmarsund {
namespace {

const QColor kGridBlue(0, 102, 255);
const QColor kEnthalpyGrey(68, 68, 68);
constexpr double kRelativeHumidities[] = {0.01, 0.02, 0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 1,  2,  3,  4,  5,
                                          7,    10,   15,   20,  30,  40,  50,  60,  70, 80, 90, 100};

int Rounded(double v) { return static_cast<int>(std::lround(v)); }

// The height a line of text takes, top to the bottom of its descenders, as a part of its height.
constexpr double kLineBox = 1.15;

double DisplayEnthalpy(UnitSystem units, double kj)
{
    return ConvertUnit(Quantity::Enthalpy, Unit::KilojoulePerKilogram,
                       UnitChoice(units, Unit::KilojoulePerKilogram, Unit::BtuPerPound), kj);
}
double InternalEnthalpy(UnitSystem units, double display)
{
    return ConvertUnit(Quantity::Enthalpy, UnitChoice(units, Unit::KilojoulePerKilogram, Unit::BtuPerPound),
                       Unit::KilojoulePerKilogram, display);
}
double DisplayTemperature(UnitSystem units, double celsius)
{
    return ConvertUnit(Quantity::Temperature, Unit::Celsius,
                       UnitChoice(units, Unit::Celsius, Unit::Fahrenheit), celsius);
}

// The index (1-based) of the first humidity curve for t max in whole degrees Celsius.
int FirstCurve(double tMax)
{
    const int t = static_cast<int>(tMax);
    if (t <= 100) return 13;
    if (t <= 120) return 11;
    return 9;
}

// Whether a straight piece of a line enters an outline.
bool Crosses(const QLineF& line, const QPolygonF& outline)
{
    if (outline.containsPoint(line.p1(), Qt::OddEvenFill) || outline.containsPoint(line.p2(), Qt::OddEvenFill))
        return true;
    for (qsizetype i = 0; i < outline.size(); ++i) {
        const QLineF edge(outline[i], outline[(i + 1) % outline.size()]);
        if (line.intersects(edge, nullptr) == QLineF::BoundedIntersection) return true;
    }
    return false;
}

bool Inside(const QPolygonF& area, const QRectF& box)
{
    for (const QPointF& corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        if (!area.containsPoint(corner, Qt::OddEvenFill)) return false;
    return true;
}

bool Meets(const std::vector<QPolygonF>& outlines, const QRectF& box)
{
    const QPolygonF b(box);
    return std::any_of(outlines.begin(), outlines.end(), [&](const QPolygonF& o) {
        return o.boundingRect().intersects(box) && !o.intersected(b).isEmpty();
    });
}

// The process lines as straight pieces in the picture; a line of one point as a piece of no length.
std::vector<QLineF> ProcessPieces(const ChartScale& scale, const std::vector<ProcessLine>& lines)
{
    std::vector<QLineF> pieces;
    const auto at = [&](const ProcessPoint& p) { return scale.At(scale.Ordinate(p.t, p.x), p.x); };
    for (const ProcessLine& line : lines) {
        if (line.size() == 1) pieces.emplace_back(at(line[0]), at(line[0]));
        for (std::size_t i = 1; i < line.size(); ++i) pieces.emplace_back(at(line[i - 1]), at(line[i]));
    }
    return pieces;
}

bool CrossesAny(const std::vector<QLineF>& pieces, const QPolygonF& outline)
{
    return std::any_of(pieces.begin(), pieces.end(), [&](const QLineF& l) { return Crosses(l, outline); });
}

class ChartPainter {
public:
    ChartPainter(PageCanvas& canvas, const ChartScale& scale, std::vector<QLineF> processes)
        : c_(canvas), s_(scale), r_(scale.Ranges()), p_(scale.Settings().pressure), units_(scale.Settings().units),
          carrier_(scale.Settings().carrier), language_(scale.Settings().language),
          separators_(scale.Settings().separators), processes_(std::move(processes)), plot_(scale.Plot())
    {
    }

    void Title();
    void HumidityLines();
    void EnthalpyLines();
    void Isotherms();
    void HumidityCurves();

private:
    QPointF At(double y, double x) const { return s_.At(y, x); }
    QString Text(TextId id) const { return LoadText(id, language_); }
    QString Fixed(double value, int digits) const { return FormatFixed(value, digits, 10, separators_); }
    QPointF AlongY(double units) const { return s_.YDirection() * units; }
    QPointF AlongX(double units) const { return s_.XDirection() * units; }
    void Pen(double width, const QColor& colour) { c_.SetPen(width, PenStyle::Solid, colour); }
    void GridText() { c_.SetFontHeight(std::max(1, Rounded(s_.GridFontHeight()))); }
    void Write(const QPointF& at, TextAlign align, const QString& text)
    {
        c_.SetTextAlign(align);
        c_.Text(at.x(), at.y(), text);
    }
    // A text centred on a point: its top half a line above.
    void WriteCentred(const QPointF& at, TextAlign align, const QString& text)
    {
        Write(at - QPointF(0, s_.GridFontHeight() / 2), align, text);
    }
    void WriteTurned(const QPointF& at, double angle, const QString& text)
    {
        c_.SetTextAlign(TextAlign::Centre);
        c_.RotatedText(at.x(), at.y(), angle, text);
    }
    // The label of an enthalpy line that ends at the far edge of the humidity ratio, inside the
    // plot on a white ground, centred on the line; left out where it would touch a label written
    // before or leave the plot.
    void EdgeLabel(const QPointF& from, const QPointF& to, const QString& label, QList<QRectF>& written);

    PageCanvas& c_;
    const ChartScale& s_;
    const ChartRanges& r_;
    const double p_;
    const UnitSystem units_;
    const bool carrier_;
    const LanguageNumber language_;
    const NumberSeparators separators_;
    const std::vector<QLineF> processes_;
    const QPolygonF plot_;
    QRectF humidityTitle_; // where the humidity curves' title stands, once written
};

void ChartPainter::EdgeLabel(const QPointF& from, const QPointF& to, const QString& label, QList<QRectF>& written)
{
    const double g = s_.GridFontHeight();
    const double length = std::hypot(from.x() - to.x(), from.y() - to.y());
    if (length <= 0) return;
    const QPointF inwards = (from - to) / length;
    const QPointF edgeNormal = s_.XDirection();
    const double across = -(inwards.x() * edgeNormal.x() + inwards.y() * edgeNormal.y());
    if (across < 0.2) return; // a line nearly along the edge has no room for it
    const double width = c_.TextWidth(label);
    const double height = g * kLineBox;
    const double half = std::abs(edgeNormal.x()) * width / 2 + std::abs(edgeNormal.y()) * height / 2;
    const double along = (half + 0.3 * g) / across;
    if (along > length) return;
    const QPointF centre = to + inwards * along;
    const QRectF box(centre.x() - width / 2, centre.y() - g / 2, width, height);
    const QRectF kept = box.adjusted(-0.15 * g, -0.15 * g, 0.15 * g, 0.15 * g);
    if (!Inside(plot_, box) ||
        std::any_of(written.begin(), written.end(), [&](const QRectF& w) { return w.intersects(kept); }))
        return;
    c_.SetOpaqueText(true);
    WriteCentred(centre, TextAlign::Centre, label);
    c_.SetOpaqueText(false);
    written.push_back(kept);
}

void ChartPainter::Title()
{
    c_.SetFontHeight(std::max(1, Rounded(s_.FontHeight())));
    c_.SetFontStyle(FontStyle::Bold);
    const QString pressure =
        units_ == UnitSystem::SI
            ? Fixed(p_, 0) + QStringLiteral(" mbar")
            : Fixed(ConvertUnit(Quantity::AirPressure, Unit::Millibar, Unit::Atmosphere, p_), 2) +
                  QLatin1Char(' ') + Text(669);
    const QString text = Text(carrier_ ? 158 : 157) + QLatin1Char(' ') + pressure;
    const double f = s_.FontHeight();
    QPointF at = carrier_ ? At(r_.tMin, r_.xMax) - QPointF(0, 3 * f)
                          : At(EnthalpyOf(r_.tMax, r_.xMax, p_) - 2.501 * r_.xMax, r_.xMin) - QPointF(0, 2 * f);
    // A long title (a long language) that would reach the humidity title moves up above it.
    const QRectF box(at.x(), at.y(), c_.TextWidth(text), f * kLineBox);
    if (box.intersects(humidityTitle_)) at.setY(humidityTitle_.top() - f * kLineBox - f * 0.1);
    Write(at, TextAlign::Left, text);
    c_.SetFontStyle(FontStyle::Normal);
}

void ChartPainter::HumidityLines()
{
    const double f = s_.FontHeight();
    Pen(s_.PenWidth(), kGridBlue);
    c_.Line(At(r_.tMin, r_.xMin), At(r_.tMin, r_.xMax));
    GridText();
    const int count = Rounded((r_.xMax - r_.xMin) / r_.xStep);
    const bool everyOther = units_ == UnitSystem::IP && r_.xMax > 25;
    for (int i = 0; i <= count; ++i) {
        const double x = r_.xMin + i * r_.xStep;
        const QPointF foot = At(r_.tMin, x) - AlongY(f / 2);
        c_.Line(foot, At(EnthalpyOf(r_.tMax, x, p_) - 2.501 * x, x));
        if (everyOther && i % 2 != 0) continue;
        const QString label =
            Fixed(ConvertUnit(Quantity::HumidityRatio, Unit::GramPerKilogram,
                              UnitChoice(units_, Unit::GramPerKilogram, Unit::GrainPerPound), x),
                  0);
        if (carrier_)
            WriteCentred(foot - AlongY(f * 0.2), TextAlign::Right, label);
        else
            Write(foot + QPointF(0, f * 0.1), TextAlign::Centre, label);
    }
    const QString title = Text(209) + (units_ == UnitSystem::SI ? QStringLiteral(" [g/kg]") : QStringLiteral(" [gr/lb]"));
    const QPointF middle = At(r_.tMin, (r_.xMin + r_.xMax) / 2);
    if (carrier_) {
        WriteTurned(middle - AlongY(f * 2.6), 90, title);
    } else {
        // Below the tick labels, however tall the script's letters are.
        const double below = std::max(f * 1.3, f * 0.7 + s_.GridFontHeight() * kLineBox);
        Write(middle + QPointF(0, below), TextAlign::Centre, title);
    }
}

void ChartPainter::EnthalpyLines()
{
    const double f = s_.FontHeight();
    Pen(0, kEnthalpyGrey);
    GridText();
    const double hLow = DisplayEnthalpy(units_, EnthalpyOf(r_.tMin, r_.xMin, p_));
    const double hHigh = DisplayEnthalpy(units_, EnthalpyOf(r_.tMax, r_.xMax, p_));
    const int first = static_cast<int>(std::ceil(hLow / r_.hStep));
    const int last = static_cast<int>(std::trunc(hHigh / r_.hStep));
    struct Labelled {
        QPointF from, to;
    };
    std::vector<Labelled> labelled;
    QList<QRectF> written;
    const double g = s_.GridFontHeight();
    const double cpAir = CpAir(r_.tMax);
    const double cpVapour = CpVapour(r_.tMax);
    for (int k = first; k <= last; ++k) {
        const double display = k * r_.hStep;
        const double h = InternalEnthalpy(units_, display);
        const double xs = SatXOnEnthalpyLine(h, p_);
        if (xs < r_.xMin) continue;
        double xStart = r_.xMin;
        if ((h - 2.501 * xStart) / (cpAir + cpVapour * xStart / 1000) > r_.tMax)
            xStart = (h - cpAir * r_.tMax) * 1000 / (cpVapour * r_.tMax + 2501);
        const double xEnd = std::min(xs, r_.xMax);
        const double yEnd = h - 2.501 * xEnd;
        if (yEnd < r_.tMin) continue;
        const QPointF from = At(h - 2.501 * xStart, xStart);
        const QPointF to = At(yEnd, xEnd);
        c_.Line(from, to);
        if (xEnd < r_.xMax && (yEnd - r_.tMin) * s_.Sy() > s_.F()) {
            // A label that would touch one written before (where the lines crowd at the cold end)
            // is left out.
            const QPointF at = to + (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y()) * f * 0.3;
            const QString label = Fixed(display, 0);
            const double width = c_.TextWidth(label);
            // Where the saturation curve meets the far edge the label would pass it: there it
            // stands on the line inside.
            if (!Inside(plot_, QRectF(at.x(), at.y() - g / 2, width, g * kLineBox))) {
                EdgeLabel(from, to, label, written);
                continue;
            }
            const QRectF box = QRectF(at.x(), at.y() - g / 2, width, g).adjusted(-0.15 * g, 0, 0.15 * g, 0);
            if (std::any_of(written.begin(), written.end(),
                            [&](const QRectF& w) { return w.intersects(box); }))
                continue;
            WriteCentred(at, TextAlign::Left, label);
            written.push_back(box);
            labelled.push_back({from, to});
        } else if (xEnd >= r_.xMax) {
            EdgeLabel(from, to, Fixed(display, 0), written);
        }
    }
    if (labelled.empty()) return;
    // The title along a labelled line, turned to its slope, on a white ground: the middle one, or
    // the nearest to it whose title stays clear of the labels and the process lines, or else of the
    // labels alone.
    const QString title = Text(210) + (units_ == UnitSystem::SI ? QStringLiteral(" [kJ/kg]") : QStringLiteral(" [BTU/lb]"));
    const double width = c_.TextWidth(title);
    const auto place = [&](const Labelled& line) {
        const QPointF d = line.to - line.from;
        double angle = -std::atan2(d.y(), d.x()) * 180 / std::numbers::pi;
        if (angle > 90) angle -= 180;
        if (angle < -90) angle += 180;
        const QPointF normal(-d.y(), d.x());
        const QPointF offset = normal / std::hypot(normal.x(), normal.y()) * f * 0.3;
        const QPointF at = (line.from + line.to) / 2 + (offset.y() < 0 ? offset : -offset);
        QPolygonF box(QRectF(-width / 2, 0, width, g * kLineBox));
        box = QTransform().translate(at.x(), at.y()).rotate(-angle).map(box);
        return std::tuple{at, angle, box};
    };
    const std::size_t middle = labelled.size() / 2;
    const auto write = [&](const QPointF& at, double angle) {
        c_.SetOpaqueText(true);
        WriteTurned(at, angle, title);
        c_.SetOpaqueText(false);
    };
    for (const bool processes : {true, false})
        for (std::size_t step = 0; step <= labelled.size(); ++step) {
            for (const std::size_t i : {middle - std::min(step, middle), middle + step}) {
                if (i >= labelled.size()) continue;
                const auto [at, angle, box] = place(labelled[i]);
                const bool clear = std::none_of(written.begin(), written.end(),
                                                [&](const QRectF& w) { return box.intersects(QPolygonF(w)); });
                if (clear && (!processes || !CrossesAny(processes_, box))) {
                    write(at, angle);
                    return;
                }
            }
        }
    const auto [at, angle, box] = place(labelled.front());
    write(at, angle);
}

void ChartPainter::Isotherms()
{
    const double f = s_.FontHeight();
    GridText();
    const int count = static_cast<int>(std::trunc((r_.tMax - r_.tMin) / r_.tStep + 1e-9));
    double widestLabel = 0;
    for (int i = 0; i <= count; ++i) {
        const double t = r_.tMin + i * r_.tStep;
        const double display = DisplayTemperature(units_, t);
        const double rest = std::fabs(display / r_.tMajor - std::round(display / r_.tMajor)) * r_.tMajor;
        const bool major = rest < 0.1;
        Pen(major ? s_.PenWidth() : 0, kGridBlue);
        const double xLeft = r_.xMin - 0.2;
        double xSat = t >= 100 ? r_.xMax : XFromPhi(t, 100, p_);
        xSat = std::min(xSat, r_.xMax);
        const QPointF start = At(EnthalpyOf(t, xLeft, p_) - 2.501 * xLeft, xLeft);
        c_.Line(start, At(EnthalpyOf(t, xSat, p_) - 2.501 * xSat, xSat));
        const double xFog = std::min(xSat + 0.5, r_.xMax);
        const double yFog = EnthalpyOf(t, xFog, p_) - 2.501 * xFog;
        if (xFog > xSat && yFog >= r_.tMin) c_.Line(At(EnthalpyOf(t, xSat, p_) - 2.501 * xSat, xSat), At(yFog, xFog));
        if (!major) continue;
        const QString label = Fixed(display, 0);
        widestLabel = std::max(widestLabel, c_.TextWidth(label));
        if (carrier_) {
            // Turned, a long label reaches up towards the axis: below it, clear of it.
            const double axis = At(r_.tMin, r_.xMin).y();
            WriteTurned(start - AlongX(std::max(f * 0.6, axis + f * 0.1 + c_.TextWidth(label) / 2 - start.y())), 90,
                        label);
        } else
            WriteCentred(start - AlongX(f * 0.3), TextAlign::Right, label);
    }
    const QString unit = Text(units_ == UnitSystem::SI ? 411 : 412);
    const QString title = Text(211) + QStringLiteral(" [") + unit + QLatin1Char(']');
    const double yMiddle = (s_.Hb() + s_.Ht()) / 2;
    if (carrier_) {
        Write(At(yMiddle, r_.xMin) + QPointF(0, f * 2.2), TextAlign::Centre, title);
    } else {
        // Left of the widest tick label, with a gap.
        const double labels = f * 0.3 + widestLabel + s_.GridFontHeight() * kLineBox + f * 0.2;
        WriteTurned(At(yMiddle, r_.xMin) - AlongX(std::max(f * 2.9, labels)), 90, title);
    }
}

void ChartPainter::HumidityCurves()
{
    const double f = s_.FontHeight();
    GridText();
    const int first = FirstCurve(r_.tMax);
    const double ascent = QFontMetricsF(c_.CurrentFont()).ascent();
    QPointF lastEnd;
    struct Label {
        QPointF at;
        QString text;
        TextAlign align;
    };
    std::vector<Label> labels;
    for (int index = first; index <= 25; ++index) {
        const double phi = kRelativeHumidities[index - 1];
        Pen(phi == 50 || phi == 100 ? s_.PenWidth() : 0, kGridBlue);
        QPolygonF points;
        bool farEdge = false; // ends at x max rather than at t max
        double lastX = 0;
        // At most one point a kelvin from t min to t max.
        for (double t = r_.tMin; t <= r_.tMax + 1e-9; t += 1) {
            double x = XFromPhi(t, phi, p_);
            double temp = t;
            const bool beyond = x > r_.xMax || x < 0;
            if (beyond) {
                x = r_.xMax;
                temp = TempFromXPhi(r_.xMax, p_, phi);
            }
            points << At(EnthalpyOf(temp, x, p_) - 2.501 * x, x);
            farEdge = beyond;
            lastX = x;
            if (beyond) break;
        }
        if (points.size() < 2) continue;
        c_.Polyline(points);
        lastEnd = points.back();
        if (phi == 70 || phi == 90) continue;
        const QString text = FormatGeneral(phi, 10, separators_);
        if (!farEdge) {
            // Beyond the highest isotherm (the curve's last step may end short of it), clear of
            // it: above it in the Mollier chart, right of it in the Carrier chart.
            const QPointF edge = At(EnthalpyOf(r_.tMax, lastX, p_) - 2.501 * lastX, lastX);
            if (carrier_)
                labels.push_back({edge + QPointF(f * 0.3, 0), text, TextAlign::Left});
            else
                labels.push_back({edge - QPointF(0, f * 0.3 + s_.GridFontHeight() * (kLineBox - 0.5)), text,
                                  TextAlign::Centre});
            continue;
        }
        const QPointF d = points.back() - points[points.size() - 2];
        const double length = std::hypot(d.x(), d.y());
        QPointF at = points.back() + (length > 0 ? d / length * f * 0.25 : QPointF());
        // The figures stand on the top edge of the turned chart, not across it, however flat the
        // curve's last step.
        if (carrier_) at.setY(std::min(at.y(), points.back().y() - (ascent - s_.GridFontHeight() / 2) - f * 0.1));
        labels.push_back({at, text, TextAlign::Left});
    }
    // Where the curves end close together, the higher humidities keep their labels and a label
    // that would touch one already written is left out.
    const double h = s_.GridFontHeight();
    std::vector<QRectF> kept;
    std::vector<bool> keep(labels.size(), false);
    for (std::size_t i = labels.size(); i-- > 0;) {
        const double width = c_.TextWidth(labels[i].text);
        const double left = labels[i].align == TextAlign::Centre ? labels[i].at.x() - width / 2 : labels[i].at.x();
        const QRectF box = QRectF(left, labels[i].at.y() - h / 2, width, h)
                               .adjusted(-0.15 * h, -0.15 * h, 0.15 * h, 0.15 * h);
        if (std::any_of(kept.begin(), kept.end(), [&](const QRectF& k) { return k.intersects(box); }))
            continue;
        kept.push_back(box);
        keep[i] = true;
    }
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (keep[i]) WriteCentred(labels[i].at, labels[i].align, labels[i].text);
    // The title over the chart's upper right corner, where the curves end, and above the labels
    // under it or just before it (a figure before the title would read as a part of it).
    const QString title = Text(13) + QStringLiteral(" [%]");
    const QPointF corner = At(s_.Ht(), r_.xMax);
    double top = std::min(corner.y(), lastEnd.y()) - f * (carrier_ ? 1.6 : 1.4);
    const double width = c_.TextWidth(title);
    for (bool moved = true; moved;) {
        moved = false;
        for (const QRectF& k : kept)
            if (QRectF(corner.x() - width - h, top, width + h, h * kLineBox).intersects(k)) {
                top = k.top() - h * kLineBox;
                moved = true;
            }
    }
    Write(QPointF(corner.x(), top), TextAlign::Right, title);
    humidityTitle_ = QRectF(corner.x() - width, top, width, h * kLineBox);
}

} // namespace

ChartScale::ChartScale(const ChartSettings& settings) : settings_(settings), ranges_(RangesOf(settings))
{
    const double p = settings.pressure;
    hb_ = std::round(EnthalpyOf(ranges_.tMin, ranges_.xMin, p) - 2.501 * ranges_.xMin);
    ht_ = std::round(EnthalpyOf(ranges_.tMax, ranges_.xMax, p) - 2.501 * ranges_.xMax);
    const double sx = 100;
    const double span = ht_ - hb_;
    sy_ = span != 0 ? Rounded((ranges_.xMax - ranges_.xMin) * sx / span * 800 / 600) : 1;
    if (settings.carrier) sy_ = Rounded(0.55 * sy_);
    sy_ = std::max(sy_, 1);
    l_ = std::max(1, Rounded((ranges_.xMax - ranges_.xMin) * sx));
    const double d = settings.carrier ? 800 : 600;
    f_ = Rounded(l_ * 18 / d);
    w_ = Rounded(l_ * 1.5 / d);
    if (settings.carrier) {
        originX_ = sy_ * hb_ - 5.0 * f_;
        originY_ = 100 * ranges_.xMax + 6.0 * f_;
    } else {
        originX_ = 100 * ranges_.xMin - 5.0 * f_;
        originY_ = sy_ * ht_ + 6.0 * f_;
    }
    s_ = d / (l_ + 10.0 * f_);
}

double ChartScale::Ordinate(double t, double x) const { return EnthalpyOf(t, x, settings_.pressure) - 2.501 * x; }

QPointF ChartScale::At(double y, double x) const
{
    const double cx = settings_.carrier ? sy_ * y : 100 * x;
    const double cy = settings_.carrier ? 100 * x : sy_ * y;
    return {(cx - originX_) * s_, (originY_ - cy) * s_};
}

std::pair<double, double> ChartScale::ChartPointOf(const QPointF& picture) const
{
    const double cx = picture.x() / s_ + originX_;
    const double cy = originY_ - picture.y() / s_;
    if (settings_.carrier) return {cx / sy_, cy / 100};
    return {cy / sy_, cx / 100};
}

QPointF ChartScale::YDirection() const { return settings_.carrier ? QPointF(1, 0) : QPointF(0, -1); }
QPointF ChartScale::XDirection() const { return settings_.carrier ? QPointF(0, -1) : QPointF(1, 0); }
double ChartScale::GridFontHeight() const { return std::round(0.9 * f_) * s_; }

QPolygonF ChartScale::Plot() const
{
    const ChartRanges& r = ranges_;
    return QPolygonF{{At(r.tMin, r.xMin), At(r.tMin, r.xMax), At(Ordinate(r.tMax, r.xMax), r.xMax),
                      At(Ordinate(r.tMax, r.xMin), r.xMin)}};
}

namespace {

// The numbers of the process points beside them and the legend in a corner of the plot, each where
// it stays clear of the chart's texts, the process lines and points, and each other.
class ProcessLabels {
public:
    ProcessLabels(PageCanvas& canvas, const ChartScale& scale, const std::vector<ProcessLine>& lines,
                  const std::vector<QPolygonF>& keepClear)
        : c_(canvas), s_(scale), lines_(lines), taken_(keepClear), plot_(scale.Plot()),
          pieces_(ProcessPieces(scale, lines)), g_(scale.GridFontHeight()), radius_(3 * scale.PenWidth())
    {
        c_.SetFontHeight(std::max(1, Rounded(g_)));
        c_.SetFontStyle(FontStyle::Normal);
        for (const ProcessLine& line : lines)
            for (const ProcessPoint& p : line) points_.push_back(At(p));
    }

    void Legend();
    void Numbers();

private:
    QPointF At(const ProcessPoint& p) const { return s_.At(s_.Ordinate(p.t, p.x), p.x); }
    // Whether a box lies in the plot clear of the texts, the points and (with `lines`) the lines.
    bool Free(const QRectF& box, bool lines) const
    {
        const double m = 0.3 * g_;
        if (!Inside(plot_, box) || Meets(taken_, box.adjusted(-m, -m, m, m))) return false;
        const QRectF aroundPoints = box.adjusted(-radius_, -radius_, radius_, radius_);
        if (std::any_of(points_.begin(), points_.end(), [&](const QPointF& p) { return aroundPoints.contains(p); }))
            return false;
        return !lines || !CrossesAny(pieces_, QPolygonF(box.adjusted(-m, -m, m, m)));
    }

    PageCanvas& c_;
    const ChartScale& s_;
    const std::vector<ProcessLine>& lines_;
    std::vector<QPolygonF> taken_;
    const QPolygonF plot_;
    const std::vector<QLineF> pieces_;
    std::vector<QPointF> points_;
    const double g_;
    const double radius_;
};

void ProcessLabels::Legend()
{
    struct Row {
        PenStyle style;
        QColor colour;
        QString text;
    };
    const LanguageNumber language = s_.Settings().language;
    std::vector<Row> rows;
    const auto drawn = [&](auto&& test) {
        return std::any_of(lines_.begin(), lines_.end(),
                           [&](const ProcessLine& l) { return !l.empty() && test(l.front()); });
    };
    if (drawn([](const ProcessPoint& p) { return p.penStyle != 2; }))
        rows.push_back({PenStyle::Solid, Qt::black, LoadText(665, language)});
    if (drawn([](const ProcessPoint& p) { return p.penStyle == 2; }))
        rows.push_back({PenStyle::Dotted, Qt::black, LoadText(666, language)});
    for (const auto& [number, text] : {std::pair{11, 667}, std::pair{21, 668}})
        for (const ProcessLine& l : lines_)
            if (!l.empty() && l.front().number == number) {
                rows.push_back({PenStyle::Solid, l.front().pen, LoadText(text, language)});
                break;
            }
    if (rows.empty()) return;

    const double pad = 0.4 * g_;
    const double rowHeight = 1.4 * g_;
    const double sample = 2.2 * g_;
    const double gap = 0.5 * g_;
    double widest = 0;
    for (const Row& r : rows) widest = std::max(widest, c_.TextWidth(r.text));
    const QSizeF size(pad + sample + gap + widest + pad, 2 * pad + rows.size() * rowHeight);

    // The corner where the fog region lies first (no process runs there), then the others; from
    // each corner inwards step by step.
    const QPointF centre = plot_.boundingRect().center();
    std::optional<QRectF> box;
    for (const QPointF& corner : {plot_[1], plot_[3], plot_[2], plot_[0]}) {
        const double sx = centre.x() > corner.x() ? 1 : -1;
        const double sy = centre.y() > corner.y() ? 1 : -1;
        for (int sum = 0; sum <= 16 && !box; ++sum)
            for (int i = 0; i <= sum && !box; ++i) {
                const QPointF near = corner + QPointF(sx * (0.5 * g_ + i * rowHeight), sy * (0.5 * g_ + (sum - i) * rowHeight));
                const QRectF candidate(QPointF(sx > 0 ? near.x() : near.x() - size.width(),
                                               sy > 0 ? near.y() : near.y() - size.height()),
                                       size);
                if (Free(candidate, true)) box = candidate;
            }
        if (box) break;
    }
    if (!box) return;

    c_.SetPen(0, PenStyle::Solid, Qt::black);
    c_.SetBrush(BrushStyle::Solid, Qt::white);
    c_.Rectangle(*box);
    c_.SetTextAlign(TextAlign::Left);
    c_.SetTextColour(Qt::black);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const double y = box->top() + pad + (k + 0.5) * rowHeight;
        const double x = box->left() + pad;
        c_.SetPen(3 * s_.PenWidth(), rows[k].style, rows[k].colour);
        c_.Line(QPointF(x, y), QPointF(x + sample, y));
        c_.Text(x + sample + gap, y - g_ / 2, rows[k].text);
    }
    taken_.push_back(QPolygonF(*box));
}

void ProcessLabels::Numbers()
{
    const double gap = 0.25 * g_;
    const double height = g_ * kLineBox;
    c_.SetTextAlign(TextAlign::Left);
    c_.SetTextColour(Qt::black);
    c_.SetOpaqueText(true);
    c_.SetFontStyle(FontStyle::Bold); // apart from the grid's figures
    for (const ProcessLine& line : lines_)
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i].number <= 0) continue;
            const QString text = QString::number(line[i].number);
            const double width = c_.TextWidth(text);
            const QPointF at = At(line[i]);
            // Away from the rest of its line first, then turning step by step to either side.
            QPointF outwards(1, -1);
            if (line.size() > 1) {
                const QPointF other = At(line[i == 0 ? 1 : i - 1]);
                if (other != at) outwards = at - other;
            }
            const double start = std::atan2(outwards.y(), outwards.x());
            std::vector<QRectF> candidates;
            for (int k = 0; k < 16; ++k) {
                const double turn = ((k + 1) / 2) * (k % 2 == 0 ? 1 : -1) * std::numbers::pi / 8;
                const QPointF u(std::cos(start + turn), std::sin(start + turn));
                const double reach = radius_ + gap + std::abs(u.x()) * width / 2 + std::abs(u.y()) * height / 2;
                const QPointF centre = at + u * reach;
                candidates.emplace_back(centre.x() - width / 2, centre.y() - height / 2, width, height);
            }
            QRectF chosen = candidates.front();
            for (const bool clearOfLines : {true, false}) {
                const auto it = std::find_if(candidates.begin(), candidates.end(),
                                             [&](const QRectF& b) { return Free(b, clearOfLines); });
                if (it != candidates.end()) {
                    chosen = *it;
                    break;
                }
            }
            c_.Text(chosen.left(), chosen.top(), text);
            taken_.push_back(QPolygonF(chosen));
        }
    c_.SetOpaqueText(false);
    c_.SetFontStyle(FontStyle::Normal);
}

} // namespace

bool DrawChartPicture(PageCanvas& canvas, const ChartSettings& settings, const std::vector<ProcessLine>& lines)
{
    const ChartScale scale(settings);
    // A process state the moist-air functions cannot place leaves the title where it would stand
    // without processes; the chart is drawn all the same.
    std::vector<QLineF> pieces;
    try {
        pieces = ProcessPieces(scale, lines);
    } catch (const MathError&) {
    }
    try {
        ChartPainter painter(canvas, scale, std::move(pieces));
        painter.HumidityLines();
        painter.EnthalpyLines();
        painter.Isotherms();
        painter.HumidityCurves();
        painter.Title(); // clear of the humidity title
    } catch (const MathError&) {
        return false;
    }
    return true;
}

bool DrawProcessPicture(PageCanvas& canvas, const ChartSettings& settings, const std::vector<ProcessLine>& lines,
                        const std::vector<QPolygonF>& keepClear)
{
    const ChartScale scale(settings);
    const double w = scale.PenWidth();
    try {
        for (const ProcessLine& line : lines) {
            if (line.empty()) continue;
            QPolygonF points;
            for (const ProcessPoint& p : line) points << scale.At(scale.Ordinate(p.t, p.x), p.x);
            canvas.SetPen(3 * w, line.front().penStyle == 2 ? PenStyle::Dotted : PenStyle::Solid, line.front().pen);
            canvas.Polyline(points);
            for (int i = 0; i < points.size(); ++i) {
                const ProcessPoint& p = line[static_cast<std::size_t>(i)];
                canvas.SetPen(0, PenStyle::Solid, Qt::black);
                canvas.SetBrush(BrushStyle::Solid, p.fill);
                canvas.Ellipse(QRectF(points[i] - QPointF(3 * w, 3 * w), QSizeF(6 * w, 6 * w)));
            }
        }
        ProcessLabels labels(canvas, scale, lines, keepClear);
        labels.Legend();
        labels.Numbers();
    } catch (const MathError&) {
        return false;
    }
    return true;
}

std::vector<QPolygonF> TextOutlines(const RecordingCanvas& picture)
{
    RecordingCanvas measure;
    measure.SetFont(picture.State().font);
    std::vector<QPolygonF> outlines;
    for (const RecordedText& t : picture.Texts()) {
        measure.SetFontHeight(t.height);
        measure.SetFontStyle(t.style);
        const double width = measure.TextWidth(t.text);
        const double left = t.align == TextAlign::Left ? 0 : t.align == TextAlign::Right ? -width : -width / 2;
        const QRectF box(left, 0, width, t.height * kLineBox);
        outlines.push_back(QTransform().translate(t.at.x(), t.at.y()).rotate(-t.angle).map(QPolygonF(box)));
    }
    return outlines;
}

void DrawChartPictures(RecordingCanvas& chart, RecordingCanvas& processes, const ChartSettings& settings,
                       const std::vector<ProcessLine>& lines)
{
    DrawChartPicture(chart, settings, lines);
    processes.SetFont(chart.State().font);
    DrawProcessPicture(processes, settings, lines, TextOutlines(chart));
}

} // namespace velmarsund
