// Housing series, matrix types, profiles and the type designation.

#include "designation.h"
#include "housing_series.h"
#include "matrix_types.h"
#include "profiles.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace velmarsund;

TEST(Catalogue, HousingSeriesInListOrder) {
    const struct {
        int code;
        const char* prefix;
        int textId;
        int table;
    } expected[] = {
        {1, "HXL-", 203, 1110}, {2, "HXG-", 204, 1111}, {3, "HXV-", 204, 1112}, {10, "HXK-", 529, 1113}};
    for (int i = 0; i < 4; ++i) {
        const HousingSeries* s = HousingSeriesByIndex(i);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->HousingCode, expected[i].code) << i;
        EXPECT_EQ(s->DesignationPrefix, expected[i].prefix) << i;
        EXPECT_EQ(s->ListTextId, expected[i].textId) << i;
        EXPECT_EQ(s->SizeTable, expected[i].table) << i;
        EXPECT_EQ(HousingSeriesByCode(expected[i].code), s);
    }
    EXPECT_EQ(HousingSeriesByIndex(-1), nullptr);
    EXPECT_EQ(HousingSeriesByIndex(4), nullptr);
    EXPECT_FALSE(IsKnownHousingCode(4));
    EXPECT_FALSE(IsKnownHousingCode(0));
}

TEST(Catalogue, MatrixTypesInListOrder) {
    // List order P, K, E, N; record codes 0, 3, 1, 6; settings codes 1, 3, 2, 6.
    const struct {
        int type;
        char letter;
        int stored;
        double speed;
        int textId;
    } expected[] = {{0, 'P', 1, 10, 198}, {3, 'K', 3, 10, 200}, {1, 'E', 2, 10, 199}, {6, 'N', 6, 20, 414}};
    for (int i = 0; i < 4; ++i) {
        const MatrixTypeEntry* m = MatrixTypeByIndex(i);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->MatrixType, expected[i].type) << i;
        EXPECT_EQ(m->Letter, expected[i].letter) << i;
        EXPECT_EQ(m->MatrixCode, expected[i].stored) << i;
        EXPECT_EQ(m->Speed, expected[i].speed) << i;
        EXPECT_EQ(m->ListTextId, expected[i].textId) << i;
        EXPECT_EQ(m->Speed, DefaultSpeed(m->MatrixType)) << i;
        EXPECT_EQ(&MatrixTypeByStoredCode(expected[i].stored), m);
    }
    // A stored code that names no type selects P.
    for (int code : {0, 4, 5, 7, -1})
        EXPECT_EQ(MatrixTypeByStoredCode(code).Letter, 'P') << code;
    EXPECT_EQ(MatrixTypeByCode(2), nullptr);
}

TEST(Catalogue, SameProfilesForEverySeriesAndType) {
    const std::vector<std::string> expected{"E20", "E18", "E16", "E14"};
    for (int series = 0; series < 4; ++series)
        for (int type = 0; type < 4; ++type)
            EXPECT_EQ(SplitProfileList(ProfileList(series, type)), expected) << series << "/" << type;

    const auto e14 = DecodeProfile("E14");
    ASSERT_TRUE(e14);
    EXPECT_EQ(e14->FoilThickness, 0.06);
    EXPECT_EQ(e14->ProfileHeight, 1.4);
    EXPECT_EQ(e14->ProfilePitch, 3.0);
}

TEST(Catalogue, Designation) {
    const Designation d = BuildDesignation(0, MatrixE, "E20", 2000, 2000, 1920);
    EXPECT_EQ(d.DesignationPrefix, "HXL-E-E20");
    EXPECT_EQ(d.ModelDesignation, "HXL-E-E20-2000/2000-1920");

    EXPECT_EQ(BuildDesignation(1, MatrixK, "E16", 600, 750, 505).ModelDesignation, "HXG-K-E16-600/750-505");
    EXPECT_EQ(BuildDesignation(2, MatrixP, "E14", 3000, 1000, 800).ModelDesignation,
              "HXV-P-E14-3000/1000-800");
    EXPECT_EQ(BuildDesignation(3, MatrixN, "E18", 1250, 1250, 1130).DesignationPrefix, "HXK-N-E18");

    EXPECT_THROW(BuildDesignation(4, MatrixE, "E20", 2000, 2000, 1920), std::invalid_argument);
    EXPECT_THROW(BuildDesignation(0, 2, "E20", 2000, 2000, 1920), std::invalid_argument);
}
