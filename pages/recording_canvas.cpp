#include "recording_canvas.h"

#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace velmarsund {
namespace {

template <typename T>
std::vector<T> OfKind(const std::vector<RecordedOperation>& operations)
{
    std::vector<T> found;
    for (const RecordedOperation& op : operations)
        if (const T* item = std::get_if<T>(&op)) found.push_back(*item);
    return found;
}

const char* AlignName(TextAlign align)
{
    switch (align) {
    case TextAlign::Right: return "right";
    case TextAlign::Centre: return "centre";
    default: return "left";
    }
}

const char* StyleName(FontStyle style)
{
    switch (style) {
    case FontStyle::Bold: return "bold";
    case FontStyle::Italic: return "italic";
    default: return "normal";
    }
}

} // namespace

RecordedText RecordingCanvas::Recorded(double x, double y, const QString& text) const
{
    RecordedText t;
    t.text = text;
    t.at = {x, y};
    t.align = state_.align;
    t.height = state_.fontHeight;
    t.style = state_.fontStyle;
    t.colour = state_.textColour;
    t.opaque = state_.opaqueText;
    return t;
}

void RecordingCanvas::Text(double x, double y, const QString& text) { operations_.push_back(Recorded(x, y, text)); }

void RecordingCanvas::ClippedText(const QRectF& clip, double x, double y, const QString& text)
{
    const double width = TextWidth(text);
    const double left = state_.align == TextAlign::Left ? x : state_.align == TextAlign::Right ? x - width
                                                                                               : x - width / 2;
    const QRectF box(left, y, width, state_.fontHeight);
    if (!box.intersects(clip)) return;
    RecordedText t = Recorded(x, y, text);
    t.clip = clip;
    operations_.push_back(t);
}

void RecordingCanvas::RotatedText(double x, double y, double angle, const QString& text)
{
    RecordedText t = Recorded(x, y, text);
    t.angle = angle;
    operations_.push_back(t);
}

void RecordingCanvas::WrappedText(const QRectF& rect, const QString& text)
{
    RecordedText t = Recorded(rect.left(), rect.top(), text);
    t.wrap = rect;
    operations_.push_back(t);
}

void RecordingCanvas::Line(const QPointF& from, const QPointF& to)
{
    operations_.push_back(RecordedLine{from, to, state_.penWidth, state_.penStyle, state_.penColour});
}

void RecordingCanvas::Polyline(const QPolygonF& points)
{
    operations_.push_back(RecordedPolyline{points, state_.penWidth, state_.penStyle, state_.penColour});
}

RecordedShape RecordingCanvas::Shape(RecordedShape::Kind kind, const QRectF& rect) const
{
    return {kind, rect, state_.penWidth, state_.penStyle, state_.penColour, state_.brushStyle, state_.brushColour};
}

void RecordingCanvas::Rectangle(const QRectF& rect) { operations_.push_back(Shape(RecordedShape::Kind::Rectangle, rect)); }

void RecordingCanvas::Ellipse(const QRectF& rect) { operations_.push_back(Shape(RecordedShape::Kind::Ellipse, rect)); }

void RecordingCanvas::FillBackground()
{
    RecordedShape background = Shape(RecordedShape::Kind::Background, QRectF(0, 0, 2100, 2970));
    background.brush = BrushStyle::Solid;
    background.brushColour = Qt::white;
    operations_.push_back(background);
}

void RecordingCanvas::Picture(int id, const QRectF& rect) { operations_.push_back(RecordedPicture{id, rect}); }

std::vector<RecordedText> RecordingCanvas::Texts() const { return OfKind<RecordedText>(operations_); }
std::vector<RecordedLine> RecordingCanvas::Lines() const { return OfKind<RecordedLine>(operations_); }
std::vector<RecordedPolyline> RecordingCanvas::Polylines() const { return OfKind<RecordedPolyline>(operations_); }
std::vector<RecordedShape> RecordingCanvas::Shapes() const { return OfKind<RecordedShape>(operations_); }
std::vector<RecordedPicture> RecordingCanvas::Pictures() const { return OfKind<RecordedPicture>(operations_); }

std::vector<RecordedText> RecordingCanvas::TextsEqualTo(const QString& text) const
{
    std::vector<RecordedText> found;
    for (const RecordedText& t : Texts())
        if (t.text == text) found.push_back(t);
    return found;
}

std::optional<RecordedText> RecordingCanvas::FindText(const QString& text) const
{
    for (const RecordedText& t : Texts())
        if (t.text == text) return t;
    return std::nullopt;
}

