#include "page_layout_check.h"

#include "page_font.h"
#include "page_frame.h"

#include <QFontMetricsF>
#include <QTransform>

#include <cmath>

namespace velmarsund::testing {
namespace {

// Two texts on one line are this far apart at least (0.8 mm).
constexpr double kLineGap = 8;
// Rounding of the drawing: a box may pass another or an edge by this much.
constexpr double kTolerance = 0.5;

QFont FontOf(const RecordedText& text, LanguageNumber language)
{
    RecordingCanvas measure;
    measure.SetFont(PageFont(language));
    measure.SetFontHeight(text.height);
    measure.SetFontStyle(text.style);
    return measure.CurrentFont();
}

double NaturalWidth(const RecordedText& text, LanguageNumber language)
{
    return QFontMetricsF(FontOf(text, language)).horizontalAdvance(text.text);
}

QString Where(const RecordedText& t)
{
    return QStringLiteral("\"%1\" at (%2, %3)").arg(t.text).arg(t.at.x()).arg(t.at.y());
}

bool Overlap(const QRectF& a, const QRectF& b)
{
    const QRectF common = a.intersected(b);
    return common.width() > kTolerance && common.height() > kTolerance;
}

bool Blank(const QString& text) { return text.trimmed().isEmpty(); }

// The outline of a text turned about its point, for texts whose bounding boxes meet.
QPolygonF Outline(const RecordedText& t, LanguageNumber language) {
    RecordedText straight = t;
    straight.angle = 0;
    straight.at = {0, 0};
    straight.clip.reset();
    const QRectF box = TextBox(straight, language);
    return QTransform().translate(t.at.x(), t.at.y()).rotate(-t.angle).map(QPolygonF(box));
}

// Whether two texts whose bounding boxes meet overlap: a turned text by its outline.
bool TurnedOverlap(const RecordedText& a, const RecordedText& b, LanguageNumber language) {
    if (a.angle == 0 && b.angle == 0) return true;
    const QPolygonF common = Outline(a, language).intersected(Outline(b, language));
    return QRectF(common.boundingRect()).width() > kTolerance && common.boundingRect().height() > kTolerance;
}

} // namespace

QRectF TextBox(const RecordedText& t, LanguageNumber language)
{
    const QFontMetricsF metrics(FontOf(t, language));
    if (t.wrap) {
        const QRectF used = metrics.boundingRect(*t.wrap, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, t.text);
        return QRectF(t.wrap->topLeft(), QSizeF(std::min(used.width(), t.wrap->width()), used.height()));
    }
    const double width = metrics.horizontalAdvance(t.text);
    const double left = t.align == TextAlign::Left ? 0 : t.align == TextAlign::Right ? -width : -width / 2;
    // Blanks that pad a text show nothing: the box is that of its visible part.
    qsizetype first = 0;
    while (first < t.text.size() && t.text[first].isSpace()) ++first;
    qsizetype last = t.text.size();
    while (last > first && t.text[last - 1].isSpace()) --last;
    const double lead = metrics.horizontalAdvance(t.text.left(first));
    const double trail = metrics.horizontalAdvance(t.text.mid(last));
    // Upwards and downwards as far as the ink of its letters reaches (accents included).
    const QRectF ink = metrics.tightBoundingRect(t.text.mid(first, last - first));
    QRectF box(left + lead, metrics.ascent() + ink.top(), width - lead - trail, ink.height());
    if (t.angle != 0) box = QTransform().rotate(-t.angle).mapRect(box);
    box.translate(t.at);
    if (t.clip) box = box.intersected(*t.clip);
    return box;
}

std::vector<LayoutFault> LayoutFaults(const RecordingCanvas& page, LanguageNumber language)
{
    std::vector<LayoutFault> faults;
    const auto fault = [&](const QString& what) { faults.push_back({what}); };

    std::vector<RecordedText> texts;
    for (const RecordedText& t : page.Texts())
        if (!Blank(t.text)) texts.push_back(t);
    std::vector<QRectF> boxes;
    for (const RecordedText& t : texts) boxes.push_back(TextBox(t, language));

    for (std::size_t i = 0; i < texts.size(); ++i) {
        const RecordedText& t = texts[i];
        const QRectF& box = boxes[i];
        if (box.left() < PageGrid::Left - kTolerance || box.right() > PageGrid::Right + kTolerance)
            fault(QStringLiteral("beyond the text edge (%1 to %2): %3").arg(box.left()).arg(box.right()).arg(Where(t)));
        if (t.clip) {
            const double width = NaturalWidth(t, language);
            const double left = t.align == TextAlign::Left ? t.at.x() : t.align == TextAlign::Right ? t.at.x() - width
                                                                                               : t.at.x() - width / 2;
            if (left < t.clip->left() - kTolerance || left + width > t.clip->right() + kTolerance)
                fault(QStringLiteral("cut at its box (needs %1, has %2): %3")
                          .arg(std::lround(width))
                          .arg(std::lround(t.clip->width()))
                          .arg(Where(t)));
        }
        if (t.wrap && box.height() > t.wrap->height() + kTolerance)
            fault(QStringLiteral("wraps beyond its box: %1").arg(Where(t)));
        for (const RecordedPicture& p : page.Pictures())
            if (Overlap(box, p.rect)) fault(QStringLiteral("over picture %1: %2").arg(p.id).arg(Where(t)));
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const RecordedText& u = texts[j];
            const QRectF& other = boxes[j];
            if (Overlap(box, other) && TurnedOverlap(t, u, language)) {
                fault(QStringLiteral("over each other: %1 and %2").arg(Where(t), Where(u)));
            } else if (t.angle == 0 && u.angle == 0 && !t.wrap && !u.wrap &&
                       std::abs(t.at.y() - u.at.y()) < 1 && t.height == u.height) {
                const double gap = std::max(other.left() - box.right(), box.left() - other.right());
                if (gap < kLineGap)
                    fault(QStringLiteral("touching on one line (gap %1): %2 and %3").arg(gap, 0, 'f', 1).arg(Where(t), Where(u)));
            }
        }
    }
    return faults;
}

std::string Describe(const std::vector<LayoutFault>& faults)
{
    std::string out;
    for (const LayoutFault& f : faults) out += "  " + f.what.toStdString() + '\n';
    return out;
}

} // namespace velmarsund::testing
