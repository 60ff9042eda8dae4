#pragma once
// The multilingual text table: every user-visible wording by number, one UTF-8 file per offered
// language compiled into the program (resources/texts/<code>.txt). A line is "NUMBER<TAB>text";
// lines starting with "#" are comments; inside a text \n is a line break, \t a tab, \\ a
// backslash.

#include "language.h"

#include <QString>

#include <map>
#include <string_view>
#include <vector>

namespace velmarsund {

using TextId = int;

// At most this many characters of a text are used.
constexpr int kMaxTextLength = 255;

struct ParsedTextTable {
    std::map<TextId, QString> texts;
    std::vector<int> badLines; // 1-based numbers of lines that are neither comment, blank nor text
};

ParsedTextTable ParseTextTable(std::string_view utf8);

// The key of a text in the original single table: German 11000 + n, English 12000 + n, ...
constexpr int TextKey(TextId id, LanguageNumber language) { return id + 10000 + 1000 * language; }

// The language whose texts LoadText returns (English until one is set).
LanguageNumber CurrentLanguage();
void SetCurrentLanguage(LanguageNumber language);

// The text of the current language, or an empty text when it is missing.
QString LoadText(TextId id);
QString LoadText(TextId id, LanguageNumber language);

// Replaces the compiled-in table of a language (tests, and nothing else).
void SetTextTable(LanguageNumber language, std::map<TextId, QString> texts);

} // namespace velmarsund
