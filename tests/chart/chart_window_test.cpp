// The chart window: its lists, the zoom with its menu, the orientation switch, the pointer's hint,
// the page preview of the chart page; the Diagram command of the main window and rotorsheet's page.

#include "chart_handover.h"
#include "chart_page.h"
#include "daten_rwt.h"
#include "form_mollier.h"
#include "page_font.h"
#include "form_seite.h"
#include "main_window_fixture.h"
#include "poppler_tools.h"

#include <QAction>
#include <QComboBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

std::vector<ProcessLine> Lines()
{
    const QColor red(182, 0, 147), green(0, 180, 0);
    return {{{22, 6.6, red, red, 0, QStringLiteral("Return air")}, {-4, 2.6, red, red, 0, QStringLiteral("Exhaust air")}},
            {{-12, 1.2, green, green, 0, QStringLiteral("Outside air")}, {15, 4.6, green, green, 0, QStringLiteral("Supply air")}}};
}

TEST(ChartWindow, ListsZoomAndOrientation)
{
    SetCurrentLanguage(Language::English);
    TFormMollier chart(nullptr, {});
    chart.show();
    EXPECT_EQ(chart.windowTitle(), QStringLiteral("Diagram"));
    EXPECT_EQ(chart.Combo_Temperatur->currentIndex(), 1);
    EXPECT_EQ(chart.Combo_Temperatur->currentText(), QStringLiteral("-20 .. 80°C"));
    EXPECT_EQ(chart.Combo_Feuchte->currentText(), QStringLiteral("0 .. 20 g/kg"));
    EXPECT_EQ(chart.Combo_Zoom->currentText(), QStringLiteral("Auto"));
    EXPECT_TRUE(chart.ZoomItems.back()->isChecked());

    chart.SetUnitSystem(UnitSystem::IP);
    EXPECT_EQ(chart.Combo_Temperatur->currentText(), QStringLiteral("0 .. 180°F"));
    EXPECT_EQ(chart.Combo_Feuchte->currentText(), QStringLiteral("0 .. 140 gr/lb"));
    chart.SetUnitSystem(UnitSystem::SI);

    // 200 % from the menu: the list follows, the item is marked.
    chart.ZoomItems[5]->trigger();
    EXPECT_EQ(chart.DrawingSize(), QSize(1200, 1600));
    EXPECT_EQ(chart.Combo_Zoom->currentIndex(), 5);
    chart.Combo_Zoom->setCurrentIndex(0);
    EXPECT_EQ(chart.DrawingSize(), QSize(150, 200));
    EXPECT_TRUE(chart.ZoomItems[0]->isChecked());
    // Auto follows the window's size: 3 s x 4 s.
    chart.Combo_Zoom->setCurrentIndex(6);
    chart.resize(500, 900);
    QApplication::processEvents();
    const QSize client = chart.findChild<QScrollArea*>(QStringLiteral("ScrollBox"))->maximumViewportSize();
    const double s = std::min((client.height() - 8) / 4.0, (client.width() - 8) / 3.0);
    EXPECT_EQ(chart.DrawingSize(), QSize(static_cast<int>(std::lround(3 * s)), static_cast<int>(std::lround(4 * s))));

    // Mollier to Carrier keeps ranges, zoom and processes and only turns the chart.
    chart.SetProcessLines(Lines());
    chart.Combo_Temperatur->setCurrentIndex(2);
    chart.Combo_Zoom->setCurrentIndex(3);
    const auto mollier = chart.ChartPicture().Operations();
    chart.Combo_Carrier->setCurrentIndex(1);
    EXPECT_TRUE(chart.Carrier());
    EXPECT_EQ(chart.Settings().temperatureRange, 2);
    EXPECT_EQ(chart.DrawingSize(), QSize(600, 800));
    EXPECT_EQ(chart.ProcessLines(), Lines());
    EXPECT_FALSE(chart.ChartPicture().Operations() == mollier);
    EXPECT_TRUE(chart.ChartPicture().FindText(QStringLiteral("Psychometric chart for p = 1013 mbar")));
    EXPECT_EQ(chart.ProcessPicture().Polylines().size(), 2u);
}

