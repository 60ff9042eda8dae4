#pragma once
// Finds the texts of a window that do not show in full: every visible label, button, check box,
// radio button, tab, line edit, combo-box item, list item, table item and result-table cell is
// measured with its own font (the program's fonts, with the fallbacks the script needs) against
// the rectangle the widget gives it. A text shortened with an ellipsis counts as cut.

#include <QString>

#include <vector>

class QWidget;

namespace velmarsund::testing {

struct CutText {
    QString where; // object name (or class) of the widget, with the item or cell
    QString text;
    int need = 0;  // pixels the text takes
    int room = 0;  // pixels it has
};

// The texts of `window` and its visible children that are cut, wider or taller than their room.
std::vector<CutText> CutTexts(const QWidget& window);

// One line per cut text, for a test's failure message.
std::string Describe(const std::vector<CutText>& cut);

} // namespace velmarsund::testing
