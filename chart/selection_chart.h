#pragma once
// The chart page of a calculated selection: its process lines, the chart kind and units of the
// selection, the ranges grown until every state fits, and the chart notes.

#include "calculate_selection.h"
#include "chart_page.h"

namespace velmarsund {

ChartPageValues ChartPageValuesOf(const CalculatedSelection& calculated);

} // namespace velmarsund
