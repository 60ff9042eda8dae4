#include "text_format.h"
#include "text_table.h"
#include "version_text.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

TEST(TextTable, ParsesLinesEscapesAndComments)
{
    const std::string_view fixture = "\xEF\xBB\xBF# comment\n"
                                     "1\tAir pressure\r\n"
                                     "\n"
                                     "105\tPlease enter a number between %g and %g\n"
                                     "200\tline one\\nline two\\tcolumn \\\\ back \\x kept\n"
                                     "201\t\n"
                                     "no tab here\n"
                                     "12x\ttext\n"
                                     "-3\tnegative\n"
                                     "410\tm\xC2\xB3/h";
    const ParsedTextTable table = ParseTextTable(fixture);
    EXPECT_EQ(table.texts.size(), 5u);
    EXPECT_EQ(table.texts.at(1), QStringLiteral("Air pressure"));
    EXPECT_EQ(table.texts.at(105), QStringLiteral("Please enter a number between %g and %g"));
    EXPECT_EQ(table.texts.at(200), QStringLiteral("line one\nline two\tcolumn \\ back \\x kept"));
    EXPECT_EQ(table.texts.at(201), QString());
    EXPECT_EQ(table.texts.at(410), QStringLiteral("m³/h"));
    EXPECT_EQ(table.badLines, (std::vector<int>{7, 8, 9}));
}

TEST(TextTable, LoadTextByLanguageMissingIsEmptyAndLongIsCut)
{
    // Czech has no text block of its own; it stands in for a table of known texts.
    EXPECT_EQ(LoadText(1, Language::Czech), QString());
    SetTextTable(Language::Czech, {{1, QStringLiteral("Ciśnienie")}, {2, QString(300, QLatin1Char('a'))}});
    const LanguageNumber before = CurrentLanguage();
    SetCurrentLanguage(Language::Czech);
    EXPECT_EQ(LoadText(1), QStringLiteral("Ciśnienie"));
    EXPECT_EQ(LoadText(2).size(), kMaxTextLength);
    EXPECT_EQ(LoadText(3), QString());
    SetCurrentLanguage(before);
    SetTextTable(Language::Czech, {});
    EXPECT_EQ(TextKey(105, Language::English), 12105);
    EXPECT_EQ(TextKey(1, Language::Russian), 19001);
}

TEST(TextFormat, PlaceholdersInOrder)
{
    EXPECT_EQ(FormatText(QStringLiteral("Please enter a number between %g and %g"), {QStringLiteral("-30"), QStringLiteral("80")}),
              QStringLiteral("Please enter a number between -30 and 80"));
    EXPECT_EQ(FormatText(QStringLiteral("Page %d of %d"), {QStringLiteral("1")}), QStringLiteral("Page 1 of "));
    EXPECT_EQ(FormatText(QStringLiteral("100%% %s"), {QStringLiteral("x"), QStringLiteral("y")}), QStringLiteral("100% x"));
    EXPECT_EQ(FormatText(QStringLiteral("50 % more %"), {}), QStringLiteral("50 % more %"));
    EXPECT_EQ(Placeholders(QStringLiteral("%s .. %g, %d %% %")), QStringLiteral("sgd"));
}

TEST(VersionText, PlainAndWithAProductKey)
{
    const VersionText plain = VersionTextFor(QStringLiteral("velmarsund-rotor"));
    EXPECT_EQ(plain.longForm, QStringLiteral("10/2017"));
    EXPECT_EQ(plain.shortForm, QStringLiteral("10/17"));
    const VersionText product = VersionTextFor(QStringLiteral("VRSEL.exe"));
    EXPECT_EQ(product.longForm, QStringLiteral("3.8, 10/2017"));
    EXPECT_EQ(product.shortForm, QStringLiteral("3.8, 10/17"));
    EXPECT_EQ(VersionTextFor(QStringLiteral("velmarsund-rotor-pro")).shortForm, QStringLiteral("4.2, 10/17"));
}

} // namespace
} // namespace velmarsund
