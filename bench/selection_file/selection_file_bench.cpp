// Selection files and results text. The window writes the selection into memory after every change
// to tell whether it differs from the file (the change mark), so that write must stay far below a
// frame; reading a file and building the CSV happen once per command.

#include "results_text.h"
#include "season_calculation.h"
#include "selection_file_reader.h"
#include "selection_file_writer.h"

#include <benchmark/benchmark.h>

namespace {

using namespace velmarsund;

rotorsheet::SheetRequest Reference() {
    return rotorsheet::ReadSheetRequest(
        rotorsheet::Json::parse(R"({"Height":2000,"Width":2000,"Diameter":1880,
        "State11":{"SVol":10000,"Temp":-12,"Humidity":90},"State21":{"SVol":10000,"Temp":22,"Humidity":40},
        "Summer":{"State11":{"SVol":10000,"Temp":32,"Humidity":40},"State21":{"SVol":10000,"Temp":22,"Humidity":50}},
        "Header":["Velmarsund GmbH","10.12.2026","Project"],"Notes":["one","two","three"]})"));
}

void BM_SelectionSnapshot(benchmark::State& state) {
    const rotorsheet::SheetRequest request = Reference();
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectionJson(request).dump());
}
BENCHMARK(BM_SelectionSnapshot)->Unit(benchmark::kMicrosecond);

void BM_ReadSelection(benchmark::State& state) {
    const QByteArray bytes = SelectionFileBytes(Reference());
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSelection(bytes));
}
BENCHMARK(BM_ReadSelection)->Unit(benchmark::kMicrosecond);

void BM_ResultsCsv(benchmark::State& state) {
    const rotorsheet::SheetRequest request = Reference();
    TDatenRWT winter = request.winter;
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
