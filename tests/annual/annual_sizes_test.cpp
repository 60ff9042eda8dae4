// The years of the preselection's sizes: each suitable size's year is its own selection's year, the
// sizes outside the range have none, and a stop leaves the years not yet begun out.

#include "annual_reference.h"
#include "annual_selection.h"
#include "annual_sizes.h"
#include "calculate_selection.h"
#include "generated_epw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace velmarsund {
namespace {

using testing::EpwHour;
using testing::GeneratedEpw;

struct SizesCase {
    Selection selection;
    SizeEvaluation sizes;
    WeatherYear weather;
};

// The reference selection in the HXG series with every hour of a year that heats by day and by
// night scheduled.
SizesCase Reference() {
    SizesCase c;
    c.selection = testing::AnnualReference(false);
    c.sizes = EvaluateSizes(SeasonRecordOf(c.selection, c.selection.winter), c.selection.seriesIndex,
                            c.selection.profile, false);
    c.weather = ReadEpw(GeneratedEpw([](std::size_t i) { return EpwHour{-5 + 10.0 * (i % 24) / 24, 70, std::nullopt}; }));
    return c;
}

TEST(AnnualSizes, EachSuitableSizeHasItsOwnSelectionsYear) {
    const SizesCase c = Reference();
    std::vector<std::pair<int, int>> told;
    const auto years = AnnualFiguresOfSizes(c.selection, c.sizes, c.weather, [&](int done, int total) {
        told.emplace_back(done, total);
        return true;
    });
    ASSERT_EQ(years.size(), c.sizes.rows.size());
    int suitable = 0;
    for (std::size_t i = 0; i < years.size(); ++i) {
        const SizeEvaluationRow& row = c.sizes.rows[i];
        SCOPED_TRACE(row.designation);
        ASSERT_EQ(years[i].has_value(), row.suitable);
        if (!row.suitable) continue;
        ++suitable;
        Selection sized = c.selection;
        sized.height = row.height;
        sized.width = row.width;
        sized.diameter = row.diameter;
        const AnnualFigures expected = CalculateAnnualEnergy(sized, c.weather).year;
        EXPECT_EQ(years[i]->heating, 8760);
        EXPECT_EQ(years[i]->heatingTotal, expected.heatingTotal);
        EXPECT_EQ(years[i]->fanEnergy, expected.fanEnergy);
        EXPECT_EQ(years[i]->driveEnergy, expected.driveEnergy);
    }
    ASSERT_GE(suitable, 4);
    // Told of every year as it is done, the last time of all of them.
    ASSERT_FALSE(told.empty());
    for (std::size_t k = 1; k < told.size(); ++k) EXPECT_GT(told[k].first, told[k - 1].first);
    EXPECT_EQ(told.back(), std::make_pair(suitable, suitable));
}

TEST(AnnualSizes, AStopLeavesTheYearsNotYetBegunOut) {
    const SizesCase c = Reference();
    const auto all = AnnualFiguresOfSizes(c.selection, c.sizes, c.weather);
    const auto stopped = AnnualFiguresOfSizes(c.selection, c.sizes, c.weather, [](int, int) { return false; });
    int computed = 0, suitable = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        suitable += all[i].has_value();
        if (!stopped[i]) continue;
        ++computed;
        EXPECT_EQ(stopped[i]->heatingTotal, all[i]->heatingTotal); // a year begun runs to its end
    }
    // Only the years begun before the first was told of: one a core.
    const int cores = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    EXPECT_GE(computed, 1);
    EXPECT_LE(computed, cores);
    if (suitable > cores) {
        EXPECT_LT(computed, suitable);
    }
}

} // namespace
} // namespace velmarsund
