#pragma once
// The print font of the pages: a face with the metrics of Arial for Latin and Cyrillic text, and
// for Chinese a face whose characters map one to one to their code points, so that the text of a
// PDF stays searchable.

#include "language.h"

#include <QFont>

namespace velmarsund {

QFont PageFont(LanguageNumber language);

} // namespace velmarsund
