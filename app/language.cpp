#include "language.h"

namespace velmarsund {
namespace {

constexpr LanguageInfo kLanguages[] = {
    {Language::German, "Deutsch", 11000, 162, 1254, "de"},
    {Language::English, "English", 12000, 162, 1254, "en"},
    {Language::French, "Francais", 13000, 162, 1254, "fr"},
    {Language::Polish, "Polski", 17000, 238, 1250, "pl"},
    {Language::Chinese, "Chinese", 18000, 134, 936, "zh"},
    {Language::Russian, "Russian", 19000, 204, 1251, "ru"},
    {Language::Spanish, "Espa\xC3\xB1ol", 14000, 162, 1254, ""},
    {Language::Czech, "Czech", 16000, 238, 1250, ""},
};
constexpr std::size_t kOfferedCount = 6;

} // namespace

bool IsAllowedLanguage(LanguageNumber language)
{
    return language >= 0 && language < 32 && ((AllowedLanguages >> language) & 1u) != 0;
}

std::span<const LanguageInfo> AllLanguages() { return kLanguages; }

std::span<const LanguageInfo> OfferedLanguages() { return std::span<const LanguageInfo>(kLanguages).first(kOfferedCount); }

const LanguageInfo* FindLanguage(LanguageNumber language)
{
    for (const LanguageInfo& info : kLanguages)
        if (info.number == language) return &info;
    return nullptr;
}

QString LanguageCaption(LanguageNumber language)
{
    const LanguageInfo* info = FindLanguage(language);
    return info ? QString::fromUtf8(info->caption) : QString();
}

} // namespace velmarsund
