#include "result_grid_layout.h"

#include "air_completion.h"

#include <array>
#include <numeric>

namespace velmarsund {
namespace {

constexpr std::array<int, 6> kWinterOnlyWidths{177, 70, 3, 70, 3, 38};
constexpr std::array<int, 10> kWinterAndSummerWidths{177, 70, 3, 70, 15, 70, 3, 70, 3, 38};

} // namespace

std::span<const int> ResultColumnWidths(SeasonView view)
{
    if (view == SeasonView::WinterAndSummer) return kWinterAndSummerWidths;
    return kWinterOnlyWidths;
}

int ResultColumnCount(SeasonView view) { return static_cast<int>(ResultColumnWidths(view).size()); }

int ResultColumnLeft(SeasonView view, int column)
{
    const auto widths = ResultColumnWidths(view);
    int left = 0;
    for (int c = 0; c < column && c < static_cast<int>(widths.size()); ++c) left += widths[static_cast<std::size_t>(c)];
    return left;
}

int ResultTableWidth(SeasonView view)
{
    const auto widths = ResultColumnWidths(view);
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
