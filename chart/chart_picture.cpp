#include "chart_picture.h"

#include "convert_unit.h"
#include "math_error.h"
#include "moist_air.h"
#include "number_format.h"
#include "page_canvas.h"
#include "text_table.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
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

class ChartPainter {
public:
    ChartPainter(PageCanvas& canvas, const ChartScale& scale)
        : c_(canvas), s_(scale), r_(scale.Ranges()), p_(scale.Settings().pressure), units_(scale.Settings().units),
          carrier_(scale.Settings().carrier), language_(scale.Settings().language),
          separators_(scale.Settings().separators)
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

    PageCanvas& c_;
    const ChartScale& s_;
    const ChartRanges& r_;
    const double p_;
    const UnitSystem units_;
    const bool carrier_;
    const LanguageNumber language_;
    const NumberSeparators separators_;
};

void ChartPainter::Title()
{
    c_.SetFontHeight(std::max(1, Rounded(s_.FontHeight())));
    c_.SetFontStyle(FontStyle::Bold);
    const QString pressure =
        units_ == UnitSystem::SI
            ? Fixed(p_, 0) + QStringLiteral(" mbar")
            : Fixed(ConvertUnit(Quantity::AirPressure, Unit::Millibar, Unit::Atmosphere, p_), 2) +
                  QStringLiteral(" atm");
    const QString text = Text(carrier_ ? 158 : 157) + QLatin1Char(' ') + pressure;
    const double f = s_.FontHeight();
    const QPointF at = carrier_ ? At(r_.tMin, r_.xMax) - QPointF(0, 3 * f)
                                : At(EnthalpyOf(r_.tMax, r_.xMax, p_) - 2.501 * r_.xMax, r_.xMin) - QPointF(0, 2 * f);
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
            const QRectF box =
                QRectF(at.x(), at.y() - g / 2, c_.TextWidth(label), g).adjusted(-0.15 * g, 0, 0.15 * g, 0);
            if (std::any_of(written.begin(), written.end(),
                            [&](const QRectF& w) { return w.intersects(box); }))
                continue;
            WriteCentred(at, TextAlign::Left, label);
            written.push_back(box);
            labelled.push_back({from, to});
        }
    }
    if (labelled.empty()) return;
    // The title along a labelled line, turned to its slope: the middle one, or the nearest to it
    // whose title stays clear of the labels.
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
    for (std::size_t step = 0; step <= labelled.size(); ++step) {
        for (const std::size_t i : {middle - std::min(step, middle), middle + step}) {
            if (i >= labelled.size()) continue;
            const auto [at, angle, box] = place(labelled[i]);
            const bool clear = std::none_of(written.begin(), written.end(),
                                            [&](const QRectF& w) { return box.intersects(QPolygonF(w)); });
            if (clear || step == labelled.size()) {
                WriteTurned(at, angle, title);
                return;
            }
        }
    }
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
        if (carrier_)
            WriteTurned(start - AlongX(f * 0.6), 90, label);
        else
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
    QPointF lastEnd;
    struct Label {
        QPointF at;
        QString text;
    };
    std::vector<Label> labels;
    for (int index = first; index <= 25; ++index) {
        const double phi = kRelativeHumidities[index - 1];
        Pen(phi == 50 || phi == 100 ? s_.PenWidth() : 0, kGridBlue);
        QPolygonF points;
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
            if (beyond) break;
        }
        if (points.size() < 2) continue;
        c_.Polyline(points);
        lastEnd = points.back();
        if (phi == 70 || phi == 90) continue;
        const QPointF d = points.back() - points[points.size() - 2];
        const double length = std::hypot(d.x(), d.y());
        labels.push_back({points.back() + (length > 0 ? d / length * f * 0.25 : QPointF()),
                          FormatGeneral(phi, 10, separators_)});
    }
    // Where the curves end close together, the higher humidities keep their labels and a label
    // that would touch one already written is left out.
    const double h = s_.GridFontHeight();
    std::vector<QRectF> kept;
    std::vector<bool> keep(labels.size(), false);
    for (std::size_t i = labels.size(); i-- > 0;) {
        const QRectF box = QRectF(labels[i].at.x(), labels[i].at.y() - h / 2, c_.TextWidth(labels[i].text), h)
                               .adjusted(-0.15 * h, -0.15 * h, 0.15 * h, 0.15 * h);
        if (std::any_of(kept.begin(), kept.end(), [&](const QRectF& k) { return k.intersects(box); }))
            continue;
        kept.push_back(box);
        keep[i] = true;
    }
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (keep[i]) WriteCentred(labels[i].at, TextAlign::Left, labels[i].text);
    // The title over the chart's upper right corner, where the curves end.
    const QPointF corner = At(s_.Ht(), r_.xMax);
    Write(QPointF(corner.x(), std::min(corner.y(), lastEnd.y()) - f * (carrier_ ? 1.6 : 1.4)), TextAlign::Right,
          Text(13) + QStringLiteral(" [%]"));
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

bool DrawChartPicture(PageCanvas& canvas, const ChartSettings& settings)
{
    const ChartScale scale(settings);
    ChartPainter painter(canvas, scale);
    try {
        painter.Title();
        painter.HumidityLines();
        painter.EnthalpyLines();
        painter.Isotherms();
        painter.HumidityCurves();
    } catch (const MathError&) {
        return false;
    }
    return true;
}

bool DrawProcessPicture(PageCanvas& canvas, const ChartSettings& settings, const std::vector<ProcessLine>& lines)
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
    } catch (const MathError&) {
        return false;
    }
    return true;
}

} // namespace velmarsund
