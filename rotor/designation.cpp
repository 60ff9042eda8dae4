#include "designation.h"

#include "housing_series.h"
#include "matrix_types.h"

#include <stdexcept>

namespace velmarsund {

Designation BuildDesignation(int seriesIndex, int matrixType, std::string_view profile, std::int64_t height,
                             std::int64_t width, std::int64_t diameter) {
    const HousingSeries* series = HousingSeriesByIndex(seriesIndex);
    if (!series) throw std::invalid_argument("no housing series at index " + std::to_string(seriesIndex));
    const MatrixTypeEntry* type = MatrixTypeByCode(matrixType);
    if (!type) throw std::invalid_argument("no matrix type with code " + std::to_string(matrixType));

    Designation d;
    d.DesignationPrefix = std::string(series->DesignationPrefix) + type->Letter + "-" + std::string(profile);
    d.ModelDesignation = d.DesignationPrefix + "-" + std::to_string(height) + "/" + std::to_string(width) +
                         "-" + std::to_string(diameter);
    return d;
}

} // namespace velmarsund
