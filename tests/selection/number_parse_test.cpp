#include "number_parse.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

const NumberSeparators kComma{QLatin1Char(','), QLatin1Char('.')};
const NumberSeparators kPoint{QLatin1Char('.'), QLatin1Char(',')};

TEST(TextToNumber, AcceptsSignedDecimalsWithTheProgramSeparator)
{
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"12,5", 12.5}, {"-12,5", -12.5}, {"+3", 3},      {" 7 ", 7},   {",5", 0.5},
        {"5,", 5},      {"1,5E-3", 1.5e-3}, {"1e3", 1000}, {"-0", 0},    {"0000123", 123},
    };
    for (const Case& c : cases) {
        const auto value = TryTextToNumber(QString::fromUtf8(c.text), kComma);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.expected) << c.text;
    }
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("22.5"), kPoint), 22.5);
}

TEST(TextToNumber, EverythingElseIsAConversionError)
{
    const char* bad[] = {"",    " ",    "-",    ",",     "abc",  "12.5", "1.000", "1,2,3", "1e",  "1e+",
                         "e5",  "inf",  "nan",  "1e999", "0x10", "12a",  "1 000", "--1",   "1,5 E3", "١٢"};
    for (const char* text : bad) {
        EXPECT_FALSE(TryTextToNumber(QString::fromUtf8(text), kComma).has_value()) << text;
        EXPECT_THROW(TextToNumber(QString::fromUtf8(text), kComma), ConversionError) << text;
    }
}

TEST(TextToInteger, ThirtyTwoBitDecimalDigits)
{
    EXPECT_EQ(TextToInteger(QStringLiteral("42")), 42);
    EXPECT_EQ(TextToInteger(QStringLiteral(" -7 ")), -7);
    EXPECT_EQ(TextToInteger(QStringLiteral("+3")), 3);
    EXPECT_EQ(TextToInteger(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(TextToInteger(QStringLiteral("-2147483648")), -2147483647 - 1);
    for (const char* text : {"", "-", "2147483648", "-2147483649", "1.5", "12a", "99999999999999999999", "1e3"})
        EXPECT_THROW(TextToInteger(QString::fromUtf8(text)), ConversionError) << text;
}

} // namespace
} // namespace velmarsund
