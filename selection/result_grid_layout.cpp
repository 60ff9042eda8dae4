#include "result_grid_layout.h"

#include "air_completion.h"

#include <array>
#include <numeric>

namespace velmarsund {
std::vector<int> ResultColumnWidths(SeasonView view, const ResultColumnSizes& sizes)
{
    const int v = sizes.value;
    const int gap = kResultGapWidth;
    if (view == SeasonView::WinterAndSummer) return {sizes.label, v, gap, v, 15, v, gap, v, gap, sizes.unit};
    return {sizes.label, v, gap, v, gap, sizes.unit};
}

int ResultColumnCount(SeasonView view) { return view == SeasonView::WinterAndSummer ? 10 : 6; }

int ResultColumnLeft(SeasonView view, int column, const ResultColumnSizes& sizes)
{
    const auto widths = ResultColumnWidths(view, sizes);
    int left = 0;
    for (int c = 0; c < column && c < static_cast<int>(widths.size()); ++c) left += widths[static_cast<std::size_t>(c)];
    return left;
}

int ResultTableWidth(SeasonView view, const ResultColumnSizes& sizes)
{
    const auto widths = ResultColumnWidths(view, sizes);
    return std::accumulate(widths.begin(), widths.end(), 0);
}

int UnitColumn(SeasonView view) { return view == SeasonView::WinterAndSummer ? 9 : 5; }

int ValueColumn(Season season, Stream stream)
{
    return (season == Season::Summer ? 5 : 1) + (stream == Stream::Exhaust ? 2 : 0);
}

int InletRowOfVolumeKind(int airVolumeKind)
{
    switch (airVolumeKind) {
    case ActualVolume: return 4;
    case MassFlowGiven: return 2;
    default: return 1;
    }
}

int InletRowOfHumidityKind(int humidityKind)
{
    switch (humidityKind) {
    case AbsoluteHumidity: return 7;
    case WetBulbTemperature: return 8;
    default: return 6;
    }
}

} // namespace velmarsund
