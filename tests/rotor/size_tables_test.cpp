// The standard-size tables: stored rows, their list entries and their agreement with the rules.

#include "geometry_rules.h"
#include "housing_series.h"
#include "size_tables.h"

#include <gtest/gtest.h>

using namespace velmarsund;

namespace {

std::vector<SizeRow> Rows(int seriesIndex) {
    std::vector<SizeRow> rows;
    for (const std::string& text : LoadSizeTable(seriesIndex)) {
        const auto row = ParseSizeRow(text);
        EXPECT_TRUE(row) << "series " << seriesIndex << ": '" << text << "'";
        if (row) rows.push_back(*row);
    }
    return rows;
}

} // namespace

TEST(SizeTables, StoredRows) {
    const struct {
        std::size_t count;
        const char* first;
        const char* last;
    } expected[] = {
        {26, "600,750,400,505", "6400,6400,550,6000"},
        {17, "600,750,400,505", "4250,4250,550,4010"},
        {16, "600,750,290,515", "2500,2500,330,2375"},
        {15, "1250,1250,330,1130", "3000,3000,370,2840"},
    };
    for (int series = 0; series < 4; ++series) {
        const auto rows = LoadSizeTable(series);
        ASSERT_EQ(rows.size(), expected[series].count) << series;
        EXPECT_EQ(rows.front(), expected[series].first) << series;
        EXPECT_EQ(rows.back(), expected[series].last) << series;
    }
    EXPECT_TRUE(LoadSizeTable(4).empty());
    EXPECT_TRUE(LoadSizeTable(-1).empty());
}

TEST(SizeTables, ListEntries) {
    const auto rows = Rows(0);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(SizeListEntry(rows.front()), "600/750-505");
    EXPECT_EQ(SizeListEntry(Rows(3).back()), "3000/3000-2840");
}

// The tables follow the rules, except where the catalogue deliberately departs from them.
TEST(SizeTables, AgreeWithTheRules) {
    for (int series = 0; series < 4; ++series) {
        const int code = HousingSeriesByIndex(series)->HousingCode;
        for (const SizeRow& r : Rows(series)) {
            const auto depth = HousingDepth(r.Height, r.Width, code);
            const auto maxDiameter =
                MaxWheelDiameter(r.Height, r.Width, ProfileSizeByShortSide(r.Height, r.Width, code), code);
            if (code == HousingHXL && r.Height >= 5250) {
                EXPECT_EQ(r.Depth, 550);
                EXPECT_EQ(depth, 650);
            } else {
                EXPECT_EQ(r.Depth, depth) << series << ": " << SizeListEntry(r);
            }
            if (code == HousingHXL && r.Height == 5750) {
                EXPECT_EQ(r.Diameter, 5320);
                EXPECT_EQ(maxDiameter, 5350);
            } else {
                EXPECT_EQ(r.Diameter, maxDiameter) << series << ": " << SizeListEntry(r);
            }
        }
    }
}

TEST(SizeTables, MissingOrUntidyResource) {
    EXPECT_TRUE(LoadSizeTable(0, [](std::string_view) { return std::string_view(); }).empty());
    EXPECT_TRUE(LoadSizeTable(0, nullptr).empty());

    // Windows line ends, blank lines and a missing final line end.
    const auto untidy = LoadSizeTable(1, [](std::string_view name) {
        return name == "sizes/1111.csv" ? std::string_view("600,750,400,505\r\n\r\n 700,850,400,605")
                                        : std::string_view();
    });
    ASSERT_EQ(untidy.size(), 2u);
    EXPECT_EQ(untidy[0], "600,750,400,505");
    EXPECT_EQ(untidy[1], "700,850,400,605");
}

TEST(SizeTables, ParseRow) {
    const auto row = ParseSizeRow("1000, 1000,400,905");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->Height, 1000);
    EXPECT_EQ(row->Width, 1000);
    EXPECT_EQ(row->Depth, 400);
    EXPECT_EQ(row->Diameter, 905);
    for (const char* bad :
         {"", "600,750,400", "600,750,400,505,1", "600,750,x,505", "600,,400,505", "600,750,400,505.5"})
        EXPECT_FALSE(ParseSizeRow(bad)) << bad;
}
