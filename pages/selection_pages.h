#pragma once
// The plain values of each page of a selection, built from the selection and its calculation
// alone: the window, rotorsheet and the tests draw the same pages from the same values. Texts are
// in the current language, numbers with the program's separators.

#include "annual_page.h"
#include "calculate_selection.h"
#include "data_sheet_values.h"
#include "description_pages.h"
#include "leakage_page.h"
#include "page_documents.h"
#include "page_frame.h"

namespace velmarsund {

// The frame of the selection's pages: its language, the program's version, the offer header and
// the notes given.
PageFrameValues PageFrameOf(const Selection& selection, const std::vector<QString>& notes);

// The type designation the panel shows for a selection (empty when the catalogue has none).
QString DesignationOf(const Selection& selection);

// The PDF title of a list of the selection's pages that starts with a page of `kind`.
QString DocumentTitleOf(PageKind kind, const Selection& selection);

DataSheetValues DataSheetValuesOf(const CalculatedSelection& calculated);
// The leakage page for the selection's leakage choices; empty when the leakage could not be
// calculated for them (see calculated.leakage).
LeakagePageValues LeakagePageValuesOf(const CalculatedSelection& calculated);
DescriptionValues ProductDescriptionOf(const Selection& selection);
// The annual page of the selection under its annual block (the defaults without one), through
// `weather` with the year's `results`; frame and designation as the data sheet prints them,
// without notes.
AnnualPageValues AnnualPageValuesOf(const CalculatedSelection& calculated, const WeatherYear& weather,
                                    const AnnualResults& results);
DescriptionValues ControllerDescriptionOf(const Selection& selection);

} // namespace velmarsund
