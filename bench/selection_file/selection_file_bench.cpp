// Selections, their files and results text. The window compares its selection with the saved one
// after every change (the change mark), so that comparison must stay far below a frame; writing
// and reading a file and building the CSV happen once per command.

#include "results_text.h"
#include "calculate_selection.h"
#include "season_calculation.h"
#include "selection_file_reader.h"
#include "selection_file_writer.h"
#include "selection_json.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmarsund;

Selection Reference() {
    return SelectionFromJson(
        request::Json::parse(R"({"Height":2000,"Width":2000,"Diameter":1880,
        "State11":{"SVol":10000,"Temp":-12,"Humidity":90},"State21":{"SVol":10000,"Temp":22,"Humidity":40},
        "Summer":{"State11":{"SVol":10000,"Temp":32,"Humidity":40},"State21":{"SVol":10000,"Temp":22,"Humidity":50}},
        "Header":["Velmarsund GmbH","10.12.2026","Project"],"Notes":["one","two","three"]})"));
}

void BM_SelectionSnapshot(benchmark::State& state) {
    const Selection selection = Reference();
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectionJson(selection).dump());
}
BENCHMARK(BM_SelectionSnapshot)->Unit(benchmark::kMicrosecond);

// The change mark: the selection shown against the one saved, alike but for the last note.
void BM_SelectionCompare(benchmark::State& state) {
    const Selection saved = Reference();
    Selection shown = saved;
    shown.notes.back() = QStringLiteral("thrEe");
    for (auto _ : state)
        benchmark::DoNotOptimize(shown == saved);
}
BENCHMARK(BM_SelectionCompare)->Unit(benchmark::kMicrosecond);

void BM_ReadSelection(benchmark::State& state) {
    const QByteArray bytes = SelectionFileBytes(Reference());
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSelection(bytes));
}
BENCHMARK(BM_ReadSelection)->Unit(benchmark::kMicrosecond);

void BM_ResultsCsv(benchmark::State& state) {
    const Selection selection = Reference();
    TDatenRWT winter = SeasonRecordOf(selection, selection.winter);
    winter.Update();
    CalculateSeason(winter, '.');
    ResultTablesInput in;
    in.winter = &winter;
    in.resultsValid = true;
    ResultsTextInput text;
    text.tables = BuildResultTables(in);
    for (auto _ : state)
        benchmark::DoNotOptimize(ResultsCsv(text, QLatin1Char('.')));
}
BENCHMARK(BM_ResultsCsv)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
