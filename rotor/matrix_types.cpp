#include "matrix_types.h"

namespace velmarsund {

const MatrixTypeEntry* MatrixTypeByIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kMatrixTypes.size())) return nullptr;
    return &kMatrixTypes[static_cast<std::size_t>(index)];
}

const MatrixTypeEntry* MatrixTypeByCode(int matrixType) {
    for (const MatrixTypeEntry& m : kMatrixTypes)
        if (m.MatrixType == matrixType) return &m;
    return nullptr;
}

const MatrixTypeEntry& MatrixTypeByStoredCode(int matrixCode) {
    for (const MatrixTypeEntry& m : kMatrixTypes)
        if (m.MatrixCode == matrixCode) return m;
    return kMatrixTypes[0];
}

} // namespace velmarsund
