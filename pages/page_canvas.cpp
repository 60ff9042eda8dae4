#include "page_canvas.h"

#include <QFontMetricsF>

namespace velmarsund {

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
    font.setPixelSize(std::max(1, state_.fontHeight));
    font.setBold(state_.fontStyle == FontStyle::Bold);
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
