#pragma once
// The canvas on a QPainter: screen, printer, PDF and pictures. The painter's transformation maps
// logical units to the device; PageTransform gives the isotropic mapping of the page.

#include "page_canvas.h"

#include <QTransform>

class QPainter;

namespace velmarsund {

// The logical page: A4 portrait in units of 0.1 mm.
constexpr int kPageWidth = 2100;
constexpr int kPageHeight = 2970;

// Pixels per logical unit when the page is mapped onto `width` x `height` device pixels: the
// width takes the page's 2100 units when the device is taller than the page's proportions, else
// the height takes its 2970, so that the page always fits. `zoom` scales the device extent first
// (the preview's zoom number over 350), and the mapped extent is rounded to whole pixels.
double PageScale(double width, double height, double zoom = 1.0);

class PainterCanvas : public PageCanvas {
public:
    explicit PainterCanvas(QPainter& painter);

    void Text(double x, double y, const QString& text) override;
    void ClippedText(const QRectF& clip, double x, double y, const QString& text) override;
    void RotatedText(double x, double y, double angle, const QString& text) override;
    void WrappedText(const QRectF& rect, const QString& text) override;
    void Line(const QPointF& from, const QPointF& to) override;
    void Polyline(const QPolygonF& points) override;
    void Rectangle(const QRectF& rect) override;
    void Ellipse(const QRectF& rect) override;
    void FillBackground() override;
    void Picture(int id, const QRectF& rect) override;

private:
    void ApplyPen();
    void ApplyBrush();
    // The left edge of a text placed at x by the current alignment.
    double TextLeft(double x, double width) const;

    QPainter& painter_;
};

} // namespace velmarsund
