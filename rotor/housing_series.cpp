#include "housing_series.h"

namespace velmarsund {

const HousingSeries* HousingSeriesByIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kHousingSeries.size())) return nullptr;
    return &kHousingSeries[static_cast<std::size_t>(index)];
}

const HousingSeries* HousingSeriesByCode(int housingCode) {
    for (const HousingSeries& s : kHousingSeries)
        if (s.HousingCode == housingCode) return &s;
    return nullptr;
}

bool IsKnownHousingCode(int housingCode) {
    return HousingSeriesByCode(housingCode) != nullptr;
}

} // namespace velmarsund
