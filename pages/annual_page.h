#pragma once
// The annual page: the inputs of a selection's year (weather, schedule, setpoint, fans, prices),
// the table of its figures per month and for the year, and two plots: the energy recovered per
// month against the fan and drive energy it costs, and the year's outside temperatures sorted from
// the warmest hour to the coldest with the scheduled hours marked by their kind. The annual window
// shows the same table texts and draws the same plots on its own canvas.

#include "annual_energy.h"
#include "number_separators.h"
#include "page_frame.h"
#include "unit_system.h"

#include <QRectF>
#include <QString>

#include <array>
#include <vector>

namespace velmarsund {

class PageCanvas;

// The rows of the results table, in their order; MoneySaved only with both prices.
enum class AnnualRow {
    Scheduled,
    Heating,
    Cooling,
    Idle,
    Frost,
    Failed,
    HeatingSensible,
    HeatingLatent,
    HeatingTotal,
    CoolingTotal,
    FanEnergy,
    DriveEnergy,
    WaterRecovered,
    MoneySaved
};

// The name of a row's figure in rotorcalc's annual answer ("HeatingTotal").
const char* AnnualRowName(AnnualRow row);
// A row's figure as the engine gives it (hours, kWh, kg, money); none for MoneySaved without prices.
std::optional<double> AnnualRowValue(AnnualRow row, const AnnualFigures& figures, const AnnualInputs& inputs);
// The text of a row's figure (engine units) in a table cell: hours as counted; energy in kWh (SI)
// or kBtu (IP), water in kg or lb, money, all without decimals.
QString AnnualCellText(AnnualRow row, double value, UnitSystem units, const NumberSeparators& separators);

// The results table as the page and the window show it.
struct AnnualTable {
    std::vector<AnnualRow> rows;
    std::vector<QString> labels;                // per row
    std::vector<QString> units;                 // per row: "h", "kWh" or "kBtu", "kg" or "lb", the currency
    std::array<QString, 13> columns;            // the months' short names and "Year"
    std::vector<std::array<QString, 13>> cells; // per row: January .. December, the year
};
AnnualTable AnnualTableOf(const AnnualResults& results, const AnnualInputs& inputs, UnitSystem units,
                          const NumberSeparators& separators, LanguageNumber language);

// What the annual page prints.
struct AnnualPageValues {
    PageFrameValues frame;
    QString designation;
    UnitSystem units = UnitSystem::SI;
    NumberSeparators separators;
    AnnualInputs inputs;
    QString location;              // of the weather file: city, region, country
    double coolingExtractTemp = 0; // degC: above it a scheduled hour cools
    AnnualResults results;
    std::vector<double> temps; // the outside temperature of every hour of the year, degC
};

// The inputs block as label and value pairs, in the page's language and units.
std::vector<std::pair<QString, QString>> AnnualInputTexts(const AnnualPageValues& values);
// The money saved in a year and the simple payback as one line ("Money saved: … €/a   Simple
// payback: 3.2 years"); empty without both prices.
QString AnnualSavingText(const AnnualPageValues& values);

// The plots alone, into `area` (logical units of the canvas), for the page and the window.
void DrawAnnualMonthBars(PageCanvas& canvas, const QRectF& area, const AnnualPageValues& values);
void DrawAnnualDurationCurve(PageCanvas& canvas, const QRectF& area, const AnnualPageValues& values);

// A weather file refused, in `language`: the file named, then the line (when one is at fault)
// and the reader's reason (English, as the reader words it).
QString WeatherFileMessage(const std::string& path, const WeatherFileError& fault, LanguageNumber language);

// The whole page.
void DrawAnnualPage(PageCanvas& canvas, const AnnualPageValues& values);

} // namespace velmarsund
