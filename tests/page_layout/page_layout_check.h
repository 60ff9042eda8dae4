#pragma once
// Finds what a reader of a printed page could not read: texts over texts, texts over the
// pictures (logo, quality mark, drawings), texts cut at their cell, texts beyond the text edge of
// the frame and texts on one line that touch. Every text is measured with the print font of the
// page's language at its own height and style, as the preview, the printer and the PDF draw it.

#include "language.h"
#include "recording_canvas.h"

#include <QRectF>
#include <QString>

#include <string>
#include <vector>

namespace velmarsund::testing {

struct LayoutFault {
    QString what;
};

// The box a recorded text covers on the page: across its advance without the blanks that pad it,
// up and down as far as its letters reach; for a wrapped text the lines it takes; a turned text by
// its turned box.
QRectF TextBox(const RecordedText& text, LanguageNumber language);

// The faults of a page drawn on `page`.
std::vector<LayoutFault> LayoutFaults(const RecordingCanvas& page, LanguageNumber language);

std::string Describe(const std::vector<LayoutFault>& faults);

} // namespace velmarsund::testing
