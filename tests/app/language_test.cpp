#include "language.h"
#include "language_choice.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

class SystemLocale {
public:
    explicit SystemLocale(const char* name)
    {
        const QLocale locale(QString::fromLatin1(name));
        SetSystemLocaleSource([locale] { return locale; });
    }
    ~SystemLocale() { SetSystemLocaleSource({}); }
};

TEST(Languages, OfferedSetAndTable)
{
    EXPECT_EQ(AllowedLanguages, 0x38Eu);
    for (LanguageNumber n = -1; n < 12; ++n) {
        const bool offered = n == 1 || n == 2 || n == 3 || n == 7 || n == 8 || n == 9;
        EXPECT_EQ(IsAllowedLanguage(n), offered) << n;
    }
    EXPECT_FALSE(IsAllowedLanguage(1000));
    ASSERT_EQ(OfferedLanguages().size(), 6u);
    for (const LanguageInfo& language : OfferedLanguages()) EXPECT_TRUE(IsAllowedLanguage(language.number));
    EXPECT_EQ(LanguageCaption(Language::French), QStringLiteral("Francais"));
    EXPECT_EQ(LanguageCaption(Language::Spanish), QStringLiteral("Español"));
    EXPECT_EQ(FindLanguage(Language::Russian)->codePage, 1251);
    EXPECT_EQ(FindLanguage(Language::Chinese)->textBlock, 18000);
}

TEST(DetectLanguage, FromTheSystemLocale)
{
    const std::pair<const char*, LanguageNumber> cases[] = {
        {"de_DE", Language::German},   {"de_AT", Language::German},   {"fr_CA", Language::French},
        {"pl_PL", Language::Polish},   {"zh_CN", Language::Chinese},  {"zh_TW", Language::Chinese},
        {"ru_RU", Language::Russian},  {"en_US", Language::English},  {"sv_SE", Language::English},
        {"es_ES", Language::English},  {"cs_CZ", Language::English},  {"ja_JP", Language::English},
        {"C", Language::English},
    };
    for (const auto& [locale, expected] : cases) {
        SystemLocale system(locale);
        EXPECT_EQ(DetectLanguage(), expected) << locale;
    }
    EXPECT_EQ(LanguageForPrimaryId(0x0407), Language::German); // a full identifier: its low byte counts
    EXPECT_EQ(PrimaryLanguageId(QLocale::Swedish), 29);
}

TEST(ReadLanguage, StoredOfferedLanguageElseSystemElseEnglish)
{
    struct Case {
        const char* file; // nullptr: no settings file
        const char* locale;
        LanguageNumber expected;
    };
    const Case cases[] = {
        {nullptr, "en_US", Language::English},
        {nullptr, "ru_RU", Language::Russian},
        {"[GLOBAL]\nLanguage=4\n", "de_DE", Language::German}, // Spanish is not offered
        {"[GLOBAL]\nLanguage=4\n", "sv_SE", Language::English},
        {"[Global]\nlanguage=7\n", "de_DE", Language::Polish},
        {"[GLOBAL]\nLanguage=8\n", "en_US", Language::Chinese},
        {"[GLOBAL]\nLanguage=0\n", "fr_FR", Language::French},
        {"[GLOBAL]\nLanguage=abc\n", "pl_PL", Language::Polish},
        {"[GLOBAL]\nLanguage=99999999999\n", "en_GB", Language::English},
        {"[ROTOR]\nLanguage=1\n", "en_US", Language::English}, // another section
        {"\x01\x02\xff\xfe\x00[GLOBAL\n=\n", "zh_CN", Language::Chinese},
    };
    for (const Case& c : cases) {
        RemoveSettings();
        if (c.file) WriteBytes(SettingsPath(), QByteArray(c.file));
        SystemLocale system(c.locale);
        EXPECT_EQ(ReadLanguage(kSettingsFileName, kGlobalSection, kLanguageKey), c.expected)
            << (c.file ? c.file : "(no file)") << " on " << c.locale;
    }
}

} // namespace
} // namespace velmarsund
