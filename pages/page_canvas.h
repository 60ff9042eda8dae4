#pragma once
// The canvas every page draws on. Coordinates are logical units; on a page one unit is 0.1 mm of
// the A4 sheet (2100 x 2970), y grows downwards and a text is placed by the top of its line. The
// canvas keeps the drawing state (font, alignment, pen, brush) like a device context; what draws
// is an implementation: a QPainter for the screen, the printer and PDF, or a recording for tests.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

namespace velmarsund {

enum class TextAlign { Left, Right, Centre };
enum class FontStyle { Normal, Bold, Italic };
enum class PenStyle { Solid, Dotted };
enum class BrushStyle { Clear, Solid };

// The drawing state the canvas operations use.
struct CanvasState {
    QFont font;               // the family; height and style below
    int fontHeight = 34;      // character height in logical units
    FontStyle fontStyle = FontStyle::Normal;
    TextAlign align = TextAlign::Left;
    QColor textColour = Qt::black;
    bool opaqueText = false;  // text drawn on a white box of its own size
    double penWidth = 0;      // 0: the thinnest line the device draws
    PenStyle penStyle = PenStyle::Solid;
    QColor penColour = Qt::black;
    BrushStyle brushStyle = BrushStyle::Clear;
    QColor brushColour = Qt::white;
    // The place of the page in its printed or exported list, for the footer; 0 of 0 when the page
    // is drawn on its own.
    int pageNumber = 0;
    int pageCount = 0;
};

class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    // The family of the text (the print font of the language); its size and style are ignored.
    void SetFont(const QFont& family) { state_.font = family; }
    void SetFontHeight(int height) { state_.fontHeight = height; }
    void SetFontStyle(FontStyle style) { state_.fontStyle = style; }
    void SetTextAlign(TextAlign align) { state_.align = align; }
    void SetTextColour(const QColor& colour) { state_.textColour = colour; }
    void SetOpaqueText(bool opaque) { state_.opaqueText = opaque; }
    void SetPen(double width, PenStyle style = PenStyle::Solid, const QColor& colour = Qt::black);
    void SetPenWidth(double width) { state_.penWidth = width; }
    void SetBrush(BrushStyle style, const QColor& colour = Qt::white);
    void SetPageNumber(int number, int count) {
        state_.pageNumber = number;
        state_.pageCount = count;
    }
    const CanvasState& State() const { return state_; }

    // The font the text operations draw with: the family at the current height and style.
    QFont CurrentFont() const;
    // The width of a text in the current font, logical units.
    virtual double TextWidth(const QString& text) const;

    // A text at (x, y): y is its top, x its left edge, right edge or centre by the alignment.
    virtual void Text(double x, double y, const QString& text) = 0;
    // The same, cut off at the edges of `clip`.
    virtual void ClippedText(const QRectF& clip, double x, double y, const QString& text) = 0;
    // Turned by `angle` degrees counter-clockwise about (x, y).
    virtual void RotatedText(double x, double y, double angle, const QString& text) = 0;
    // Broken into lines at blanks to fit the width of `rect`, from its top left; cut at its bottom.
    virtual void WrappedText(const QRectF& rect, const QString& text) = 0;

    void MoveTo(double x, double y) { position_ = {x, y}; }
    // A line from the current position, which then moves to (x, y).
    void LineTo(double x, double y);
    virtual void Line(const QPointF& from, const QPointF& to) = 0;
    // Lines through the points in turn.
    virtual void Polyline(const QPolygonF& points) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Rectangle(const QRectF& rect) = 0;
    virtual void Ellipse(const QRectF& rect) = 0;
    // The white of the whole page.
    virtual void FillBackground() = 0;
    // A picture of the program, by its number, stretched into `rect`.
    virtual void Picture(int id, const QRectF& rect) = 0;

protected:
    CanvasState state_;
    QPointF position_;
};

} // namespace velmarsund
