// The psychrometric chart: its whole geometry for the widest ranges, and a repaint of the chart
// window's drawing area at "Auto" (both pictures replayed onto the screen).

#include "chart_handover.h"
#include "chart_picture.h"
#include "form_mollier.h"
#include "number_separators.h"
#include "recording_canvas.h"
#include "text_table.h"

#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace velmarsund {
namespace {

ChartSettings Widest(bool carrier)
{
    ChartSettings s;
    s.temperatureRange = 4;
    s.humidityRange = 4;
    s.carrier = carrier;
    return s;
}

void BM_ChartGeometryWidestRange(benchmark::State& state)
{
    const ChartSettings settings = Widest(state.range(0) == 1);
    for (auto _ : state) {
        RecordingCanvas canvas;
        DrawChartPicture(canvas, settings);
        benchmark::DoNotOptimize(canvas.Operations().size());
    }
}
BENCHMARK(BM_ChartGeometryWidestRange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a resize at "Auto" costs: the pictures drawn anew, then painted at the window's size.
void BM_ChartWindowRedrawAtAuto(benchmark::State& state)
{
    TFormMollier chart(nullptr, {});
    chart.resize(800, 1000);
    chart.show();
    const QColor red(182, 0, 147), green(0, 180, 0);
    chart.SetProcessLines({{{22, 6.6, red, red, 0, {}}, {-4, 2.6, red, red, 0, {}}},
                           {{-12, 1.2, green, green, 0, {}}, {15, 4.6, green, green, 0, {}}}});
    QWidget* view = chart.findChild<QWidget*>(QStringLiteral("Image_Mollier"));
    int item = 0;
    for (auto _ : state) {
        // Switching the temperature range redraws both pictures; grab paints them.
        chart.Combo_Temperatur->setCurrentIndex(item++ % 2 == 0 ? 4 : 3);
        benchmark::DoNotOptimize(view->grab().size());
    }
}
BENCHMARK(BM_ChartWindowRedrawAtAuto)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmarsund

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velmarsund::SetCurrentLanguage(velmarsund::Language::English);
    velmarsund::SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
