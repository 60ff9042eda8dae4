#pragma once
// What the rotor panel derives from housing height, width and series on every change: the housing
// code, the depth, the range of wheel diameters, and the diameter the panel keeps.

#include <cstdint>

namespace velmarsund {

struct PanelGeometry {
    int HousingCode = 0;
    std::int64_t Depth = 0;           // mm
    std::int64_t LargestDiameter = 0; // mm
    std::int64_t SmallestDiameter = 0;
};

PanelGeometry ComputePanelGeometry(std::int64_t height, std::int64_t width, int seriesIndex);

// The diameter the panel keeps: one above the largest is reduced to it, silently. A housing that
// the catalogue cannot build at all (below its minimum, outside the ratio, above the series'
// maximum) leaves the diameter alone: its check reports the housing at calculation time, and
// the diameter is still there when the housing is corrected.
std::int64_t KeptDiameter(std::int64_t diameter, std::int64_t height, std::int64_t width, int seriesIndex,
                          const PanelGeometry& geometry);

// A list index after the list was rebuilt with `count` entries: kept, a negative one becomes 0,
// one past the end the last entry; -1 (nothing selected) for an empty list.
int KeptListIndex(int index, int count);

// The position of a matrix type in the matrix-type list (0 P, 1 K, 2 E, 3 N); `current` for a
// code that names no type.
int MatrixTypeIndexOf(int matrixType, int current);

} // namespace velmarsund
