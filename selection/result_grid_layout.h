#pragma once
// Columns and rows of the main window's result tables, and the rows in which the entry fields of
// the air conditions lie over the inlet table. Pure layout values by seasons view and input kind.

#include <vector>

namespace velmarsund {

enum class SeasonView {
    WinterOnly = 1,
    WinterAndSummer = 2,
};

enum class Season { Winter, Summer };
enum class Stream { Supply, Exhaust }; // 11/12 and 21/22

constexpr int kGridRowHeight = 20;

// The widths of the label, value and unit columns. The defaults suit the window font in most
// languages; where a label, a stream heading or a unit needs more, the window widens the column.
struct ResultColumnSizes {
    int label = 177;
    int value = 70;
    int unit = 38;
    bool operator==(const ResultColumnSizes&) const = default;
};

// 177, 70, 3, 70, 3, 38 in WinterOnly; 177, 70, 3, 70, 15, 70, 3, 70, 3, 38 with the summer columns
// (with the default sizes).
std::vector<int> ResultColumnWidths(SeasonView view, const ResultColumnSizes& sizes = {});
int ResultColumnCount(SeasonView view);
// Left edge of a column, in pixels from the table's left edge.
int ResultColumnLeft(SeasonView view, int column, const ResultColumnSizes& sizes = {});
int ResultTableWidth(SeasonView view, const ResultColumnSizes& sizes = {});
// The smallest gap between two value columns (the gap before a value column is never wider).
constexpr int kResultGapWidth = 3;

// The unit column: 5, or 9 with the summer columns.
int UnitColumn(SeasonView view);
// The value column of a season and stream: winter 1 and 3, summer 5 and 7.
int ValueColumn(Season season, Stream stream);

// Rows of the inlet table that take an entry field.
constexpr int kInletTemperatureRow = 5;
// 1 standard volume, 4 actual volume, 2 mass flow (AirVolumeInputKind 0, 1, 3).
int InletRowOfVolumeKind(int airVolumeKind);
// 6 relative humidity, 7 humidity ratio, 8 wet-bulb temperature (HumidityInputKind 0, 1, 7).
int InletRowOfHumidityKind(int humidityKind);

} // namespace velmarsund
