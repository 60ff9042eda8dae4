// The two plots of the annual page through the recording canvas: the bars stand as high as their
// month's energy, the duration curve falls from the warmest hour to the coldest, and each scheduled
// hour is drawn in the colour of its kind on its side of the setpoint. A refused weather file is
// told in the user's language.

#include "annual_page.h"
#include "annual_request.h"
#include "generated_epw.h"
#include "recording_canvas.h"
#include "text_table.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace velmarsund {
namespace {

const QColor kHeating(196, 62, 40), kCooling(38, 98, 196), kIdle(96, 160, 80), kYear(176, 176, 176);

// A year from -5 to 25 degC and back, every hour scheduled by the rule's thresholds: heating below
// the setpoint of 18 degC, cooling above 22 degC, idle between. Heating saves 10 kWh an hour,
// cooling 4, and every hour costs 1.
AnnualPageValues Values()
{
    AnnualPageValues v;
    v.frame.language = Language::English;
    v.separators = {QLatin1Char('.'), QLatin1Char(',')};
    v.coolingExtractTemp = 22;
    for (std::size_t i = 0; i < 8760; ++i) {
        const double t = 10 - 15 * std::cos(2 * M_PI * static_cast<double>(i) / 8760);
        v.temps.push_back(t);
        const HourKind kind = t < 18 ? HourKind::Heating : t > 22 ? HourKind::Cooling : HourKind::Idle;
        v.results.hours.push_back(kind);
        AnnualFigures& m = v.results.months[std::min<std::size_t>(11, i / 730)];
        m.heatingTotal += kind == HourKind::Heating ? 10 : 0;
        m.coolingTotal += kind == HourKind::Cooling ? 4 : 0;
        m.fanEnergy += 1;
    }
    return v;
}

TEST(AnnualPage, TheBarsStandAsHighAsTheirMonthsEnergy)
{
    const AnnualPageValues v = Values();
    RecordingCanvas c;
    DrawAnnualMonthBars(c, QRectF(0, 0, 800, 1200), v);
    // The bars stand on the plot's frame (the legend's squares below it).
    std::optional<QRectF> frame;
    for (const RecordedShape& s : c.Shapes())
        if (s.brush == BrushStyle::Clear && s.kind == RecordedShape::Kind::Rectangle) frame = s.rect;
    ASSERT_TRUE(frame);
    std::vector<QRectF> heating, cost;
    for (const RecordedShape& s : c.Shapes()) {
        if (s.brush != BrushStyle::Solid || std::abs(s.rect.bottom() - frame->bottom()) > 1e-6) continue;
        if (s.brushColour == kHeating) heating.push_back(s.rect);
        if (s.brushColour == QColor(128, 128, 128)) cost.push_back(s.rect);
    }
    ASSERT_EQ(cost.size(), 12u);
    ASSERT_FALSE(heating.empty());
    // The bars' heights keep the ratio of the energies: every month costs 730 kWh.
    const double perKwh = cost[0].height() / 730;
    for (const QRectF& bar : heating) {
        const std::size_t month = static_cast<std::size_t>(
            std::count_if(cost.begin(), cost.end(), [&](const QRectF& r) { return r.left() < bar.left(); }));
        ASSERT_LT(month, 12u);
        EXPECT_NEAR(bar.height() / perKwh, v.results.months[month].heatingTotal, 1e-6) << month;
    }
    EXPECT_TRUE(c.FindText(QStringLiteral("Energy per month (kWh)")));
}

TEST(AnnualPage, TheDurationCurveFallsAndMarksTheHoursByTheirKind)
{
    AnnualPageValues v = Values();
    for (UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
        SCOPED_TRACE(units == UnitSystem::IP ? "IP" : "SI");
        v.units = units;
        RecordingCanvas c;
        DrawAnnualDurationCurve(c, QRectF(0, 0, 800, 1200), v);
        // The setpoint is the dotted line across the plot.
        double setpointY = -1;
        for (const RecordedLine& l : c.Lines())
            if (l.style == PenStyle::Dotted && l.from.y() == l.to.y() && l.to.x() - l.from.x() > 300)
                setpointY = l.from.y();
        ASSERT_GT(setpointY, 0);
        int kinds = 0;
        for (const RecordedPolyline& p : c.Polylines()) {
            // y grows downwards: from the warmest hour the curve only goes down the page.
            for (qsizetype i = 1; i < p.points.size(); ++i) {
                EXPECT_GE(p.points[i].y(), p.points[i - 1].y() - 1e-9);
                EXPECT_GE(p.points[i].x(), p.points[i - 1].x());
            }
            if (p.colour == kHeating) {
                ++kinds;
                for (const QPointF& point : p.points) EXPECT_GT(point.y(), setpointY - 1e-9) << "colder than the setpoint";
            } else if (p.colour == kCooling || p.colour == kIdle) {
                ++kinds;
                for (const QPointF& point : p.points) EXPECT_LT(point.y(), setpointY + 1e-9) << "warmer than the setpoint";
            }
        }
        EXPECT_EQ(kinds, 3) << "one run of each kind";
        EXPECT_TRUE(c.FindText(units == UnitSystem::IP ? QStringLiteral("Supply air setpoint 64.4 °F")
                                                       : QStringLiteral("Supply air setpoint 18.0 °C")));
    }
}

// A refused weather file: the reason in the user's words with the value as the file writes it and
// the line, no English left in it.
TEST(WeatherFileMessage, SaysTheReasonInTheUsersLanguage) {
    using testing::EpwHour, testing::EpwLineOf, testing::GeneratedEpw;
    const std::string good = GeneratedEpw([](std::size_t) { return EpwHour{10, 60, std::nullopt}; });
    const std::size_t row = 100;
    const std::size_t rowAt = good.find("\n2001,1,5,5,") + 1;
    const auto spoilt = [&](const std::string& what, const std::string& by) {
        std::string text = good;
        return text.replace(text.find(what, rowAt), what.size(), by);
    };
    QTemporaryDir dir;
    struct Case {
        const char* what;
        std::string text; // none: the folder given as the file
        std::size_t line;
        const char* german;
        const char* russian;
    };
    const Case cases[] = {
        {"a temperature of 200 degC", spoilt(",10,5,60,", ",200,5,60,"), EpwLineOf(row),
         "Lufttemperatur 200 °C liegt außerhalb von -70 .. 70 °C",
         "температура по сухому термометру 200 °C вне диапазона -70 .. 70 °C"},
        {"a humidity as written", spoilt(",10,5,60,", ",10,5,100.50,"), EpwLineOf(row),
         "relative Feuchte 100.50 % liegt außerhalb von 0 .. 100 %",
         "относительная влажность 100.50 % вне диапазона 0 .. 100 %"},
        {"a pressure of 5 Pa", spoilt(",999999,", ",5,"), EpwLineOf(row),
         "Luftdruck der Station 5 Pa liegt außerhalb von 31000 .. 120000 Pa",
         "давление на станции 5 Па вне диапазона 31000 .. 120000 Па"},
        {"a word for a number", spoilt(",10,5,60,", ",ten,5,60,"), EpwLineOf(row), "Feld 7 ist keine Zahl",
         "поле 7 не является числом"},
        {"month 13", spoilt("2001,1,5,5,", "2001,13,5,5,"), EpwLineOf(row), "Monat 13 liegt nicht in 1 .. 12",
         "месяц 13 вне диапазона 1 .. 12"},
        {"a year of 100 hours", GeneratedEpw([](std::size_t) { return EpwHour{}; }, "Monday", false, 100), 0,
         "das Wetterjahr hat 100 Stunden statt 8760 oder 8784", "в погодном году 100 ч вместо 8760 или 8784"},
        {"a folder", "", 0, "nicht lesbar: ", "не читается: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = c.text.empty() ? dir.path() : dir.filePath(QStringLiteral("Testhafen.epw"));
        if (!c.text.empty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(c.text));
        }
        try {
            request::ReadWeatherFile(path.toStdString());
            ADD_FAILURE() << "read";
        } catch (const WeatherFileError& e) {
            EXPECT_EQ(e.Line(), c.line) << e.what();
            const std::pair<LanguageNumber, const char*> languages[] = {{Language::German, c.german},
                                                                        {Language::Russian, c.russian}};
            for (const auto& [language, reason] : languages) {
                const QString message = WeatherFileMessage(path.toStdString(), e, language);
                EXPECT_TRUE(message.contains(QString::fromUtf8(reason))) << message.toStdString();
                EXPECT_TRUE(message.contains(path)) << message.toStdString();
                const QString line = language == Language::German ? QStringLiteral("Zeile %1: ")
                                                                  : QStringLiteral("строка %1: ");
                EXPECT_EQ(message.contains(line.arg(c.line)), c.line > 0) << message.toStdString();
                for (const char* english : {"lies outside", "no number", "hours", "cannot be read", "month"})
                    EXPECT_FALSE(message.contains(QLatin1String(english))) << message.toStdString();
            }
        }
    }
}

} // namespace
} // namespace velmarsund
