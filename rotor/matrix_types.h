#pragma once
// The matrix types of the catalogue, in the order the matrix-type list offers them.

#include "rotor_data.h"

#include <array>

namespace velmarsund {

struct MatrixTypeEntry {
    int Index;      // position in the matrix-type list
    int ListTextId; // type text, followed in the list by " " and the letter
    int MatrixType; // code of the rotor record (MatrixTypeCode)
    char Letter;    // matrix letter of the type designation
    int MatrixCode; // value stored in the settings
    double Speed;   // rotor speed, 1/min
};

inline constexpr std::array<MatrixTypeEntry, 4> kMatrixTypes{{
    {0, 198, MatrixP, 'P', 1, 10},
    {1, 200, MatrixK, 'K', 3, 10},
    {2, 199, MatrixE, 'E', 2, 10},
    {3, 414, MatrixN, 'N', 6, 20},
}};

// nullptr for an index or code that names no type.
const MatrixTypeEntry* MatrixTypeByIndex(int index);
const MatrixTypeEntry* MatrixTypeByCode(int matrixType);

// The list entry for a code read from the settings; a code other than 1, 2, 3 or 6 selects type P.
const MatrixTypeEntry& MatrixTypeByStoredCode(int matrixCode);

} // namespace velmarsund
