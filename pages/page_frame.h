#pragma once
// The frame every page draws first: footer with the version, rules, the address block of the
// maker, optionally the offer header lines in four boxes and the notes, and the page title.

#include "page_text_limits.h"
#include "language.h"
#include "page_canvas.h"

#include <QString>

#include <array>
#include <vector>

namespace velmarsund {

namespace PageGrid {
constexpr int Left = 250;          // left edge of text and rules
constexpr int Top = 100;           // top of text line 0
constexpr int Right = 1950;        // right edge of text and rules
constexpr int Bottom = 2870;       // bottom reference of the footer
constexpr int FontHeight = 34;     // normal text height
constexpr int LineHeight = 42;     // distance between text lines
constexpr int SmallFontHeight = 28; // 34 / 1.2 rounded
constexpr int LargeFontHeight = 41; // 34 x 1.2 rounded
constexpr int FrameRight = 1980;   // the vertical frame rule

// Top of text line n.
constexpr int LineTop(int n) { return Top + LineHeight * n; }
// A rule at line n runs through the middle of the line.
constexpr int RuleY(int n) { return LineTop(n) + LineHeight / 2; }
} // namespace PageGrid

// What the frame prints besides its fixed parts.

struct PageFrameValues {
    LanguageNumber language = Language::English; // the print font and the texts of the title
    QString versionText;                         // the short version text, e.g. "10/17"
    QString calculationDate;                     // the day of the calculation, e.g. "2026-12-11"; none when empty
    bool printHeader = false;                    // the offer header lines
    std::array<QString, 8> header;               // the offer header lines by index
    std::vector<QString> notes;                  // the notes list; at most three lines show
    bool showNotes = false;

    bool operator==(const PageFrameValues&) const = default;
};

// The date of a calculation made today, as the footer prints it (year-month-day, the same in every
// language).
QString CalculationDate();

// A label's colon in `language`: French sets it off by a no-break space.
QString LabelColon(LanguageNumber language);

// `text` whole when it fits `width` in the canvas's current font, else shortened at the end of a
// word (inside a word only when its first word alone is wider) and ended with "…".
QString FittedText(const PageCanvas& canvas, const QString& text, double width);

void DrawPageFrame(PageCanvas& canvas, const PageFrameValues& frame);

// The frame, then the title "Velmarsund Regenerative Rotating Heat Exchanger"; leaves the canvas
// at the normal height and style, left-aligned.
void DrawPageTitle(PageCanvas& canvas, const PageFrameValues& frame);

} // namespace velmarsund
