#pragma once
// The data sheet: the one-page record of a rotor selection.

#include "data_sheet_values.h"

namespace velmarsund {

class PageCanvas;

// Draws the same page for the screen, the printer and PDF.
void DrawDataSheet(PageCanvas& canvas, const DataSheetValues& values);

// Where the data sheet places the value columns for a seasons view.
struct DataSheetColumns {
    int winterSupply;  // right edges of the values
    int winterExhaust;
    int summerSupply;  // 0 in WinterOnly
    int summerExhaust;
    int unit;          // left edge of the units
    int unitColumn;    // the table column the units come from
    int winterCaption; // centres of the season captions
    int summerCaption;
};
DataSheetColumns DataSheetColumnsFor(SeasonView view);

} // namespace velmarsund
