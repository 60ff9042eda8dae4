#include "painter_canvas.h"

#include "page_pictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace velmarsund {

double PageScale(double width, double height, double zoom)
{
    const bool widthDecides = height > width / kPageWidth * kPageHeight;
    const double extent = widthDecides ? kPageWidth : kPageHeight;
    const double pixels = std::round(zoom * (widthDecides ? width : height));
    return pixels / extent;
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter)
{
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
}

void PainterCanvas::ApplyPen()
{
    QPen pen(state_.penColour);
    pen.setCapStyle(Qt::FlatCap);
    if (state_.penWidth <= 0) {
        pen.setWidth(0); // cosmetic: one device pixel on every device
        if (state_.penStyle == PenStyle::Dotted) {
            // A cosmetic pen's pattern counts device pixels: dots of 0.2 mm with 0.4 mm gaps on
            // paper, at least one pixel on and two off on the screen.
            const double scale = std::hypot(painter_.worldTransform().m11(), painter_.worldTransform().m12());
            pen.setDashPattern({std::max(1.0, 2 * scale), std::max(2.0, 4 * scale)});
        }
    } else {
        pen.setWidthF(state_.penWidth);
        if (state_.penStyle == PenStyle::Dotted) pen.setStyle(Qt::DotLine);
    }
    painter_.setPen(pen);
}

void PainterCanvas::ApplyBrush()
{
    painter_.setBrush(state_.brushStyle == BrushStyle::Solid ? QBrush(state_.brushColour) : QBrush(Qt::NoBrush));
}

double PainterCanvas::TextLeft(double x, double width) const
{
    switch (state_.align) {
    case TextAlign::Right: return x - width;
    case TextAlign::Centre: return x - width / 2;
    default: return x;
    }
}

void PainterCanvas::Text(double x, double y, const QString& text)
{
    if (text.isEmpty()) return;
    const QFont font = CurrentFont();
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const double left = TextLeft(x, width);
    if (state_.opaqueText) painter_.fillRect(QRectF(left, y, width, metrics.height()), Qt::white);
    painter_.setFont(font);
    painter_.setPen(state_.textColour);
    painter_.drawText(QPointF(left, y + metrics.ascent()), text);
}

void PainterCanvas::ClippedText(const QRectF& clip, double x, double y, const QString& text)
{
    painter_.save();
    painter_.setClipRect(clip, Qt::IntersectClip);
    Text(x, y, text);
    painter_.restore();
}

void PainterCanvas::RotatedText(double x, double y, double angle, const QString& text)
{
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-angle);
    Text(0, 0, text);
    painter_.restore();
}

void PainterCanvas::WrappedText(const QRectF& rect, const QString& text)
{
    painter_.save();
    painter_.setClipRect(rect, Qt::IntersectClip);
    painter_.setFont(CurrentFont());
    painter_.setPen(state_.textColour);
    painter_.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter_.restore();
}

void PainterCanvas::Line(const QPointF& from, const QPointF& to)
{
    ApplyPen();
    painter_.drawLine(from, to);
}

void PainterCanvas::Polyline(const QPolygonF& points)
{
    ApplyPen();
    painter_.drawPolyline(points);
}

void PainterCanvas::Rectangle(const QRectF& rect)
{
    ApplyPen();
    ApplyBrush();
    painter_.drawRect(rect);
}

void PainterCanvas::Ellipse(const QRectF& rect)
{
    ApplyPen();
    ApplyBrush();
    painter_.drawEllipse(rect);
}

void PainterCanvas::FillBackground() { painter_.fillRect(QRectF(0, 0, kPageWidth, kPageHeight), Qt::white); }

void PainterCanvas::Picture(int id, const QRectF& rect)
{
    if (QSvgRenderer* renderer = PagePictureRenderer(id)) renderer->render(&painter_, rect);
}

} // namespace velmarsund
