#include "tender_text.h"

#include "embedded_resources.h"

#include <string>

namespace velmarsund {
namespace {

struct TenderNumbers {
    LanguageNumber language;
    int productBase; // + series index + 1
    int controller;
};

// English serves every language that is not listed.
constexpr TenderNumbers kEnglish{Language::English, 1224, 1246};
constexpr TenderNumbers kNumbers[] = {
    {Language::German, 1220, 1245}, kEnglish, {Language::French, 1228, 1247}, {Language::Czech, 1251, 1251},
    {Language::Polish, 1236, 1248}, {Language::Chinese, 1232, 1249}, {Language::Russian, 1240, 1250},
};

const TenderNumbers& NumbersOf(LanguageNumber language)
{
    for (const TenderNumbers& n : kNumbers)
        if (n.language == language) return n;
    return kEnglish;
}

} // namespace

int ProductDescriptionResource(LanguageNumber language, int seriesIndex)
{
    return NumbersOf(language).productBase + seriesIndex + 1;
}

int ControllerDescriptionResource(LanguageNumber language) { return NumbersOf(language).controller; }

std::vector<QString> TenderTextLines(std::string_view bytes)
{
    std::vector<QString> lines;
    std::size_t at = 0;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE)
        at = 2;
    QString line;
    bool pending = false;
    for (; at + 1 < bytes.size(); at += 2) {
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
        if (unit == u'\n') {
            if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
            lines.push_back(line);
            line.clear();
            pending = false;
            continue;
        }
        line.append(QChar(unit));
        pending = true;
    }
    if (pending) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        lines.push_back(line);
    }
    return lines;
}

std::vector<QString> LoadTenderText(int resource)
{
    return TenderTextLines(EmbeddedResource("tender/" + std::to_string(resource) + ".txt"));
}

} // namespace velmarsund
