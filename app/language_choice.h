#pragma once
// Which language the program starts in: the one stored in the settings file, else the one that
// fits the user's system language, else English.

#include "language.h"

#include <QLocale>
#include <QString>

#include <functional>

namespace velmarsund {

// The primary language identifier (the low byte of a Windows language identifier) of a locale's
// language: 7 German, 9 English, 12 French, 21 Polish, 4 Chinese, 25 Russian, 29 Swedish, ...;
// 0 for a language without one.
int PrimaryLanguageId(QLocale::Language language);

// 7 gives German, 12 French, 21 Polish, 4 Chinese, 25 Russian; anything else English.
LanguageNumber LanguageForPrimaryId(int primaryLanguageId);

// The language that fits the user's system language.
LanguageNumber DetectLanguage();

// Where DetectLanguage takes the system locale from (tests set their own; an empty function
// restores QLocale::system()).
void SetSystemLocaleSource(std::function<QLocale()> source);

// The integer at `section`/`key` of the settings file `fileName` in the program's
// application-data folder when it is an offered language, else DetectLanguage, else English.
LanguageNumber ReadLanguage(const QString& fileName, const QString& section, const QString& key);

} // namespace velmarsund
