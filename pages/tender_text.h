#pragma once
// The tender texts of the product and controller descriptions: stored resources by number, one
// per housing series and language (English for a language without texts of its own), kept as
// UTF-16 little-endian text with a byte-order mark and CR LF line ends.

#include "language.h"

#include <QString>

#include <string_view>
#include <vector>

namespace velmarsund {

// The resource of the product description of a series (0 HXL, 1 HXG, 2 HXV, 3 HXK).
int ProductDescriptionResource(LanguageNumber language, int seriesIndex);
// The resource of the controller description.
int ControllerDescriptionResource(LanguageNumber language);

// The lines of a stored tender text, in Unicode; what a missing or damaged resource gives is the
// lines read so far, normally none.
std::vector<QString> LoadTenderText(int resource);

// The lines of UTF-16 little-endian bytes (a byte-order mark is skipped; CR LF or LF end a line;
// an odd last byte is dropped).
std::vector<QString> TenderTextLines(std::string_view bytes);

} // namespace velmarsund
