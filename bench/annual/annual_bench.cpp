// One selection through one year of weather: every hour of the year calculated (the engine's
// share), the whole path of the window and rotorcalc from the EPW text to the figures, the annual
// page drawn into the recording canvas, and the years of every suitable size of the largest
// series, as the preselection table shows them.

#include "annual_reference.h"
#include "annual_selection.h"
#include "annual_sizes.h"
#include "calculate_selection.h"
#include "generated_epw.h"
#include "recording_canvas.h"
#include "selection_pages.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace {

using namespace velmarsund;

Selection Reference() { return testing::AnnualReference(); }

// A central European year: a seasonal swing of ±11 K about 9 degC with a daily one of ±4 K, humid
// nights and drier afternoons.
std::string VariedEpw() {
    return testing::GeneratedEpw([](std::size_t i) {
        const double day = static_cast<double>(i) / 24, hour = static_cast<double>(i % 24);
        const double t =
            9 - 11 * std::cos(2 * M_PI * (day - 15) / 365) - 4 * std::cos(2 * M_PI * (hour - 3) / 24);
        const double rh = 75 + 15 * std::cos(2 * M_PI * (hour - 3) / 24);
        return testing::EpwHour{std::round(t * 10) / 10, std::round(rh), std::nullopt};
    });
}

// Every hour of the year, the engine alone.
void BM_AnnualEngineYear(benchmark::State& state) {
    const Selection s = Reference();
    const WeatherYear year = ReadEpw(VariedEpw());
    const AnnualAir air = AnnualAirOf(CalculateSelection(s));
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculateAnnualEnergy(air, *s.annual, year));
    state.counters["hours"] = static_cast<double>(year.hours.size());
}
BENCHMARK(BM_AnnualEngineYear)->Unit(benchmark::kMillisecond);

// From the EPW file's text to the year's figures, the selection calculated as well.
void BM_AnnualFromEpwText(benchmark::State& state) {
    const Selection s = Reference();
    const std::string text = VariedEpw();
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculateAnnualEnergy(s, ReadEpw(text)));
}
BENCHMARK(BM_AnnualFromEpwText)->Unit(benchmark::kMillisecond);

// The preselection's annual columns for the HXL series (the most sizes) at the flow that makes the
// most of them suitable: every suitable size's selection and year, on all cores. Wall time.
void BM_PreselectionYearsOfTheLargestSeries(benchmark::State& state) {
    Selection s = Reference();
    s.seriesIndex = 0;
    const WeatherYear year = ReadEpw(VariedEpw());
    SizeEvaluation most;
    int mostSuitable = -1;
    for (double flow = 2000; flow <= 120000; flow *= 1.25) {
        Selection f = s;
        f.winter.supply.SVol = f.winter.exhaust.SVol = flow;
        const SizeEvaluation sizes = EvaluateSizes(SeasonRecordOf(f, f.winter), f.seriesIndex, f.profile, false);
        const int suitable = static_cast<int>(
            std::count_if(sizes.rows.begin(), sizes.rows.end(), [](const SizeEvaluationRow& r) { return r.suitable; }));
        if (suitable > mostSuitable) {
            mostSuitable = suitable;
            most = sizes;
            s.winter = f.winter;
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(AnnualFiguresOfSizes(s, most, year));
    state.counters["sizes"] = static_cast<double>(most.rows.size());
    state.counters["suitable"] = mostSuitable;
}
BENCHMARK(BM_PreselectionYearsOfTheLargestSeries)->Unit(benchmark::kMillisecond)->UseRealTime();

// The annual page of a calculated year drawn into the recording canvas: the table, both plots
// with their 8 760 hours sorted, and the frame.
void BM_AnnualPageRecording(benchmark::State& state) {
    Selection s = Reference();
    s.annual->heatPrice = 0.09;
    s.annual->electricityPrice = 0.3;
    s.annual->investment = 12000;
    s.annual->scheduleDays = 5;
    s.annual->scheduleFrom = 6;
    s.annual->scheduleTo = 20;
    const WeatherYear year = ReadEpw(VariedEpw());
    const CalculatedSelection calculated = CalculateSelection(s);
    const AnnualPageValues values =
        AnnualPageValuesOf(calculated, year, CalculateAnnualEnergy(calculated, *s.annual, year));
    for (auto _ : state) {
        RecordingCanvas canvas;
        DrawAnnualPage(canvas, values);
        benchmark::DoNotOptimize(canvas.Operations().size());
    }
}
BENCHMARK(BM_AnnualPageRecording)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The page measures its texts with the print fonts: a GUI application without a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
