#include "language_choice.h"

#include "ini_datei.h"

namespace velmarsund {
namespace {

std::function<QLocale()>& LocaleSource()
{
    static std::function<QLocale()> source;
    return source;
}

} // namespace

int PrimaryLanguageId(QLocale::Language language)
{
    switch (language) {
    case QLocale::Arabic: return 0x01;
    case QLocale::Bulgarian: return 0x02;
    case QLocale::Catalan: return 0x03;
    case QLocale::Chinese: return 0x04;
    case QLocale::Czech: return 0x05;
    case QLocale::Danish: return 0x06;
    case QLocale::German: return 0x07;
    case QLocale::Greek: return 0x08;
    case QLocale::English: return 0x09;
    case QLocale::Spanish: return 0x0A;
    case QLocale::Finnish: return 0x0B;
    case QLocale::French: return 0x0C;
    case QLocale::Hebrew: return 0x0D;
    case QLocale::Hungarian: return 0x0E;
    case QLocale::Icelandic: return 0x0F;
    case QLocale::Italian: return 0x10;
    case QLocale::Japanese: return 0x11;
    case QLocale::Korean: return 0x12;
    case QLocale::Dutch: return 0x13;
    case QLocale::NorwegianBokmal: return 0x14;
    case QLocale::Polish: return 0x15;
    case QLocale::Portuguese: return 0x16;
    case QLocale::Romanian: return 0x18;
    case QLocale::Russian: return 0x19;
    case QLocale::Croatian: return 0x1A;
    case QLocale::Slovak: return 0x1B;
    case QLocale::Albanian: return 0x1C;
    case QLocale::Swedish: return 0x1D;
    case QLocale::Thai: return 0x1E;
    case QLocale::Turkish: return 0x1F;
    case QLocale::Ukrainian: return 0x22;
    default: return 0;
    }
}

LanguageNumber LanguageForPrimaryId(int primaryLanguageId)
{
    switch (primaryLanguageId & 0xFF) {
    case 7: return Language::German;
    case 12: return Language::French;
    case 21: return Language::Polish;
    case 4: return Language::Chinese;
    case 25: return Language::Russian;
    default: return Language::English;
    }
}

LanguageNumber DetectLanguage()
{
    const auto& source = LocaleSource();
    const QLocale locale = source ? source() : QLocale::system();
    return LanguageForPrimaryId(PrimaryLanguageId(locale.language()));
}

void SetSystemLocaleSource(std::function<QLocale()> source) { LocaleSource() = std::move(source); }

LanguageNumber ReadLanguage(const QString& fileName, const QString& section, const QString& key)
{
    LanguageNumber language = TIniDatei(fileName, QStringLiteral("#")).ReadInteger(section, key, 0);
    if (!IsAllowedLanguage(language)) language = DetectLanguage();
    if (!IsAllowedLanguage(language)) language = Language::English;
    return language;
}

} // namespace velmarsund
