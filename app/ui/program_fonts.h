#pragma once
// The two program fonts: the window font ("Tahoma", 11 pixels) and the print font of the pages
// (PageFont: the metrics of "Arial", 8 points), each with the families that carry the script of
// the current language. Where the named window font is missing, a face of about its width.

#include "language.h"

#include <QFont>

namespace velmarsund {

QFont WindowFont();
QFont PrintFont();

// Adjusts both fonts to `language` and makes the window font the one of every window, menu and
// hint.
void ApplyLanguageFonts(LanguageNumber language);

} // namespace velmarsund