TEST(ChartWindow, ThePointerNamesProcessPointsAndStates)
{
    SetCurrentLanguage(Language::English);
    TFormMollier chart(nullptr, {});
    chart.Combo_Zoom->setCurrentIndex(3); // 600 x 800: one pixel a picture unit
    chart.SetProcessLines(Lines());
    const ChartScale scale(chart.Settings());
    const QPointF outside = scale.At(scale.Ordinate(-12, 1.2), 1.2);
    const QString hint = chart.HintAt(outside.toPoint());
    EXPECT_TRUE(hint.startsWith(QStringLiteral("Outside air\nTemperature: -12.0 °C"))) << hint.toStdString();
    const QPointF state = scale.At(scale.Ordinate(30, 10), 10);
    const QString stateHint = chart.HintAt(state.toPoint());
    // The pointer stands on whole pixels: within a tenth of the state.
    EXPECT_TRUE(stateHint.contains(QRegularExpression(QStringLiteral("^Temperature: (29\\.9|30\\.0|30\\.1) °C\nAbsolute Humidity: (9\\.9|10\\.0)"))))
        << stateHint.toStdString();
    EXPECT_TRUE(stateHint.contains(QStringLiteral("Relative Humidity: ")));
    EXPECT_TRUE(stateHint.contains(QStringLiteral("Enthalpy: ")));
    EXPECT_TRUE(chart.HintAt(QPoint(2, 2)).isEmpty()); // outside the chart
}

// The states' numbers beside their points and the legend in a corner of the plot, in the window's
// chart and on the chart page, in both chart kinds.
TEST(ChartWindow, LegendAndStateNumbersOnScreenAndOnThePage)
{
    SetCurrentLanguage(Language::German);
    TDatenRWT winter, summer;
    const auto season = [](TDatenRWT& r, double t11, double x11, double t12, double x12, double t21, double x21,
                           double t22, double x22) {
        r.State11.Temp = t11, r.State11.X = x11, r.State12.Temp = t12, r.State12.X = x12;
        r.State21.Temp = t21, r.State21.X = x21, r.State22.Temp = t22, r.State22.X = x22;
    };
    season(winter, -30, 0.2, 11, 4.3, 22, 6.6, -18, 0.9);
    season(summer, 32, 11.9, 26, 11.5, 26, 10.5, 30, 10.8);
    const std::vector<ProcessLine> lines = ProcessLinesOf(winter, &summer, true);
    const QStringList legend{QStringLiteral("Winter"), QStringLiteral("Sommer"), QStringLiteral("Zuluftseite"),
                             QStringLiteral("Abluftseite")};
    for (const bool carrier : {false, true}) {
        SCOPED_TRACE(carrier ? "Carrier" : "Mollier");
        TFormMollier chart(nullptr, {});
        chart.SetCarrier(carrier);
        chart.SetProcessLines(lines);
        const ChartScale scale(chart.Settings());
        const QPolygonF plot = scale.Plot();
        const RecordingCanvas& picture = chart.ProcessPicture();
        for (const QString& text : legend) {
            const auto t = picture.FindText(text);
            ASSERT_TRUE(t) << text.toStdString();
            EXPECT_TRUE(plot.containsPoint(t->at, Qt::OddEvenFill)) << text.toStdString();
        }
        // Each point has its number close beside it, inside the plot.
        const double g = scale.GridFontHeight();
        for (const ProcessLine& line : lines)
            for (const ProcessPoint& p : line) {
                const QPointF at = scale.At(scale.Ordinate(p.t, p.x), p.x);
                const auto numbers = picture.TextsEqualTo(QString::number(p.number));
                EXPECT_TRUE(std::any_of(numbers.begin(), numbers.end(), [&](const RecordedText& t) {
                    const QPointF centre = t.at + QPointF(g / 2, g / 2);
                    return std::hypot(centre.x() - at.x(), centre.y() - at.y()) < 3 * g &&
                           plot.containsPoint(t.at, Qt::OddEvenFill);
                })) << p.number << " at " << p.t << " °C";
            }
        // The page draws the same pictures: the legend once, each number twice (both seasons).
        RecordingCanvas page;
        page.SetFont(PageFont(Language::German));
        ChartPageValues values;
        values.settings = chart.Settings();
        values.lines = lines;
        DrawChartPage(page, values, 0);
        const auto count = [](const RecordingCanvas& c, const QString& text) { return c.TextsEqualTo(text).size(); };
        for (const QString& text : legend) EXPECT_EQ(count(page, text), 1u) << text.toStdString();
        for (const char* number : {"11", "12", "21", "22"})
            EXPECT_EQ(count(page, QString::fromLatin1(number)),
                      2u + count(chart.ChartPicture(), QString::fromLatin1(number)))
                << number;
    }
    SetCurrentLanguage(Language::English);
}

