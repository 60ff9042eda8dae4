#pragma once
// One selection: everything that defines a rotor selection and a selection file stores, as one
// plain value. The air of both seasons as entered, the air pressure and the input kinds; the
// rotor panel; the switches that change results or pages; the language and units of the pages;
// the season captions, offer header and notes; the chart kind and the leakage window's choices;
// the annual block (weather, schedule, prices).
// The rotor's foil, profile height and pitch, speed and wheel depth are not part of it: the
// profile and the matrix type define them.

#include "air_stream_state.h"
#include "annual_energy.h"
#include "language.h"
#include "leakage_choices.h"
#include "number_separators.h"
#include "result_table_texts.h"
#include "unit_system.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmarsund {

// The two inlet states of one season as entered: the quantities the input kinds name (the air
// quantity, the temperature and the humidity), in internal units; the others stay 0.
struct SeasonInlets {
    AirStreamState supply;  // outside air, State11
    AirStreamState exhaust; // extract air, State21

    bool operator==(const SeasonInlets&) const = default;
};

struct Selection {
    // The air.
    double airPressure = 1013; // mbar
    int humidityKind = 0;      // RelativeHumidity, AbsoluteHumidity or WetBulbTemperature
    int volumeKind = 0;        // StandardVolume, ActualVolume or MassFlowGiven
    SeasonInlets winter;
    std::optional<SeasonInlets> summer;
    bool summerShown = false; // the summer case is calculated and printed beside the winter one
    bool useSeasons = false;  // the season captions are shown and printed
    std::optional<QString> winterCaption; // else the language's "Heating"
    std::optional<QString> summerCaption; // else the language's "Cooling"

    // The rotor panel.
    int seriesIndex = 1; // 0 HXL, 1 HXG, 2 HXV, 3 HXK
    int matrixType = 1;  // MatrixTypeCode
    std::string profile; // as the panel shows it, e.g. "E20"
    std::int64_t height = 2000; // housing, mm
    std::int64_t width = 2000;
    std::int32_t diameter = 0;  // wheel, mm

    // What changes results or pages.
    LanguageNumber language = Language::English; // of the pages
    UnitSystem units = UnitSystem::SI;
    EffectivenessOptions effectiveness;
    bool wetBulbOnDataSheet = false;
    NumberSeparators separators;
    bool printHeader = false;
    std::array<QString, 8> header;
    std::vector<QString> notes;      // of the data sheet, at most three
    std::vector<QString> chartNotes; // of the chart page, at most three
    bool mollier = true;             // the chart: Mollier, or the turned Carrier chart
    LeakageChoices leakage;          // pressures in `units`

    // The weather, schedule and prices of the annual figures, when the selection has them.
    std::optional<AnnualInputs> annual;

    bool operator==(const Selection&) const = default;
};

// A value the program takes other than a selection gives it, in the selection file's words.
struct SelectionAdjustment {
    std::string field; // e.g. "Diameter"
    std::string given; // as the selection gives it, e.g. "2400"
    std::string shown; // as the program takes it, e.g. "1880"
};

// The summer case is calculated and printed.
inline bool SummerShown(const Selection& s) { return s.summer.has_value() && s.summerShown; }

} // namespace velmarsund
