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

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

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

// Russian with an offer header and notes longer than their boxes: the texts that are fitted to
// their room, shortened at a word end or broken into two lines.
void BM_DrawRussianDataSheetWithHeaderIntoRecordingCanvas(benchmark::State& state) {
    SetCurrentLanguage(Language::Russian);
    DataSheetValues values = ReferenceValues();
    SetCurrentLanguage(Language::English);
    values.frame.language = Language::Russian;
    values.frame.printHeader = true;
    values.frame.header = {
        QStringLiteral("Дата:"),
        QStringLiteral("11.12.2026"),
        QStringLiteral("№ предложения:"),
        QStringLiteral("КП-2026-004711/03"),
        QStringLiteral("Проект:"),
        QStringLiteral(
            "Расширение областной больницы, корпус В, вентиляция операционных и отделения реанимации"),
        QStringLiteral("Позиция:"),
        QStringLiteral("ПВУ 03, рекуператор 2")};
    values.frame.notes = {
        QStringLiteral(
            "Расходы воздуха приняты по схеме вентиляции проектировщика, редакция D от 14 ноября 2026 г."),
        QStringLiteral(
            "В зимнем режиме возможно образование конденсата; со стороны вытяжки предусмотреть поддон."),
        QStringLiteral(
            "Цены и сроки поставки согласно нашему предложению; корпус поставляется из двух частей.")};
    values.headings = {QStringLiteral("Наружный воздух"), QStringLiteral("Вытяжной воздух")};
    for (auto _ : state) {
        RecordingCanvas canvas;
        DrawDataSheet(canvas, values);
        benchmark::DoNotOptimize(canvas.Operations().size());
    }
}
BENCHMARK(BM_DrawRussianDataSheetWithHeaderIntoRecordingCanvas)->Unit(benchmark::kMicrosecond);

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

// rotorsheet from a cold start: a program run that reads a Russian request with an offer header
// and notes and writes one data-sheet PDF.
void BM_RotorsheetDataSheetPdfFromColdStart(benchmark::State& state) {
    QTemporaryDir dir;
    QFile request(dir.filePath(QStringLiteral("request.json")));
    if (!request.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the request");
        return;
    }
    request.write(
        QStringLiteral(
            R"({"Height":2000,"Width":2000,"Language":"ru","Units":"IP","UseSeasons":true,"Summer":{},)"
            R"("PrintHeader":true,"Header":["Дата:","11.12.2026","№ предложения:","КП-2026-004711/03",)"
            R"("Проект:","Расширение областной больницы, корпус В, вентиляция операционных и отделения реанимации",)"
            R"("Позиция:","ПВУ 03"],"Notes":["Расходы воздуха приняты по схеме вентиляции проектировщика."]})")
            .toUtf8());
    request.close();
    const QString out = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        QProcess run;
        run.start(QStringLiteral(ROTORSHEET_PATH), {request.fileName(), QStringLiteral("-o"), out});
        if (!run.waitForFinished(60000) || run.exitCode() != 0) {
            state.SkipWithError("rotorsheet failed");
            return;
        }
    }
}
BENCHMARK(BM_RotorsheetDataSheetPdfFromColdStart)->Unit(benchmark::kMillisecond)->UseRealTime();

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
