#include "fixed_format.h"

#include <gtest/gtest.h>

using namespace velmarsund;

TEST(FixedFormat, CutsTheExactValueWithHalvesAwayFromZero)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {72.25, 1, "72.3"},   // an exact half goes away from zero
        {-72.25, 1, "-72.3"},
        {2.675, 2, "2.67"},   // the double just below 2.675
        {0.05, 1, "0.1"},     // the double just above 0.05
        {-0.04, 1, "0.0"},    // no minus sign on zero
        {-0.0, 2, "0.00"},
        {9.96, 1, "10.0"},    // carry into a new digit
        {2.5, 0, "3"},
        {1013, 10, "1013.0000000000"},
        {78.25024709688975, 1, "78.3"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatFixedPoint(c.value, c.decimals), c.text) << c.value;
}

TEST(FixedFormat, SeparatorsAndGrouping)
{
    EXPECT_EQ(FormatFixedPoint(12345.678, 2, ',', '.'), "12.345,68");
    EXPECT_EQ(FormatFixedPoint(12345.678, 1, ','), "12345,7");
    EXPECT_EQ(FormatFixedPoint(-1234567.0, 0, '.', ' '), "-1 234 567");
    EXPECT_EQ(FormatFixedPoint(999.5, 0, '.', ','), "1,000");
}
