#pragma once
// Standard sizes of the housing series, stored as text resources "sizes/<table>.csv" with one
// row "height,width,depth,diameter" (mm) per line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmarsund {

// Returns the bytes of a stored resource by name, empty when there is none.
using ResourceLookup = std::string_view (*)(std::string_view name);

// The rows of the size table of a housing series (list index), in their stored order; empty
// when the index names no series or the resource is missing.
std::vector<std::string> LoadSizeTable(int seriesIndex);
std::vector<std::string> LoadSizeTable(int seriesIndex, ResourceLookup lookup);

struct SizeRow {
    int Height = 0;   // housing height, mm
    int Width = 0;    // housing width, mm
    int Depth = 0;    // housing depth, mm
    int Diameter = 0; // wheel diameter, mm
};

// The four numbers of a row; no value unless it holds exactly four integers.
std::optional<SizeRow> ParseSizeRow(std::string_view row);

// Entry of the standard-size list: height/width-diameter (e.g. 600/750-505).
std::string SizeListEntry(const SizeRow& row);

} // namespace velmarsund
