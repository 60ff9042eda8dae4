#pragma once
// The languages of the user interface: number, menu caption, text block and the character set
// and code page the original display used.

#include <QString>

#include <span>

namespace velmarsund {

using LanguageNumber = int;

namespace Language {
constexpr LanguageNumber German = 1;
constexpr LanguageNumber English = 2;
constexpr LanguageNumber French = 3;
constexpr LanguageNumber Spanish = 4;
constexpr LanguageNumber Czech = 6;
constexpr LanguageNumber Polish = 7;
constexpr LanguageNumber Chinese = 8;
constexpr LanguageNumber Russian = 9;
} // namespace Language

struct LanguageInfo {
    LanguageNumber number;
    const char* caption; // UTF-8, the menu caption
    int textBlock;
    int charset;
    int codePage;
    const char* fileCode; // the text-table file below resources/texts/, empty when not offered
};

// Bits 1, 2, 3, 7, 8, 9: the languages that have a text block.
constexpr unsigned AllowedLanguages = 0x38E;

bool IsAllowedLanguage(LanguageNumber language);

std::span<const LanguageInfo> AllLanguages();
// The offered languages in menu order.
std::span<const LanguageInfo> OfferedLanguages();
// nullptr for a number that is no language.
const LanguageInfo* FindLanguage(LanguageNumber language);
QString LanguageCaption(LanguageNumber language);

} // namespace velmarsund
