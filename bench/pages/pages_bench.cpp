// The data sheet: drawn into the recording canvas, built from calculated records, and written as
// a PDF of one and of a hundred pages (in memory, with the fonts embedded).

#include "data_sheet_builder.h"
#include "data_sheet_page.h"
#include "daten_rwt.h"
#include "number_separators.h"
#include "page_documents.h"
#include "recording_canvas.h"
#include "rotor_data.h"
#include "season_calculation.h"
#include "text_table.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace velmarsund {
namespace {

TDatenRWT ReferenceRecord()
{
    TDatenRWT r;
    r.MatrixType = MatrixE;
    r.Diameter = 1880;
    r.Speed = 10;
    r.WheelDepth = 200;
    const auto p = DecodeProfile("E18");
    r.FoilThickness = p->FoilThickness;
    r.ProfileHeight = p->ProfileHeight;
    r.ProfilePitch = p->ProfilePitch;
    r.State11.SVol = r.State21.SVol = 10000;
    r.State11.Temp = -12;
    r.State11.Humidity = 90;
    r.State21.Temp = 22;
    r.State21.Humidity = 40;
    r.Update();
    CalculateSeason(r, '.');
    return r;
}

DataSheetValues ReferenceValues()
{
    static const TDatenRWT winter = ReferenceRecord();
    DataSheetSelection s;
    s.winter = &winter;
    s.seriesIndex = 1;
    s.profile = QStringLiteral("E18");
    s.height = 2000;
    s.width = 2000;
    s.frame.versionText = QStringLiteral("10/17");
    s.frame.notes = {QStringLiteral("Hospital Nordhafen"), QStringLiteral("AHU 3.1")};
    return BuildDataSheetValues(s);
}

void BM_DrawDataSheetIntoRecordingCanvas(benchmark::State& state)
{
    const DataSheetValues values = ReferenceValues();
    for (auto _ : state) {
        RecordingCanvas canvas;
        DrawDataSheet(canvas, values);
        benchmark::DoNotOptimize(canvas.Operations().size());
    }
}
BENCHMARK(BM_DrawDataSheetIntoRecordingCanvas)->Unit(benchmark::kMicrosecond);

void BM_BuildDataSheetValues(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ReferenceValues());
}
BENCHMARK(BM_BuildDataSheetValues)->Unit(benchmark::kMicrosecond);

void BM_DataSheetPdf(benchmark::State& state)
{
    const DataSheetValues values = ReferenceValues();
    const PageList pages(static_cast<std::size_t>(state.range(0)),
                         [values](PageCanvas& canvas, int) { DrawDataSheet(canvas, values); });
    for (auto _ : state) benchmark::DoNotOptimize(PdfDocument(pages).size());
}
BENCHMARK(BM_DataSheetPdf)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmarsund

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    velmarsund::SetCurrentLanguage(velmarsund::Language::English);
    velmarsund::SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
