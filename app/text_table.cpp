#include "text_table.h"

#include "embedded_resources.h"

#include <charconv>
#include <string>

namespace velmarsund {
namespace {

LanguageNumber gCurrentLanguage = Language::English;

std::map<LanguageNumber, std::map<TextId, QString>>& Tables()
{
    static std::map<LanguageNumber, std::map<TextId, QString>> tables;
    return tables;
}

const std::map<TextId, QString>& TableOf(LanguageNumber language)
{
    auto& tables = Tables();
    auto it = tables.find(language);
    if (it == tables.end()) {
        std::map<TextId, QString> texts;
        const LanguageInfo* info = FindLanguage(language);
        if (info && *info->fileCode)
            texts = ParseTextTable(EmbeddedResource(std::string("texts/") + info->fileCode + ".txt")).texts;
        it = tables.emplace(language, std::move(texts)).first;
    }
    return it->second;
}

std::string Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n' || next == 't' || next == '\\') {
                out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

ParsedTextTable ParseTextTable(std::string_view utf8)
{
    ParsedTextTable result;
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
    int lineNumber = 0;
    while (!utf8.empty()) {
        ++lineNumber;
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;

        const std::size_t tab = line.find('\t');
        TextId id = 0;
        const std::string_view number = line.substr(0, tab);
        const auto res = std::from_chars(number.data(), number.data() + number.size(), id);
        if (tab == std::string_view::npos || res.ec != std::errc() || res.ptr != number.data() + number.size() || id <= 0) {
            result.badLines.push_back(lineNumber);
            continue;
        }
        const std::string text = Unescape(line.substr(tab + 1));
        result.texts[id] = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    return result;
}

LanguageNumber CurrentLanguage() { return gCurrentLanguage; }

void SetCurrentLanguage(LanguageNumber language) { gCurrentLanguage = language; }

QString LoadText(TextId id) { return LoadText(id, gCurrentLanguage); }

QString LoadText(TextId id, LanguageNumber language)
{
    const auto& table = TableOf(language);
    const auto it = table.find(id);
    if (it == table.end()) return {};
    QString text = it->second;
    if (text.size() > kMaxTextLength) {
        qsizetype cut = kMaxTextLength;
        if (text[cut - 1].isHighSurrogate()) --cut; // never half a character
        text.truncate(cut);
    }
    return text;
}

void SetTextTable(LanguageNumber language, std::map<TextId, QString> texts)
{
    Tables()[language] = std::move(texts);
}

} // namespace velmarsund
