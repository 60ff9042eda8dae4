#pragma once
// A canvas that draws nothing and keeps what was drawn, in order, with the state each operation
// used: tests assert texts, positions, fonts, rules and pictures of a page through it.

#include "page_canvas.h"

#include <optional>
#include <variant>
#include <vector>

namespace velmarsund {

struct RecordedText {
    QString text;
    QPointF at;
    TextAlign align = TextAlign::Left;
    int height = 0;
    FontStyle style = FontStyle::Normal;
    QColor colour;
    bool opaque = false;
    std::optional<QRectF> clip; // ClippedText
    double angle = 0;           // RotatedText
    std::optional<QRectF> wrap; // WrappedText: the rectangle

    bool operator==(const RecordedText&) const = default;
};

struct RecordedLine {
    QPointF from;
    QPointF to;
    double width = 0;
    PenStyle style = PenStyle::Solid;
    QColor colour;

    bool operator==(const RecordedLine&) const = default;
};

struct RecordedPolyline {
    QPolygonF points;
    double width = 0;
    PenStyle style = PenStyle::Solid;
    QColor colour;

    bool operator==(const RecordedPolyline&) const = default;
};

struct RecordedShape {
    enum class Kind { Rectangle, Ellipse, Background };
    Kind kind = Kind::Rectangle;
    QRectF rect;
    double penWidth = 0;
    PenStyle penStyle = PenStyle::Solid;
    QColor penColour;
    BrushStyle brush = BrushStyle::Clear;
    QColor brushColour;

    bool operator==(const RecordedShape&) const = default;
};

struct RecordedPicture {
    int id = 0;
    QRectF rect;

    bool operator==(const RecordedPicture&) const = default;
};

using RecordedOperation = std::variant<RecordedText, RecordedLine, RecordedPolyline, RecordedShape, RecordedPicture>;

class RecordingCanvas : public PageCanvas {
public:
    void Text(double x, double y, const QString& text) override;
    // A text wholly outside its clip box draws nothing and is not kept.
    void ClippedText(const QRectF& clip, double x, double y, const QString& text) override;
    void RotatedText(double x, double y, double angle, const QString& text) override;
    void WrappedText(const QRectF& rect, const QString& text) override;
    void Line(const QPointF& from, const QPointF& to) override;
    void Polyline(const QPolygonF& points) override;
    void Rectangle(const QRectF& rect) override;
    void Ellipse(const QRectF& rect) override;
    void FillBackground() override;
    void Picture(int id, const QRectF& rect) override;

    const std::vector<RecordedOperation>& Operations() const { return operations_; }
    void Clear() { operations_.clear(); }

    // Draws what was recorded on another canvas, `from` (this canvas's coordinates) stretched onto
    // `to`: positions, text heights and pen widths scale with it. The target's font family is kept.
    void PlayOn(PageCanvas& target, const QRectF& from, const QRectF& to) const;

    std::vector<RecordedText> Texts() const;
    std::vector<RecordedLine> Lines() const;
    std::vector<RecordedPolyline> Polylines() const;
    std::vector<RecordedShape> Shapes() const;
    std::vector<RecordedPicture> Pictures() const;
    // The texts equal to `text`, in drawing order.
    std::vector<RecordedText> TextsEqualTo(const QString& text) const;
    // The first text equal to `text`; nullopt when none was drawn.
    std::optional<RecordedText> FindText(const QString& text) const;
    // The texts whose top is at `y`, in drawing order.
    std::vector<RecordedText> TextsAt(double y) const;

    // One line per operation, for a test's failure message.
    QString Dump() const;

private:
    RecordedText Recorded(double x, double y, const QString& text) const;
    RecordedShape Shape(RecordedShape::Kind kind, const QRectF& rect) const;

    std::vector<RecordedOperation> operations_;
};

} // namespace velmarsund
