#pragma once
// Making a language current: text table, settings file, fonts, and every open window relabelled.

#include "language.h"

namespace velmarsund {

// Makes `language` current for LoadText, writes it to "Language" in "GLOBAL" of the settings file
// at once (a write error is ignored), adjusts the program fonts, and sends every open window a
// language change, on which it rebuilds its captions and checks the language's menu item.
void ApplyLanguage(LanguageNumber language);

} // namespace velmarsund
