#include "panel_texts.h"

#include "housing_series.h"
#include "matrix_types.h"
#include "text_table.h"

namespace velmarsund {

QString HousingListText(int seriesIndex)
{
    const HousingSeries* series = HousingSeriesByIndex(seriesIndex);
    if (!series) return {};
    return QString::fromUtf8(series->ListPrefix.data(), static_cast<qsizetype>(series->ListPrefix.size())) +
           LoadText(series->ListTextId);
}

QString MatrixTypeListText(int matrixTypeIndex)
{
    const MatrixTypeEntry* type = MatrixTypeByIndex(matrixTypeIndex);
    if (!type) return {};
    return LoadText(type->ListTextId) + QLatin1Char(' ') + QLatin1Char(type->Letter);
}

} // namespace velmarsund