class DiagramCommandTest : public MainWindowFixture {};

TEST_F(DiagramCommandTest, OpensWithTheProcessesAndKeepsTheChartKind)
{
    StartWindow();
    EXPECT_FALSE(Get<QPushButton>(*window_, "Button_Diagramm")->isEnabled());
    Calculate();
    ASSERT_TRUE(Get<QPushButton>(*window_, "Button_Diagramm")->isEnabled());
    EXPECT_TRUE(window_->Mollier());
    bool seen = false;
    seams_.onDialog = [&](QDialog& d) {
        auto* chart = qobject_cast<TFormMollier*>(&d);
        EXPECT_NE(chart, nullptr);
        if (!chart) return int(QDialog::Rejected);
        seen = true;
        EXPECT_FALSE(chart->Carrier());
        const auto& lines = chart->ProcessLines();
        EXPECT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1][0].t, window_->WinterRecord().State11.Temp);
        EXPECT_EQ(lines[0][1].x, window_->WinterRecord().State22.X);
        // The chart page in the preview, with the chart notes to edit.
        seams_.onDialog = [&](QDialog& p) {
            auto* preview = qobject_cast<TFormSeite*>(&p);
            EXPECT_NE(preview, nullptr);
            if (!preview) return int(QDialog::Rejected);
            EXPECT_FALSE(chart->isVisible());
            EXPECT_TRUE(preview->findChild<QWidget*>(QStringLiteral("Button_Edit"))->isEnabled());
            RecordingCanvas page;
            preview->CurrentPageProcedure()(page, 0);
            EXPECT_TRUE(page.FindText(QStringLiteral("Mollier-diagram for p = 1013 mbar")));
            EXPECT_TRUE(page.FindText(QStringLiteral("Notes:")));
            return int(QDialog::Accepted);
        };
        chart->Button_Seite->click();
        chart->Combo_Carrier->setCurrentIndex(1);
        return int(QDialog::Accepted);
    };
    Get<QPushButton>(*window_, "Button_Diagramm")->click();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(window_->Mollier()); // Carrier kept for the settings file
    window_->close();
    const TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("ROTOR"), QStringLiteral("Mollier"), true));
}

TEST(ChartSheet, RotorsheetWritesTheChartAsVectorsWithItsTitle)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("chart.pdf"));
    QProcess process;
    process.start(QStringLiteral(ROTORSHEET_PATH), {QStringLiteral("-o"), output});
    process.waitForStarted();
    process.write(R"([{"Height":2000,"Width":2000,"Pages":["chart"],"AirPressure":950,"ChartNotes":["AHU 3"]},
                      {"Height":2000,"Width":2000,"Pages":["chart"],"Mollier":false,"Units":"IP"}])");
    process.closeWriteChannel();
    process.waitForFinished(60000);
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QString text = RunTool(QStringLiteral("pdftotext"), {output, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Mollier-diagram for p = 950 mbar"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Psychometric chart for p = 1.00 atm")));
    EXPECT_TRUE(text.contains(QStringLiteral("AHU 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("Moisture content [g/kg]")));
    EXPECT_EQ(FontsNotEmbedded(RunTool(QStringLiteral("pdffonts"), {output})), QStringList());
    // Vector lines, not a picture of the page.
    const QString images = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), output});
    EXPECT_EQ(images.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 2) << images.toStdString(); // the heading only
}

} // namespace
} // namespace velmarsund
