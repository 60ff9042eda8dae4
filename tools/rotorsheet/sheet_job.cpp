#include "sheet_job.h"

#include "chart_handover.h"
#include "chart_page.h"
#include "data_sheet_builder.h"
#include "data_sheet_page.h"
#include "description_pages.h"
#include "geometry_check.h"
#include "leakage_page.h"
#include "matrix_types.h"
#include "panel_geometry.h"
#include "plausibility_check.h"
#include "season_calculation.h"
#include "text_format.h"
#include "text_table.h"
#include "version_text.h"

namespace velmarsund::rotorsheet {
namespace {

constexpr TextId kCalculationFailed = 578;

char DecimalChar(const NumberSeparators& separators)
{
    const char c = separators.decimal.toLatin1();
    return c ? c : '.';
}

// The summer record takes the rotor of the winter one, as the panel gives both records the same.
void CopyRotor(const TDatenRWT& from, TDatenRWT& to)
{
    to.MatrixType = from.MatrixType;
    to.Diameter = from.Diameter;
    to.FoilThickness = from.FoilThickness;
    to.ProfileHeight = from.ProfileHeight;
    to.ProfilePitch = from.ProfilePitch;
    to.Speed = from.Speed;
    to.WheelDepth = from.WheelDepth;
}

} // namespace

namespace {

// The leakage page as the leakage window shows it for the calculated winter record.
PageProcedure LeakagePage(const SheetRequest& request, const TDatenRWT& winter, const DataSheetValues& sheet)
{
    const PanelGeometry geometry = ComputePanelGeometry(request.height, request.width, request.seriesIndex);
    const LeakageSelection selection = LeakageSelectionOf(winter, geometry.HousingCode, request.profile);
    // As on the window's activation: each entered pressure takes the sign of its fan.
    LeakageChoices choices = request.leakage;
    choices.pressure1 = SignedForFan(choices.pressure1, choices.fan1);
    choices.pressure2 = SignedForFan(choices.pressure2, choices.fan2);
    const LeakageView view = CalculateLeakageView(selection, choices, request.units);
    if (!view.calculated) throw SheetRefused("Leakage", LoadText(kCalculationFailed));
    if (view.pressureTooHigh) throw SheetRefused("Leakage.Pressure1, Leakage.Pressure2", LoadText(542));
    const LeakagePageValues page = LeakagePageValuesOf(view, choices, sheet.designation, sheet.frame);
    return [page](PageCanvas& canvas, int) { DrawLeakagePage(canvas, page); };
}

} // namespace

PreparedSheet PrepareSheet(const SheetRequest& request)
{
    SetCurrentLanguage(request.language);
    SetProgramSeparators(request.separators);
    PreparedSheet prepared;

    TDatenRWT winter = request.winter;
    const PanelGeometry geometry = ComputePanelGeometry(request.height, request.width, request.seriesIndex);
    const auto kept = static_cast<std::int32_t>(
        KeptDiameter(winter.Diameter, request.height, request.width, request.seriesIndex, geometry));
    if (kept != winter.Diameter) {
        prepared.remarks.push_back("field 'Diameter': " + std::to_string(winter.Diameter) +
                                   " mm is above the largest wheel of this housing; the data sheet shows " +
                                   std::to_string(kept) + " mm");
        winter.Diameter = kept;
    }
    const bool summerShown = request.summer.has_value() && request.summerShown;
    TDatenRWT summer = request.summer.value_or(TDatenRWT{});
    CopyRotor(winter, summer);
    winter.Update();
    if (summerShown) summer.Update();

    const GeometryCheckResult check = GeometryCheck(request.height, request.width, winter.Diameter,
                                                    geometry.SmallestDiameter, geometry.LargestDiameter,
                                                    request.seriesIndex, DecimalChar(request.separators));
    if (!check.Valid()) {
        QStringList values;
        for (const std::string& value : check.Values) values << QString::fromStdString(value);
        throw SheetRefused("SeriesIndex, Height, Width, Diameter", FormatText(LoadText(check.TextId), values));
    }

    const QString winterCaption = request.winterCaption.value_or(LoadText(272));
    const QString summerCaption = request.summerCaption.value_or(LoadText(273));
    const std::optional<CheckMessages> summerMessages =
        summerShown ? std::optional<CheckMessages>(TestRecord(summer)) : std::nullopt;
    const PlausibilityReport report =
        BuildPlausibilityReport(TestRecord(winter), summerMessages, winterCaption, summerCaption, request.units);
    if (!report.Proceeds())
        throw SheetRefused(summerShown ? "State11, State21, Summer" : "State11, State21", report.text);

    const char decimal = DecimalChar(request.separators);
    const auto calculate = [&](TDatenRWT& r) {
        if (request.energyClass)
            CalculateSeason(r, decimal);
        else
            r.Calculate();
    };
    calculate(winter);
    if (summerShown) calculate(summer);
    if (winter.Status != 0 || (summerShown && summer.Status != 0))
        throw SheetRefused(summerShown ? "State11, State21, Summer" : "State11, State21",
                           LoadText(kCalculationFailed));

    DataSheetSelection selection;
    selection.winter = &winter;
    selection.summer = summerShown ? &summer : nullptr;
    selection.view = summerShown ? SeasonView::WinterAndSummer : SeasonView::WinterOnly;
    selection.useSeasons = request.useSeasons;
    selection.seriesIndex = request.seriesIndex;
    selection.profile = QString::fromStdString(request.profile);
    selection.height = request.height;
    selection.width = request.width;
    selection.units = request.units;
    selection.effectiveness = request.effectiveness;
    selection.wetBulbOnDataSheet = request.wetBulbOnDataSheet;
    selection.winterCaption = winterCaption;
    selection.summerCaption = summerCaption;
    selection.checkMessages = report.messages;
    selection.frame.language = request.language;
    selection.frame.versionText = ProgramVersionText().shortForm;
    selection.frame.printHeader = request.printHeader;
    selection.frame.header = request.header;
    selection.frame.notes = request.notes;
    const DataSheetValues values = BuildDataSheetValues(selection);

    for (SheetPage page : request.pages) {
        switch (page) {
        case SheetPage::DataSheet:
            prepared.pages.push_back([values](PageCanvas& canvas, int) { DrawDataSheet(canvas, values); });
            break;
        case SheetPage::Product:
            prepared.pages.push_back([description = ProductDescriptionValues(request.language, request.seriesIndex,
                                                                             values.designation,
                                                                             values.frame.versionText)](
                                         PageCanvas& canvas, int) { DrawProductDescription(canvas, description); });
            break;
        case SheetPage::Leakage:
            prepared.pages.push_back(LeakagePage(request, winter, values));
            break;
        case SheetPage::Chart: {
            ChartPageValues chart;
            chart.frame = values.frame;
            chart.frame.notes = request.chartNotes;
            chart.settings.pressure = winter.AirPressure;
            chart.settings.units = request.units;
            chart.settings.carrier = !request.mollier;
            chart.settings.language = request.language;
            chart.settings.separators = request.separators;
            chart.lines = ProcessLinesOf(winter, summerShown ? &summer : nullptr, true);
            GrowRanges(chart.settings, chart.lines);
            prepared.pages.push_back([chart](PageCanvas& canvas, int exportFlag) { DrawChartPage(canvas, chart, exportFlag); });
            break;
        }
        case SheetPage::Controller:
            prepared.pages.push_back(
                [description = ControllerDescriptionValues(request.language, values.frame.versionText)](
                    PageCanvas& canvas, int) { DrawControllerDescription(canvas, description); });
            break;
        }
    }
    return prepared;
}

} // namespace velmarsund::rotorsheet
