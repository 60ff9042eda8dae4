#pragma once
// The housing series of the catalogue, in the order the housing list offers them.

#include <array>
#include <string_view>

namespace velmarsund {

// Housing series codes taken by the geometry rules and the weight model.
enum HousingCodeValue : int {
    HousingHXL = 1,  // aluminium housing
    HousingHXG = 2,  // galvanised-steel housing
    HousingHXV = 3,  // galvanised-steel square housing
    HousingHXK = 10, // plugged aluminium-profile housing
};

struct HousingSeries {
    int Index;                          // position in the housing list (stored in the settings)
    std::string_view Name;              // "HXL"
    std::string_view ListPrefix;        // "HXL - ", followed in the list by the text ListTextId
    int ListTextId;                     // material text
    int HousingCode;                    // HousingCodeValue
    std::string_view DesignationPrefix; // "HXL-"
    int SizeTable;                      // number of the standard-size table
};

inline constexpr std::array<HousingSeries, 4> kHousingSeries{{
    {0, "HXL", "HXL - ", 203, HousingHXL, "HXL-", 1110},
    {1, "HXG", "HXG - ", 204, HousingHXG, "HXG-", 1111},
    {2, "HXV", "HXV - ", 204, HousingHXV, "HXV-", 1112},
    {3, "HXK", "HXK - ", 529, HousingHXK, "HXK-", 1113},
}};

// nullptr for an index or code that names no series.
const HousingSeries* HousingSeriesByIndex(int index);
const HousingSeries* HousingSeriesByCode(int housingCode);

bool IsKnownHousingCode(int housingCode);

} // namespace velmarsund
