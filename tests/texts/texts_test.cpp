// The compiled-in text table: every offered language has a well-formed file, every English
// number exists in every other language with the same placeholders in the same order, and the
// texts of the application frame read as the program quotes them.

#include "embedded_resources.h"
#include "language.h"
#include "text_format.h"
#include "text_table.h"

#include <gtest/gtest.h>

#include <string>

namespace velmarsund {
namespace {

ParsedTextTable TableOf(const LanguageInfo& language)
{
    return ParseTextTable(EmbeddedResource(std::string("texts/") + language.fileCode + ".txt"));
}

TEST(TextTable, EveryOfferedLanguageHasAWellFormedFile)
{
    for (const LanguageInfo& language : OfferedLanguages()) {
        const ParsedTextTable table = TableOf(language);
        EXPECT_FALSE(table.texts.empty()) << language.fileCode;
        EXPECT_TRUE(table.badLines.empty()) << language.fileCode << ": first bad line "
                                            << (table.badLines.empty() ? 0 : table.badLines.front());
        for (const auto& [id, text] : table.texts) {
            EXPECT_GE(id, 1) << language.fileCode;
            EXPECT_LT(id, 1000) << language.fileCode << ": a number stays inside its language's block";
            EXPECT_LE(text.size(), kMaxTextLength) << language.fileCode << " " << id;
        }
    }
}

TEST(TextTable, EveryEnglishNumberInEveryLanguageWithTheSamePlaceholders)
{
    const ParsedTextTable english = ParseTextTable(EmbeddedResource("texts/en.txt"));
    ASSERT_FALSE(english.texts.empty());
    for (const LanguageInfo& language : OfferedLanguages()) {
        const ParsedTextTable other = TableOf(language);
        for (const auto& [id, text] : english.texts) {
            const auto it = other.texts.find(id);
            if (it == other.texts.end()) {
                ADD_FAILURE() << language.fileCode << " lacks text " << id;
                continue;
            }
            EXPECT_EQ(Placeholders(it->second), Placeholders(text))
                << language.fileCode << " " << id << ": " << it->second.toStdString();
        }
        for (const auto& [id, text] : other.texts)
            EXPECT_TRUE(english.texts.count(id)) << language.fileCode << " has text " << id << " that English lacks";
    }
}

TEST(TextTable, TextsOfTheApplicationFrame)
{
    const std::pair<TextId, const char*> quoted[] = {
        {70, "Regenerative Rotating Heat Exchanger"},
        {104, "Error"},
        {105, "Please enter a number between %g and %g"},
        {145, "File"},
        {164, "Exit"},
        {169, "Help"},
        {173, "Options"},
        {174, "Language"},
    };
    for (const auto& [id, text] : quoted) EXPECT_EQ(LoadText(id, Language::English), QString::fromUtf8(text)) << id;
    // The other languages have their own wording for the menus.
    for (const LanguageInfo& language : OfferedLanguages()) {
        if (language.number == Language::English) continue;
        EXPECT_NE(LoadText(145, language.number), LoadText(145, Language::English)) << language.fileCode;
    }
}

} // namespace
} // namespace velmarsund
