#include "sheet_job.h"

#include "annual_request.h"
#include "annual_selection.h"
#include "calculate_selection.h"
#include "data_sheet_page.h"
#include "selection_chart.h"
#include "selection_pages.h"
#include "text_table.h"

namespace velmarsund::rotorsheet {
namespace {

constexpr TextId kCalculationFailed = 578;
constexpr TextId kPressureTooHigh = 542;

PageProcedure LeakagePage(const CalculatedSelection& calculated)
{
    if (!calculated.leakage.calculated) throw SheetRefused("Leakage", LoadText(kCalculationFailed));
    if (calculated.leakage.pressureTooHigh)
        throw SheetRefused("Leakage.Pressure1, Leakage.Pressure2", LoadText(kPressureTooHigh));
    return [page = LeakagePageValuesOf(calculated)](PageCanvas& canvas, int) { DrawLeakagePage(canvas, page); };
}

constexpr TextId kNoAnnualBlock = 750;

// The annual page: the selection's annual block with its weather file, read and calculated.
PageProcedure AnnualPage(const CalculatedSelection& calculated, const AnnualProgress& progress,
                         const std::filesystem::path& folder) {
    const std::optional<AnnualInputs>& annual = calculated.selection.annual;
    if (!annual || annual->weather.empty()) throw SheetRefused("Annual.Weather", LoadText(kNoAnnualBlock));
    WeatherYear weather;
    const std::filesystem::path file = request::WeatherPathOf(annual->weather, folder);
    try {
        weather = request::ReadWeatherFile(file);
    } catch (const WeatherFileError& e) {
        // The file where it was looked for: a relative path with the folder it was taken from.
        throw SheetRefused("Annual.Weather", WeatherFileMessage(file.string(), e, CurrentLanguage()));
    }
    const AnnualResults results = CalculateAnnualEnergy(
        calculated, *annual, weather, progress ? DelayedProgress(progress) : AnnualProgress{});
    return [page = AnnualPageValuesOf(calculated, weather, results)](PageCanvas& canvas, int) {
        DrawAnnualPage(canvas, page);
    };
}

PageKind PageKindOf(SheetPage page)
{
    switch (page) {
    case SheetPage::DataSheet: return PageKind::DataSheet;
    case SheetPage::Product: return PageKind::ProductDescription;
    case SheetPage::Leakage: return PageKind::Leakage;
    case SheetPage::Chart: return PageKind::Chart;
    case SheetPage::Controller: return PageKind::ControllerDescription;
    case SheetPage::Annual:
        return PageKind::Annual;
    }
    return PageKind::DataSheet;
}

} // namespace

PreparedSheet PrepareSheet(const SheetRequest& request, const AnnualProgress& progress,
                           const std::filesystem::path& folder) {
    const Selection& selection = request.selection;
    SetCurrentLanguage(selection.language);
    SetProgramSeparators(selection.separators);
    PreparedSheet prepared;
    CalculatedSelection calculated;
    try {
        calculated = CalculateSelection(selection);
    } catch (const SelectionNotCalculated& e) {
        throw SheetRefused(e.Fields(), e.Message());
    }
    for (const SelectionAdjustment& a : calculated.adjustments)
        prepared.remarks.push_back("field '" + a.field + "': " + a.given +
                                   " mm is above the largest wheel of this housing; the data sheet shows " + a.shown +
                                   " mm");

    for (SheetPage page : request.pages) {
        if (prepared.title.isEmpty()) prepared.title = DocumentTitleOf(PageKindOf(page), calculated.selection);
        switch (page) {
        case SheetPage::DataSheet:
            prepared.pages.push_back(
                [values = DataSheetValuesOf(calculated)](PageCanvas& canvas, int) { DrawDataSheet(canvas, values); });
            break;
        case SheetPage::Product:
            prepared.pages.push_back([description = ProductDescriptionOf(calculated.selection)](
                                         PageCanvas& canvas, int) { DrawProductDescription(canvas, description); });
            break;
        case SheetPage::Leakage:
            prepared.pages.push_back(LeakagePage(calculated));
            break;
        case SheetPage::Chart:
            prepared.pages.push_back([chart = ChartPageValuesOf(calculated)](PageCanvas& canvas, int exportFlag) {
                DrawChartPage(canvas, chart, exportFlag);
            });
            break;
        case SheetPage::Annual:
            prepared.pages.push_back(AnnualPage(calculated, progress, folder));
            break;
        case SheetPage::Controller:
            prepared.pages.push_back([description = ControllerDescriptionOf(calculated.selection)](
                                         PageCanvas& canvas, int) { DrawControllerDescription(canvas, description); });
            break;
        }
    }
    return prepared;
}

} // namespace velmarsund::rotorsheet