std::vector<RecordedText> RecordingCanvas::TextsAt(double y) const
{
    std::vector<RecordedText> found;
    for (const RecordedText& t : Texts())
        if (t.at.y() == y) found.push_back(t);
    return found;
}

void RecordingCanvas::PlayOn(PageCanvas& target, const QRectF& from, const QRectF& to) const
{
    const double kx = from.width() != 0 ? to.width() / from.width() : 1;
    const double ky = from.height() != 0 ? to.height() / from.height() : 1;
    const double k = (kx + ky) / 2;
    const auto point = [&](const QPointF& p) {
        return QPointF(to.left() + (p.x() - from.left()) * kx, to.top() + (p.y() - from.top()) * ky);
    };
    const auto rect = [&](const QRectF& r) { return QRectF(point(r.topLeft()), point(r.bottomRight())); };
    const CanvasState kept = target.State();
    for (const RecordedOperation& op : operations_) {
        if (const auto* t = std::get_if<RecordedText>(&op)) {
            target.SetFontHeight(std::max(1, static_cast<int>(std::lround(t->height * ky))));
            target.SetFontStyle(t->style);
            target.SetTextAlign(t->align);
            target.SetTextColour(t->colour);
            target.SetOpaqueText(t->opaque);
            const QPointF at = point(t->at);
            if (t->wrap)
                target.WrappedText(rect(*t->wrap), t->text);
            else if (t->clip)
                target.ClippedText(rect(*t->clip), at.x(), at.y(), t->text);
            else if (t->angle != 0)
                target.RotatedText(at.x(), at.y(), t->angle, t->text);
            else
                target.Text(at.x(), at.y(), t->text);
        } else if (const auto* l = std::get_if<RecordedLine>(&op)) {
            target.SetPen(l->width * k, l->style, l->colour);
            target.Line(point(l->from), point(l->to));
        } else if (const auto* pl = std::get_if<RecordedPolyline>(&op)) {
            target.SetPen(pl->width * k, pl->style, pl->colour);
            QPolygonF mapped;
            mapped.reserve(pl->points.size());
            for (const QPointF& p : pl->points) mapped << point(p);
            target.Polyline(mapped);
        } else if (const auto* sh = std::get_if<RecordedShape>(&op)) {
            target.SetPen(sh->penWidth * k, sh->penStyle, sh->penColour);
            target.SetBrush(sh->brush, sh->brushColour);
            if (sh->kind == RecordedShape::Kind::Ellipse)
                target.Ellipse(rect(sh->rect));
            else if (sh->kind == RecordedShape::Kind::Rectangle)
                target.Rectangle(rect(sh->rect));
        } else if (const auto* pic = std::get_if<RecordedPicture>(&op)) {
            target.Picture(pic->id, rect(pic->rect));
        }
    }
    target.SetFontHeight(kept.fontHeight);
    target.SetFontStyle(kept.fontStyle);
    target.SetTextAlign(kept.align);
    target.SetTextColour(kept.textColour);
    target.SetOpaqueText(kept.opaqueText);
    target.SetPen(kept.penWidth, kept.penStyle, kept.penColour);
    target.SetBrush(kept.brushStyle, kept.brushColour);
}

QString RecordingCanvas::Dump() const
{
    QString out;
    QTextStream s(&out);
    for (const RecordedOperation& op : operations_) {
        if (const auto* t = std::get_if<RecordedText>(&op)) {
            s << "text (" << t->at.x() << ", " << t->at.y() << ") " << AlignName(t->align) << ' ' << t->height << ' '
              << StyleName(t->style);
            if (t->clip) s << " clip " << t->clip->left() << ',' << t->clip->top() << '-' << t->clip->right() << ','
                           << t->clip->bottom();
            if (t->angle != 0) s << " angle " << t->angle;
            s << " \"" << t->text << "\"\n";
        } else if (const auto* l = std::get_if<RecordedLine>(&op)) {
            s << "line (" << l->from.x() << ", " << l->from.y() << ")-(" << l->to.x() << ", " << l->to.y() << ") pen "
              << l->width << (l->style == PenStyle::Dotted ? " dotted" : "") << '\n';
        } else if (const auto* p = std::get_if<RecordedPicture>(&op)) {
            s << "picture " << p->id << " (" << p->rect.left() << ", " << p->rect.top() << ")-(" << p->rect.right()
              << ", " << p->rect.bottom() << ")\n";
        } else if (const auto* r = std::get_if<RecordedShape>(&op)) {
            s << "shape " << int(r->kind) << " (" << r->rect.left() << ", " << r->rect.top() << ")-(" << r->rect.right()
              << ", " << r->rect.bottom() << ")\n";
        }
    }
    return out;
}

} // namespace velmarsund
