#pragma once
// The product description of the selected housing series and the controller description: a
// stored tender text laid out on a reduced line grid under the page frame and title.

#include "page_frame.h"

#include <QString>

#include <vector>

namespace velmarsund {

class PageCanvas;

struct DescriptionValues {
    PageFrameValues frame;        // the language and version; never the header lines or notes
    std::vector<QString> lines;   // the tender text
    QString designation;          // the ModelDesignation: its series picks the example (product page)

    bool operator==(const DescriptionValues&) const = default;
};

// The values of the product description of a series, or of the controller description, in a
// language.
DescriptionValues ProductDescriptionValues(LanguageNumber language, int seriesIndex, const QString& designation,
                                           const QString& versionText);
DescriptionValues ControllerDescriptionValues(LanguageNumber language, const QString& versionText);

void DrawProductDescription(PageCanvas& canvas, const DescriptionValues& values);
void DrawControllerDescription(PageCanvas& canvas, const DescriptionValues& values);

// The example designation printed for the series that a ModelDesignation names (any but HXK, HXG
// and HXV counts as HXL).
QString ExampleDesignation(const QString& designation);

} // namespace velmarsund
