#pragma once
// The data sheet's values of a calculated selection, built from the records and the panel through
// the same functions that fill the main window's tables and panel, for programs without windows.

#include "data_sheet_values.h"
#include "plausibility_check.h"

#include <cstdint>

namespace velmarsund {

class TDatenRWT;

struct DataSheetSelection {
    const TDatenRWT* winter = nullptr; // calculated
    const TDatenRWT* summer = nullptr; // calculated; shown in WinterAndSummer only
    SeasonView view = SeasonView::WinterOnly;
    bool useSeasons = false;
    int seriesIndex = 1;
    QString profile;                   // the shown profile, e.g. "E20"
    std::int64_t height = 0;           // housing, mm
    std::int64_t width = 0;
    UnitSystem units = UnitSystem::SI;
    EffectivenessOptions effectiveness;
    bool wetBulbOnDataSheet = false;
    QString winterCaption;
    QString summerCaption;
    CheckMessages checkMessages;       // of the last plausibility check
    double pressureDropLimit = kPressureDropLimit;
    PageFrameValues frame;             // header, data-sheet notes, language, version
};

// Texts in the current language and with the program's separators.
DataSheetValues BuildDataSheetValues(const DataSheetSelection& selection);

// The fields of the winter record that the page formats itself.
void TakeWinterRecord(DataSheetValues& values, const TDatenRWT& winter);

} // namespace velmarsund
