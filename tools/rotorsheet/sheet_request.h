#pragma once
// One rotorsheet request: everything rotorcalc's rotor mode takes, plus the housing, the language
// and units of the pages, the summer case, the switches of the settings window, the offer header,
// the notes and the pages to write.

#include "daten_rwt.h"
#include "leakage_view.h"
#include "language.h"
#include "number_separators.h"
#include "page_frame.h"
#include "request_reader.h"
#include "result_table_texts.h"
#include "unit_system.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmarsund::rotorsheet {

using rotorcalc::Json;
using rotorcalc::RequestError;

// The format of a selection as the program saves it ("Format"); a request without the field is
// read as this one, a request of a later format is refused.
inline constexpr int kSelectionFormat = 1;

// The pages a request may ask for, by the name it uses.
enum class SheetPage { DataSheet, Product, Controller, Leakage, Chart };

struct SheetRequest {
    // The winter case: air, rotor and the two inlet states; values a request leaves out are those
    // of a first start (10000 m³/h, -12 °C and 90 % outside, 22 °C and 40 % extract air).
    TDatenRWT winter;
    // The summer case, when given (first start: 32 °C and 40 %, 22 °C and 50 %).
    std::optional<TDatenRWT> summer;
    // The summer case is shown beside the winter one ("ShowSummer", default true); a selection
    // saved with the summer columns hidden keeps its summer case without printing it.
    bool summerShown = false;
    bool useSeasons = false;          // the season captions are printed
    int seriesIndex = 1;              // 0 HXL, 1 HXG, 2 HXV, 3 HXK
    std::string profile;              // the shown profile, e.g. "E20"
    std::int64_t height = 0;          // housing, mm
    std::int64_t width = 0;
    bool diameterGiven = false;       // else the largest wheel of the housing
    bool energyClass = true;
    LanguageNumber language = Language::English;
    UnitSystem units = UnitSystem::SI;
    std::optional<QString> winterCaption; // else the language's "Heating"
    std::optional<QString> summerCaption; // else the language's "Cooling"
    EffectivenessOptions effectiveness;
    bool wetBulbOnDataSheet = false;
    NumberSeparators separators{QLatin1Char('.'), QLatin1Char(',')};
    bool printHeader = false;
    std::array<QString, 8> header;
    std::vector<QString> notes;       // at most three
    std::vector<QString> chartNotes;  // at most three
    bool mollier = true;              // the chart page: Mollier, or the turned Carrier chart
    std::vector<SheetPage> pages{SheetPage::DataSheet};
    // The leakage window's choices for the leakage page; pressures in the request's units.
    LeakageChoices leakage;
};

// Reads and checks the fields of one request; RequestError names the field that is wrong.
SheetRequest ReadSheetRequest(const Json& request);

} // namespace velmarsund::rotorsheet
