#include "page_canvas.h"

#include <QFontMetricsF>

#include <cmath>

namespace velmarsund {
namespace {

// The largest height of a Chinese bold text that is drawn a size larger (the page's normal text).
constexpr int kLargestSizedUp = 34;

} // namespace

void PageCanvas::SetPen(double width, PenStyle style, const QColor& colour)
{
    state_.penWidth = width;
    state_.penStyle = style;
    state_.penColour = colour;
}

void PageCanvas::SetBrush(BrushStyle style, const QColor& colour)
{
    state_.brushStyle = style;
    state_.brushColour = colour;
}

QFont PageCanvas::CurrentFont() const
{
    QFont font = state_.font;
    int height = state_.fontHeight;
    bool bold = state_.fontStyle == FontStyle::Bold;
    // The Chinese face has no bold: a bold made up from its regular letters smears them at the
    // preview's small sizes, so Chinese bold texts are drawn regular and, up to the page's normal
    // height, a size larger instead (the large headings are larger than their lines already).
    if (bold && font.families().contains(QStringLiteral("WenQuanYi Micro Hei"))) {
        bold = false;
        if (height <= kLargestSizedUp) height = static_cast<int>(std::lround(height * 1.1));
    }
    font.setPixelSize(std::max(1, height));
    font.setBold(bold);
    font.setItalic(state_.fontStyle == FontStyle::Italic);
    // Widths in logical units, the same on every device: no hinting to device pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double PageCanvas::TextWidth(const QString& text) const
{
    return QFontMetricsF(CurrentFont()).horizontalAdvance(text);
}

void PageCanvas::LineTo(double x, double y)
{
    const QPointF to(x, y);
    Line(position_, to);
    position_ = to;
}

} // namespace velmarsund
