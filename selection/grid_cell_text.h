#pragma once
// How a result-table cell draws its text: numbers (and the heat-recovery classes) right-aligned,
// words left-aligned.

#include <QString>

namespace velmarsund {

struct GridCellText {
    QString text;       // what is drawn
    bool rightAligned;  // right edge 2 pixels inside the cell; else left edge 2 pixels inside
};

// A text beginning with "#", "+", "-" or a digit, and the texts "H1" to "H6", are drawn
// right-aligned; a leading "#" only forces that alignment and is not drawn. Every other text is
// drawn left-aligned.
GridCellText CellTextToDraw(const QString& cell);

} // namespace velmarsund
