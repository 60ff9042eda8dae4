// The chart's geometry through the recording canvas: isotherms, humidity lines and curves,
// ranges, orientation and the process picture.

#include "chart_handover.h"
#include "chart_picture.h"
#include "chart_point.h"
#include "daten_rwt.h"
#include "number_separators.h"
#include "recording_canvas.h"
#include "text_table.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

#include <set>

namespace velmarsund {
namespace {

ChartSettings Settings(int temperatureRange, int humidityRange, UnitSystem units = UnitSystem::SI, bool carrier = false)
{
    ChartSettings s;
    s.temperatureRange = temperatureRange;
    s.humidityRange = humidityRange;
    s.units = units;
    s.carrier = carrier;
    s.separators = {QLatin1Char('.'), QLatin1Char(',')};
    return s;
}

RecordingCanvas Chart(const ChartSettings& settings)
{
    RecordingCanvas c;
    EXPECT_TRUE(DrawChartPicture(c, settings));
    return c;
}

QStringList TextsAligned(const RecordingCanvas& c, TextAlign align)
{
    QStringList texts;
    for (const RecordedText& t : c.Texts())
        if (t.align == align && t.angle == 0) texts << t.text;
    return texts;
}

TEST(ChartPicture, MajorIsothermsEveryTenKelvinAreThickAndLabelled)
{
    const ChartSettings settings = Settings(1, 0); // t max 80 degC, x max 20 g/kg
    const RecordingCanvas c = Chart(settings);
    const double thick = ChartScale(settings).PenWidth();
    ASSERT_GT(thick, 0);
    QStringList labels;
    double lastWidth = -1;
    int thin = 0;
    for (const RecordedOperation& op : c.Operations()) {
        if (const auto* l = std::get_if<RecordedLine>(&op)) {
            lastWidth = l->width;
            if (l->width == 0 && l->colour == QColor(0, 102, 255)) ++thin;
        } else if (const auto* t = std::get_if<RecordedText>(&op)) {
            bool number = false;
            t->text.toInt(&number);
            if (t->align == TextAlign::Right && t->angle == 0 && number) {
                labels << t->text;
                EXPECT_EQ(lastWidth, thick) << t->text.toStdString();
            }
        }
    }
    EXPECT_EQ(labels, (QStringList{QStringLiteral("-20"), QStringLiteral("-10"), QStringLiteral("0"), QStringLiteral("10"),
                                   QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("40"), QStringLiteral("50"),
                                   QStringLiteral("60"), QStringLiteral("70"), QStringLiteral("80")}));
    // The isotherms in between (every 2 K) are thin: 40 of them, most with a stretch into the fog.
    EXPECT_GE(thin, 40);
}

TEST(ChartPicture, InchPoundUpTo440GrainsLabelsEveryOtherHumidityLine)
{
    const RecordingCanvas c = Chart(Settings(1, 4, UnitSystem::IP));
    QStringList expected;
    for (int gr = 0; gr <= 440; gr += 40) expected << QString::number(gr);
    EXPECT_EQ(TextsAligned(c, TextAlign::Centre).mid(0, expected.size()), expected);
    EXPECT_FALSE(TextsAligned(c, TextAlign::Centre).contains(QStringLiteral("20")));
    // Up to 220 gr/lb (31 g/kg) every other one too; up to 140 gr/lb (20 g/kg) every one.
    EXPECT_TRUE(TextsAligned(Chart(Settings(1, 0, UnitSystem::IP)), TextAlign::Centre).contains(QStringLiteral("10")));
}

TEST(ChartPicture, TheFirstHumidityCurveByTheHighestTemperature)
{
    struct Case {
        int temperatureRange;
        int curves;
        const char* first;
    };
    for (const Case& k : {Case{1, 13, "5"}, Case{2, 13, "5"}, Case{3, 15, "3"}, Case{4, 17, "1"}}) {
        const RecordingCanvas c = Chart(Settings(k.temperatureRange, 4));
        EXPECT_EQ(static_cast<int>(c.Polylines().size()), k.curves) << "range " << k.temperatureRange;
        // The label after the first curve.
        bool afterFirst = false;
        for (const RecordedOperation& op : c.Operations()) {
            if (std::holds_alternative<RecordedPolyline>(op)) afterFirst = true;
            if (const auto* t = std::get_if<RecordedText>(&op); t && afterFirst) {
                EXPECT_EQ(t->text, QString::fromLatin1(k.first)) << "range " << k.temperatureRange;
                break;
            }
        }
    }
}

TEST(ChartPicture, TheSaturationCurveAndTheFogRegionLieWhereAChartHasThem)
{
    const ChartSettings settings = Settings(1, 0);
    const ChartScale scale(settings);
    // Mollier: x to the right, the temperature upwards; the 100 % curve bends to the right.
    const QPointF cold = scale.At(scale.Ordinate(0, 3.8), 3.8);   // about saturated at 0 degC
    const QPointF warm = scale.At(scale.Ordinate(20, 14.7), 14.7); // about saturated at 20 degC
    EXPECT_GT(warm.x(), cold.x());
    EXPECT_LT(warm.y(), cold.y());
    // Lines of constant enthalpy fall to the right.
    const double h = 40;
    const QPointF left = scale.At(h - 2.501 * 2, 2);
    const QPointF right = scale.At(h - 2.501 * 10, 10);
    EXPECT_GT(right.y(), left.y());
    // The pointer's state: below saturation the relative humidity of the point, in the fog 100 %.
    const auto dry = StateAt(scale, scale.At(scale.Ordinate(20, 5), 5));
    ASSERT_TRUE(dry);
    EXPECT_NEAR(dry->t, 20, 1e-6);
    EXPECT_NEAR(dry->phi, 34, 1);
    const auto fog = StateAt(scale, scale.At(scale.Ordinate(5, 12), 12));
    ASSERT_TRUE(fog);
    EXPECT_EQ(fog->phi, 100);
    // Carrier: the same chart turned, the temperature to the right.
    const ChartScale turned(Settings(1, 0, UnitSystem::SI, true));
    EXPECT_GT(turned.At(turned.Ordinate(30, 5), 5).x(), turned.At(turned.Ordinate(10, 5), 5).x());
    EXPECT_LT(turned.At(turned.Ordinate(10, 8), 8).y(), turned.At(turned.Ordinate(10, 4), 4).y());
}

TEST(ChartPicture, TheTitleNamesThePressureInTheUnitSystem)
{
    SetCurrentLanguage(Language::English);
    ChartSettings si = Settings(1, 0);
    si.pressure = 950;
    EXPECT_TRUE(Chart(si).FindText(QStringLiteral("Mollier-diagram for p = 950 mbar")));
    ChartSettings ip = Settings(1, 0, UnitSystem::IP, true);
    EXPECT_TRUE(Chart(ip).FindText(QStringLiteral("Psychometric chart for p = 1.00 atm")));
    ip.language = Language::Russian;
    EXPECT_TRUE(Chart(ip).FindText(QStringLiteral("Психрометрическая диаграмма для p = 1.00 атм")));
}

// The ink of an upright text; a turned one by its whole box.
QPolygonF Ink(const RecordingCanvas& c, const RecordedText& t, const QPolygonF& box)
{
    if (t.angle != 0) return box;
    RecordingCanvas m;
    m.SetFont(c.State().font);
    m.SetFontHeight(t.height);
    m.SetFontStyle(t.style);
    const QFontMetricsF metrics(m.CurrentFont());
    const double width = metrics.horizontalAdvance(t.text);
    const double left = t.align == TextAlign::Left ? 0 : t.align == TextAlign::Right ? -width : -width / 2;
    return QPolygonF(metrics.tightBoundingRect(t.text).translated(t.at.x() + left, t.at.y() + metrics.ascent()));
}

// Where the isotherms and humidity curves meet the frame of the plot, no label sits on it: each
// lies wholly inside the plot or wholly outside.
TEST(ChartPicture, NoLabelSitsOnTheFrameOfThePlot)
{
    for (const bool carrier : {false, true})
        for (const UnitSystem units : {UnitSystem::SI, UnitSystem::IP})
            for (const auto& [temperature, humidity] : {std::pair{1, 0}, std::pair{0, 2}, std::pair{4, 4}}) {
                SCOPED_TRACE(testing::Message() << (carrier ? "Carrier " : "Mollier ") << static_cast<int>(units) << ' '
                                                << temperature << ' ' << humidity);
                const ChartSettings settings = Settings(temperature, humidity, units, carrier);
                const RecordingCanvas c = Chart(settings);
                const QPolygonF plot = ChartScale(settings).Plot();
                const std::vector<RecordedText> texts = c.Texts();
                const std::vector<QPolygonF> outlines = TextOutlines(c);
                for (std::size_t i = 0; i < texts.size(); ++i) {
                    const QPolygonF o = Ink(c, texts[i], outlines[i]);
                    const bool inside = std::all_of(o.begin(), o.end(), [&](const QPointF& p) {
                        return plot.containsPoint(p, Qt::OddEvenFill);
                    });
                    const bool outside = plot.intersected(o).boundingRect().width() < 0.5;
                    EXPECT_TRUE(inside || outside) << texts[i].text.toStdString() << " at " << texts[i].at.x() << ", "
                                                   << texts[i].at.y();
                }
            }
}

// Lines of constant enthalpy that end at the far edge of the humidity ratio carry their value
// there, so the warm half of the chart has values too; they lie on the line inside the plot.
TEST(ChartPicture, EnthalpyLinesEndingAtTheFarEdgeAreLabelledThere)
{
    for (const bool carrier : {false, true})
        for (const UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
            SCOPED_TRACE(testing::Message() << (carrier ? "Carrier " : "Mollier ") << static_cast<int>(units));
            const ChartSettings settings = Settings(1, 0, units, carrier);
            const ChartScale scale(settings);
            const RecordingCanvas c = Chart(settings);
            const QPolygonF plot = scale.Plot();
            // Above 70 kJ/kg (38 BTU/lb), where the lines no longer reach the saturation curve.
            const int warm = units == UnitSystem::SI ? 70 : 38;
            std::set<int> values;
            for (const RecordedText& t : c.Texts()) {
                bool number = false;
                const int h = t.text.toInt(&number);
                if (!number || !t.opaque || t.angle != 0) continue;
                EXPECT_TRUE(plot.containsPoint(t.at, Qt::OddEvenFill)) << h;
                if (h > warm) values.insert(h);
            }
            EXPECT_GE(values.size(), 5u);
            // The warmest labelled line lies near the warm corner of the chart.
            ASSERT_FALSE(values.empty());
            EXPECT_GT(*values.rbegin(), units == UnitSystem::SI ? 110 : 45);
        }
}

// The enthalpy title stays clear of the process lines (a cold winter point in the turned chart
// runs its exhaust line where the title stood), on a white ground.
TEST(ChartPicture, TheEnthalpyTitleKeepsClearOfTheProcessLines)
{
    SetCurrentLanguage(Language::English);
    const auto line = [](double t1, double x1, double t2, double x2) {
        return ProcessLine{{t1, x1, Qt::black, Qt::black, 0, {}}, {t2, x2, Qt::black, Qt::black, 0, {}}};
    };
    for (const bool carrier : {false, true}) {
        ChartSettings settings = Settings(1, 0, UnitSystem::SI, carrier);
        const std::vector<ProcessLine> lines{line(22, 6.6, -18, 0.9), line(-30, 0.2, 11, 4.3)};
        GrowRanges(settings, lines);
        RecordingCanvas c;
        ASSERT_TRUE(DrawChartPicture(c, settings, lines));
        const auto title = c.FindText(QStringLiteral("specific enthalpy [kJ/kg]"));
        ASSERT_TRUE(title);
        EXPECT_TRUE(title->opaque);
        const QPolygonF outline = [&] {
            RecordingCanvas one;
            one.SetFontHeight(title->height);
            one.SetTextAlign(title->align);
            one.RotatedText(title->at.x(), title->at.y(), title->angle, title->text);
            return TextOutlines(one).front();
        }();
        const ChartScale scale(settings);
        for (const ProcessLine& l : lines) {
            const QPointF a = scale.At(scale.Ordinate(l[0].t, l[0].x), l[0].x);
            const QPointF b = scale.At(scale.Ordinate(l[1].t, l[1].x), l[1].x);
            for (int k = 0; k <= 100; ++k)
                EXPECT_FALSE(outline.containsPoint(a + (b - a) * k / 100.0, Qt::OddEvenFill)) << carrier << ' ' << k;
        }
    }
}

TEST(ChartPicture, AnAbsurdPressureLeavesThePictureUnfinishedWithoutAFailure)
{
    ChartSettings s = Settings(4, 4);
    s.pressure = 1e-9;
    RecordingCanvas c;
    EXPECT_NO_THROW(DrawChartPicture(c, s));
    s.pressure = -5;
    EXPECT_NO_THROW(DrawChartPicture(c, s));
}

TDatenRWT Season(double t11, double x11, double t12, double x12, double t21, double x21, double t22, double x22)
{
    TDatenRWT r;
    r.State11.Temp = t11;
    r.State11.X = x11;
    r.State12.Temp = t12;
    r.State12.X = x12;
    r.State21.Temp = t21;
    r.State21.X = x21;
    r.State22.Temp = t22;
    r.State22.X = x22;
    return r;
}

TEST(ChartHandover, ProcessLinesOfBothSeasonsWithTheirColoursAndStyles)
{
    SetCurrentLanguage(Language::English);
    const TDatenRWT winter = Season(-12, 1.2, 15, 4.6, 22, 6.6, -4, 2.6);
    const TDatenRWT summer = Season(32, 12, 24, 10, 22, 8, 30, 9);
    const auto lines = ProcessLinesOf(winter, &summer, true, QStringLiteral("Heating"), QStringLiteral("Cooling"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0][0].t, 22); // the exhaust stream first: 21 to 22
    EXPECT_EQ(lines[0][1].t, -4);
    EXPECT_EQ(lines[0][0].pen, QColor(182, 0, 147));
    EXPECT_EQ(lines[1][0].pen, QColor(0, 180, 0));
    EXPECT_EQ(lines[1][0].x, 1.2);
    EXPECT_EQ(lines[0][0].penStyle, 0);
    EXPECT_EQ(lines[2][0].penStyle, 2);
    EXPECT_EQ(lines[3][1].t, 24);
    EXPECT_EQ(lines[1][0].name, QStringLiteral("Outside air (Heating)"));
    EXPECT_EQ(lines[3][1].name, QStringLiteral("Supply air (Cooling)"));
    // Numbered as EN 308 counts the states.
    EXPECT_EQ(lines[2][0].number, 21);
    EXPECT_EQ(lines[2][1].number, 22);
    EXPECT_EQ(lines[3][0].number, 11);
    EXPECT_EQ(lines[3][1].number, 12);
    // Winter only: no season in the names. Without results: two empty lines.
    EXPECT_EQ(ProcessLinesOf(winter, nullptr, true)[0][1].name, QStringLiteral("Exhaust air"));
    const auto none = ProcessLinesOf(winter, nullptr, false);
    ASSERT_EQ(none.size(), 2u);
    EXPECT_TRUE(none[0].empty() && none[1].empty());

    RecordingCanvas c;
    ChartSettings s = Settings(1, 0);
    ASSERT_TRUE(DrawProcessPicture(c, s, lines));
    const auto polylines = c.Polylines();
    ASSERT_EQ(polylines.size(), 4u);
    EXPECT_EQ(polylines[0].width, 3 * ChartScale(s).PenWidth());
    EXPECT_EQ(polylines[0].style, PenStyle::Solid);
    EXPECT_EQ(polylines[2].style, PenStyle::Dotted);
    EXPECT_EQ(polylines[2].colour, QColor(182, 0, 147));
    int circles = 0;
    for (const RecordedShape& shape : c.Shapes())
        if (shape.kind == RecordedShape::Kind::Ellipse) {
            ++circles;
            EXPECT_EQ(shape.penColour, QColor(Qt::black));
        }
    EXPECT_EQ(circles, 8);
}

TEST(ChartHandover, RangesGrowUntilTheStatesFitAndNeverShrink)
{
    ChartSettings s = Settings(1, 0);
    const auto line = [](double t, double x) { return ProcessLine{{t, x, Qt::black, Qt::black, 0, {}}}; };
    GrowRanges(s, {line(25, 12)});
    EXPECT_EQ(s.humidityRange, 0);
    EXPECT_EQ(s.temperatureRange, 1);
    GrowRanges(s, {line(25, 51)}); // above 50 g/kg: 0 .. 60 g/kg
    EXPECT_EQ(s.humidityRange, 4);
    GrowRanges(s, {line(101, 5)});
    EXPECT_EQ(s.temperatureRange, 3);
    GrowRanges(s, {line(10, 5)}); // a small state shrinks nothing
    EXPECT_EQ(s.humidityRange, 4);
    EXPECT_EQ(s.temperatureRange, 3);
    GrowRanges(s, {ProcessLine{}, ProcessLine{}});
    EXPECT_EQ(s.humidityRange, 4);
}

TEST(ChartHandover, ColdDesignPointsGrowTheRangeDownwardsInTenDegreeSteps) {
    const auto line = [](double t, double x) { return ProcessLine{{t, x, Qt::black, Qt::black, 0, {}}}; };
    struct Case {
        UnitSystem units;
        double t;
        double lowerEnd; // °C
    };
    // A point on the lowest isotherm or less than a kelvin above it takes the next step too.
    for (const Case& k : {Case{UnitSystem::SI, -19, -20}, Case{UnitSystem::SI, -30, -40},
                          Case{UnitSystem::SI, -40, -50}, Case{UnitSystem::IP, -16, -17.7778},
                          Case{UnitSystem::IP, -30, -34.4444}, Case{UnitSystem::IP, -40, -45.5556}}) {
        for (bool carrier : {false, true}) {
            SCOPED_TRACE(testing::Message() << k.t << (k.units == UnitSystem::IP ? " IP" : " SI") << carrier);
            ChartSettings s = Settings(1, 0, k.units, carrier);
            GrowRanges(s, {line(k.t, 0.2), line(22, 7)});
            EXPECT_NEAR(RangesOf(s).tMin, k.lowerEnd, 1e-3);
            // The point is drawn inside the chart: above its lowest isotherm, below its top.
            const ChartScale scale(s);
            RecordingCanvas c;
            ASSERT_TRUE(DrawProcessPicture(c, s, {line(k.t, 0.2)}));
            std::vector<RecordedShape> points;
            for (const RecordedShape& shape : c.Shapes())
                if (shape.kind == RecordedShape::Kind::Ellipse) points.push_back(shape);
            ASSERT_EQ(points.size(), 1u);
            const auto [ordinate, x] = scale.ChartPointOf(points[0].rect.center());
            EXPECT_GT(ordinate, scale.Ordinate(RangesOf(s).tMin, x));
            EXPECT_LE(ordinate, scale.Ht());
            EXPECT_GE(x, RangesOf(s).xMin);
            EXPECT_TRUE(DrawChartPicture(c, s));
            // A warmer point later leaves the range where it was.
            GrowRanges(s, {line(0, 3)});
            EXPECT_NEAR(RangesOf(s).tMin, k.lowerEnd, 1e-3);
        }
    }
}

} // namespace
} // namespace velmarsund
