// Geometry rules at their band edges and the order of the geometry check's findings.

#include "geometry_check.h"
#include "geometry_rules.h"
#include "housing_series.h"

#include <gtest/gtest.h>

using namespace velmarsund;

TEST(GeometryRules, BandEdges) {
    const struct {
        int code;
        std::int64_t h, w;
        std::int64_t size, maxDiameter, depth;
    } cases[] = {
        {HousingHXL, 1000, 1000, 40, 905, 400},
        {HousingHXL, 1001, 1001, 40, 921, 400},
        {HousingHXL, 2000, 2000, 40, 1920, 400},
        {HousingHXL, 2001, 2001, 60, 1881, 440},
        {HousingHXL, 2999, 2999, 60, 2879, 440},
        {HousingHXL, 3000, 3000, 80, 2800, 510},
        {HousingHXL, 3999, 3999, 80, 3799, 510},
        {HousingHXL, 4000, 4000, 100, 3760, 550},
        {HousingHXL, 5000, 5000, 100, 4760, 550},
        {HousingHXL, 5001, 5001, 150, 4601, 650},
        {HousingHXL, 3000, 6000, 80, 2800, 510}, // the shorter side rules
        {HousingHXG, 1250, 1250, 40, 1155, 400},
        {HousingHXG, 1251, 1251, 40, 1131, 400},
        {HousingHXG, 2000, 2000, 40, 1880, 400},
        {HousingHXG, 2001, 2001, 60, 1841, 440},
        {HousingHXG, 3000, 3000, 60, 2840, 440},
        {HousingHXG, 3001, 3001, 100, 2761, 550},
        {HousingHXV, 1385, 1385, 40, 1300, 290},
        {HousingHXV, 1386, 1386, 40, 1301, 330},
        {HousingHXV, 1725, 1725, 40, 1640, 330},
        {HousingHXV, 1726, 1726, 40, 1601, 330},
        {HousingHXK, 2075, 2075, 40, 1955, 330},
        {HousingHXK, 2076, 2076, 60, 1916, 370},
        {4, 2000, 2000, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto size = ProfileSizeByShortSide(c.h, c.w, c.code);
        EXPECT_EQ(size, c.size) << c.code << ": " << c.h << " x " << c.w;
        EXPECT_EQ(MaxWheelDiameter(c.h, c.w, size, c.code), c.maxDiameter)
            << c.code << ": " << c.h << " x " << c.w;
        EXPECT_EQ(HousingDepth(c.h, c.w, c.code), c.depth) << c.code << ": " << c.h << " x " << c.w;
    }
    // The aluminium housing takes the profile size it is given.
    EXPECT_EQ(MaxWheelDiameter(2500, 2500, 80, HousingHXL), 2340);
}

TEST(GeometryRules, SmallestDiameter) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {1920, 1155}, {2000, 1200}, {2800, 1680}, {0, 0}, {1, 5}, {-1, 0}, {-45, -25}, {-50, -30},
    };
    for (const auto& [largest, smallest] : cases)
        EXPECT_EQ(MinWheelDiameter(largest), smallest) << largest;
}

namespace {

GeometryCheckResult Check(int seriesIndex, std::int64_t h, std::int64_t w, std::int64_t d, char sep = '.') {
    const int code = HousingSeriesByIndex(seriesIndex)->HousingCode;
    const auto largest = MaxWheelDiameter(h, w, ProfileSizeByShortSide(h, w, code), code);
    return GeometryCheck(h, w, d, MinWheelDiameter(largest), largest, seriesIndex, sep);
}

} // namespace

TEST(GeometryCheck, FindingsAndMessages) {
    constexpr int HXL = 0, HXG = 1, HXV = 2, HXK = 3;
    const struct {
        int series;
        std::int64_t h, w, d;
        int finding, textId;
        std::vector<std::string> values;
    } cases[] = {
        {HXL, 2000, 2000, 1920, 0, 0, {}},
        {HXL, 2000, 2000, 1154, 1, 112, {"1155 mm"}},
        {HXL, 2000, 2000, 1155, 0, 0, {}},
        {HXL, 2000, 2000, 1921, 2, 111, {"1920 mm"}},
        {HXL, 600, 1200, 505, 0, 0, {}}, // ratio 0.5 is allowed
        {HXL, 1200, 600, 505, 0, 0, {}}, // and so is 2.0
        {HXL, 700, 1401, 605, 3, 118, {"0.50", "2.00"}},
        {HXL, 1401, 700, 605, 3, 118, {"0.50", "2.00"}},
        {HXL, 599, 1200, 500, 4, 113, {"600 mm"}}, // below the minimum size wins over the ratio
        {HXL, 1000, 0, 500, 4, 113, {"600 mm"}},   // no ratio without a width
        {HXL, 6400, 6400, 6000, 0, 0, {}},
        {HXL, 6401, 6000, 9000, 5, 114, {"6400 mm"}}, // even with the wheel too large
        {HXG, 4250, 4250, 4010, 0, 0, {}},
        {HXG, 4251, 4000, 3760, 6, 115, {"4250 mm"}},
        {HXK, 1200, 1200, 1000, 12, 113, {"1250 mm"}},
        {HXK, 3001, 2000, 1880, 11, 530, {"3000 mm"}},
        {HXK, 3001, 1200, 1000, 11, 530, {"3000 mm"}}, // the maximum is checked after the minimum
        {HXV, 2500, 2500, 2500, 2, 111, {"2375 mm"}},  // 2500 mm is no exception yet
        {HXV, 3000, 2000, 1875, 0, 0, {}},
        {HXV, 3000, 2000, 9000, 0, 0, {}}, // one side above 2500 mm drops every finding
        {HXV, 3000, 1000, 800, 0, 0, {}},  // ratio 3 included
        {HXV, 2501, 500, 100, 0, 0, {}},
        {HXV, 3000, 3000, 2875, 7, 116, {"2500 mm"}},
    };
    for (const auto& c : cases) {
        const auto r = Check(c.series, c.h, c.w, c.d);
        EXPECT_EQ(r.Finding, c.finding) << c.series << ": " << c.h << " x " << c.w << " D " << c.d;
        EXPECT_EQ(r.TextId, c.textId) << c.series << ": " << c.h << " x " << c.w << " D " << c.d;
        EXPECT_EQ(r.Values, c.values) << c.series << ": " << c.h << " x " << c.w << " D " << c.d;
        EXPECT_EQ(r.Valid(), c.finding == 0);
    }
}

TEST(GeometryCheck, RatioLimitsUseTheDecimalSeparator) {
    const auto r = Check(0, 700, 1401, 605, ',');
    EXPECT_EQ(r.Finding, RatioOutOfRange);
    EXPECT_EQ(r.Values, (std::vector<std::string>{"0,50", "2,00"}));
}
