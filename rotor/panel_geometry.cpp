#include "panel_geometry.h"

#include "geometry_check.h"
#include "geometry_rules.h"
#include "housing_series.h"
#include "matrix_types.h"

namespace velmarsund {

PanelGeometry ComputePanelGeometry(std::int64_t height, std::int64_t width, int seriesIndex) {
    PanelGeometry g;
    const HousingSeries* series = HousingSeriesByIndex(seriesIndex);
    g.HousingCode = series ? series->HousingCode : 0;
    g.Depth = HousingDepth(height, width, g.HousingCode);
    g.LargestDiameter =
        MaxWheelDiameter(height, width, ProfileSizeByShortSide(height, width, g.HousingCode), g.HousingCode);
    g.SmallestDiameter = MinWheelDiameter(g.LargestDiameter);
    return g;
}

std::int64_t KeptDiameter(std::int64_t diameter, std::int64_t height, std::int64_t width, int seriesIndex,
                          const PanelGeometry& g) {
    if (diameter <= g.LargestDiameter) return diameter;
    // The housing alone, with a wheel that fits it.
    const bool buildable =
        GeometryCheck(height, width, g.LargestDiameter, g.SmallestDiameter, g.LargestDiameter, seriesIndex)
            .Valid();
    return buildable ? g.LargestDiameter : diameter;
}

int KeptListIndex(int index, int count) {
    if (count <= 0) return -1;
    if (index < 0) return 0;
    return index < count ? index : count - 1;
}

int MatrixTypeIndexOf(int matrixType, int current) {
    const MatrixTypeEntry* entry = MatrixTypeByCode(matrixType);
    return entry ? entry->Index : current;
}

} // namespace velmarsund
