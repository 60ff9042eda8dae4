#include "number_format.h"
#include "number_separators.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmarsund {
namespace {

const NumberSeparators kPoint{QLatin1Char('.'), QLatin1Char(',')};
const NumberSeparators kComma{QLatin1Char(','), QLatin1Char('.')};

TEST(NumberFormat, FixedAndNumberWithTheProgramSeparators)
{
    EXPECT_EQ(FormatNumber(12345.678, 2, 10, kComma), QStringLiteral("12.345,68"));
    EXPECT_EQ(FormatFixed(12345.678, 1, 10, kComma), QStringLiteral("12345,7"));
    EXPECT_EQ(FormatNumber(-1234567, 2, 10, kComma), QStringLiteral("-1.234.567,00"));
    EXPECT_EQ(FormatNumber(999.5, 0, 10, kPoint), QStringLiteral("1,000"));
    EXPECT_EQ(FormatNumber(123, 1, 10, kPoint), QStringLiteral("123.0"));
    const NumberSeparators narrowSpace{QLatin1Char(','), QChar(0x202F)};
    EXPECT_EQ(FormatNumber(8530, 0, 10, narrowSpace), QStringLiteral("8\u202F530"));
    const NumberSeparators noGrouping{QLatin1Char('.'), QChar()};
    EXPECT_EQ(FormatNumber(8530, 0, 10, noGrouping), QStringLiteral("8530"));
}

TEST(NumberFormat, FixedCutsHalvesAwayFromZeroWithoutMinusZero)
{
    struct Case {
        double value;
        int digits;
        const char* expected;
    };
    const Case cases[] = {
        {0.5, 0, "1"},      {-2.5, 0, "-3"},     {0.125, 2, "0.13"},  {1.005, 2, "1.00"}, // 1.005 is below the half
        {-0.004, 2, "0.00"}, {-0.0, 1, "0.0"},   {22, 0, "22"},       {-12, 1, "-12.0"},
        {1e-20, 3, "0.000"}, {2.675, 2, "2.67"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.digits, 10, kPoint), QLatin1String(c.expected)) << c.value;
}

TEST(NumberFormat, FixedKeepsTenSignificantDigits)
{
    EXPECT_EQ(FormatFixed(1234567.891234, 5, 10, kPoint), QStringLiteral("1234567.89100"));
    EXPECT_EQ(FormatFixed(0.000123456789012, 15, 10, kPoint), QStringLiteral("0.000123456789000"));
    EXPECT_EQ(FormatFixed(123456789012.0, 2, 10, kPoint), QStringLiteral("123456789012.00"));
    EXPECT_EQ(FormatNumber(1234567.891234, 5, 10, kPoint), QStringLiteral("1,234,567.89100"));
    EXPECT_EQ(FormatFixed(0.1 + 0.2, 17, 10, kPoint), QStringLiteral("0.30000000000000000"));
}

TEST(NumberFormat, GeneralShortestTextUpToPrecision)
{
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {10000, "10000"},        {-12, "-12"},           {22.5, "22.5"},         {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.3333333333"}, {2.0 / 3 * 1e6, "666666.6667"}, {0, "0"},     {-0.0, "0"},
        {1e-7, "1E-7"},          {-1.5e-6, "-1.5E-6"},   {0.00001, "0.00001"},   {9999999999, "9999999999"},
        {12345678901, "1.23456789E10"}, {1e300, "1E300"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatGeneral(c.value, 10, kPoint), QLatin1String(c.expected)) << c.value;
    EXPECT_EQ(FormatGeneral(22.5, 10, kComma), QStringLiteral("22,5"));
    EXPECT_EQ(FormatGeneral(123456, 3, kPoint), QStringLiteral("1.23E5"));
    EXPECT_EQ(FormatGeneral(std::nan(""), 10, kPoint), QStringLiteral("NAN"));
}

TEST(NumberSeparators, UnusablePairsAreRepaired)
{
    const NumberSeparators fallback{QLatin1Char(','), QLatin1Char('.')};
    const auto make = [&](QChar d, QChar t) { return MakeUsableSeparators({d, t}, fallback); };
    EXPECT_EQ(make(QLatin1Char('.'), QLatin1Char(',')).decimal, QLatin1Char('.'));
    EXPECT_EQ(make(QLatin1Char('5'), QLatin1Char(' ')).decimal, QLatin1Char(','));
    EXPECT_EQ(make(QLatin1Char('-'), QLatin1Char(' ')).decimal, QLatin1Char(','));
    EXPECT_EQ(make(QChar(), QLatin1Char(' ')).decimal, QLatin1Char(','));
    // Equal separators would make "1,000" ambiguous.
    EXPECT_EQ(make(QLatin1Char(','), QLatin1Char(',')).thousand, QLatin1Char('.'));
    EXPECT_EQ(make(QLatin1Char('.'), QLatin1Char('.')).thousand, QLatin1Char(','));
    EXPECT_EQ(make(QLatin1Char(','), QChar(0x00A0)).thousand, QChar(0x00A0));
    EXPECT_TRUE(make(QLatin1Char(','), QChar()).thousand.isNull());
}

TEST(NumberSeparators, OnlyVisibleSeparatorsOfTheListAreKept) {
    const NumberSeparators fallback{QLatin1Char(','), QLatin1Char('.')};
    // Invisible or joining characters that would make -12.0 read as -120, and others not listed.
    for (const char16_t c : {u'\u200B', u'\u00AD', u'\u0301', u'\u200D', u'\uFEFF', u'\u2028', u'\t',
                             u'\u00B7', u'\u066B', u';', u'_', u'e'}) {
        const NumberSeparators made = MakeUsableSeparators({QChar(c), QChar(c)}, fallback);
        EXPECT_EQ(made.decimal, QLatin1Char(',')) << int(c);
        EXPECT_EQ(made.thousand, QLatin1Char('.')) << int(c);
        EXPECT_EQ(MakeUsableSeparators({QLatin1Char('.'), QChar(c)}, fallback).thousand, QLatin1Char(','))
            << int(c);
    }
    for (const char16_t c : {u'.', u',', u'\''})
        EXPECT_EQ(MakeUsableSeparators({QChar(c), QChar()}, fallback).decimal, QChar(c)) << int(c);
    // Blanks group thousands but never part a number from its decimals.
    for (const char16_t c : {u' ', u'\u00A0', u'\u202F'}) {
        EXPECT_EQ(MakeUsableSeparators({QLatin1Char('.'), QChar(c)}, fallback).thousand, QChar(c)) << int(c);
        EXPECT_EQ(MakeUsableSeparators({QChar(c), QChar()}, fallback).decimal, QLatin1Char(',')) << int(c);
    }
    // A fallback that is not allowed either gives the point.
    EXPECT_EQ(MakeUsableSeparators({QChar(0x200B), QChar()}, {QChar(0x00AD), QChar()}).decimal,
              QLatin1Char('.'));
}

} // namespace
} // namespace velmarsund
