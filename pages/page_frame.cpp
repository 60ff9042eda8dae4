#include "page_frame.h"

#include "organisation.h"
#include "page_font.h"
#include "text_table.h"

#include <QDate>

#include <algorithm>

namespace velmarsund {
namespace {

using namespace PageGrid;

constexpr TextId kNotesText = 135;
constexpr TextId kTitleText = 70;
constexpr TextId kVersionText = 655;
constexpr TextId kPageOfText = 389;
// The labels of the maker's phone, fax, e-mail and web lines and its country, in the page's
// language.
constexpr TextId kContactLabels[] = {656, 657, 658};
constexpr TextId kWebLabel = 659;
constexpr TextId kCountry = 660;

void Rule(PageCanvas& canvas, double y, double left = Left, double right = Right)
{
    canvas.MoveTo(left, y);
    canvas.LineTo(right, y);
}

QRectF Box(double left, double top, double right, double bottom) { return {QPointF(left, top), QPointF(right, bottom)}; }

void DrawAddressBlock(PageCanvas& canvas, LanguageNumber language) {
    const Organisation& o = MakerOrganisation();
    canvas.SetTextAlign(TextAlign::Centre);
    canvas.SetFontHeight(LargeFontHeight);
    canvas.Picture(o.logo, Box(285, 358, 441, 514));
    canvas.SetTextAlign(TextAlign::Left);
    canvas.SetFontHeight(FontHeight);
    canvas.SetFontStyle(FontStyle::Bold);
    canvas.Text(500, LineTop(6), o.name);
    canvas.SetFontStyle(FontStyle::Normal);
    // The maker's own labels and country are written in the page's language.
    const bool maker = &o == &MakerOrganisation();
    const auto translated = [&](const QString& text, TextId id) {
        const QString own = LoadText(id, language);
        return maker && !own.isEmpty() ? own : text;
    };
    for (int i = 0; i < 3; ++i) {
        const QString& line = o.address[static_cast<std::size_t>(i)];
        canvas.Text(500, LineTop(7 + i), i == 2 ? translated(line, kCountry) : line);
    }
    QString labels[4];
    for (int i = 0; i < 3; ++i)
        labels[i] = translated(o.contacts[static_cast<std::size_t>(i)].label, kContactLabels[i]);
    labels[3] = translated(o.web.label, kWebLabel);
    // The values stand at 1480 unless a label of the language needs more room.
    double values = 1480;
    for (const QString& label : labels)
        values = std::max(values, 1350 + canvas.TextWidth(label) + 20);
    for (int i = 0; i < 4; ++i) {
        const QString& value = i < 3 ? o.contacts[static_cast<std::size_t>(i)].value : o.web.value;
        canvas.Text(1350, LineTop(6 + i), labels[i]);
        canvas.Text(values, LineTop(6 + i), value);
    }
}

// The offer header lines: two lines in each of four boxes. The label boxes (1 and 3) grow to the
// widest label of the language and the date and position box (4) to its longer value, within
// bounds that leave the project the larger part of the line; what still does not fit its box is
// shortened at a word end.
void DrawHeaderLines(PageCanvas& canvas, const std::array<QString, 8>& header)
{
    const auto widest = [&](std::size_t a, std::size_t b) {
        return std::max(canvas.TextWidth(header[a]), canvas.TextWidth(header[b]));
    };
    constexpr double kGap = 20;
    const double right1 = std::clamp(Left + widest(2, 4), 480.0, 560.0);
    const double left4 = std::clamp(Right - widest(1, 7), 1500.0, 1650.0);
    const double left3 = std::clamp(left4 - kGap - widest(0, 6), 1330.0, 1480.0);
    struct HeaderBox {
        double left, right;
        std::size_t upper, lower;
    };
    const HeaderBox boxes[] = {{Left, right1, 2, 4},
                               {right1 + kGap, left3 - kGap, 3, 5},
                               {left3, left4 - kGap, 0, 6},
                               {left4, Right, 1, 7}};
    for (const HeaderBox& b : boxes) {
        const QRectF clip = Box(b.left, 142, b.right, 226);
        canvas.ClippedText(clip, b.left, 142, FittedText(canvas, header[b.upper], b.right - b.left));
        canvas.ClippedText(clip, b.left, 184, FittedText(canvas, header[b.lower], b.right - b.left));
    }
}

} // namespace

QString CalculationDate() { return QDate::currentDate().toString(Qt::ISODate); }

void DrawPageFrame(PageCanvas& canvas, const PageFrameValues& frame)
{
    canvas.FillBackground();
    canvas.SetOpaqueText(false);
    canvas.SetFont(PageFont(frame.language));
    canvas.SetTextAlign(TextAlign::Left);
    canvas.SetFontStyle(FontStyle::Normal);
    canvas.SetPen(0);
    canvas.SetFontHeight(SmallFontHeight);

    // Footer
    Rule(canvas, 2872, 250, 550);
    QString version = LoadText(kVersionText, frame.language);
    if (version.isEmpty())
        version = LoadText(kVersionText, Language::English); // a language without its texts
    canvas.Text(250, 2886, version + QLatin1Char(' ') + frame.versionText);
    // "Page x of y" at the right end of the footer, on every page of a printed or exported list,
    // and the date of the calculation before it.
    double dateRight = Right;
    if (canvas.State().pageCount > 0) {
        QString page = LoadText(kPageOfText, frame.language);
        if (page.isEmpty()) page = LoadText(kPageOfText, Language::English);
        page.replace(page.indexOf(QLatin1String("%d")), 2, QString::number(canvas.State().pageNumber));
        page.replace(page.indexOf(QLatin1String("%d")), 2, QString::number(canvas.State().pageCount));
        canvas.SetTextAlign(TextAlign::Right);
        canvas.Text(Right, 2886, page);
        canvas.SetTextAlign(TextAlign::Left);
        dateRight = Right - canvas.TextWidth(page) - 40;
    }
    if (!frame.calculationDate.isEmpty()) {
        canvas.SetTextAlign(TextAlign::Right);
        canvas.Text(dateRight, 2886, frame.calculationDate);
        canvas.SetTextAlign(TextAlign::Left);
    }

    canvas.SetFontHeight(FontHeight);
    canvas.SetPenWidth(3);
    Rule(canvas, RuleY(3), Left, frame.printHeader ? Right : FrameRight);

    DrawAddressBlock(canvas, frame.language);
    Rule(canvas, RuleY(5));

    if (frame.printHeader) {
        canvas.SetBrush(BrushStyle::Clear);
        Rule(canvas, 121, Left, FrameRight);
        DrawHeaderLines(canvas, frame.header);
    }

    Rule(canvas, RuleY(10));

    if (frame.showNotes) {
        canvas.SetBrush(BrushStyle::Clear);
        canvas.Text(250, 562, LoadText(kNotesText, frame.language) + LabelColon(frame.language));
        const QRectF clip = Box(500, 604, 1950, 730);
        for (std::size_t i = 0; i < frame.notes.size(); ++i)
            canvas.ClippedText(clip, 500, 604 + LineHeight * static_cast<double>(i),
                               FittedText(canvas, frame.notes[i], clip.width()));
        Rule(canvas, RuleY(15));
    }

    Rule(canvas, Bottom - LineHeight, Left, FrameRight);
    canvas.MoveTo(FrameRight, frame.printHeader ? 151 : 277);
    canvas.LineTo(FrameRight, 2798);
}

void DrawPageTitle(PageCanvas& canvas, const PageFrameValues& frame)
{
    DrawPageFrame(canvas, frame);
    canvas.SetFontStyle(FontStyle::Bold);
    canvas.SetTextAlign(TextAlign::Centre);
    canvas.SetFontHeight(LargeFontHeight);
    canvas.Text((Left + Right) / 2, LineTop(4), QStringLiteral("Velmarsund ") + LoadText(kTitleText, frame.language));
    canvas.SetFontStyle(FontStyle::Normal);
    canvas.SetFontHeight(FontHeight);
    canvas.SetTextAlign(TextAlign::Left);
}

QString LabelColon(LanguageNumber language) {
    return language == Language::French ? QStringLiteral("\u00a0:") : QStringLiteral(":");
}

QString FittedText(const PageCanvas& canvas, const QString& text, double width) {
    if (canvas.TextWidth(text) <= width) return text;
    const QString ellipsis(QChar(0x2026));
    // The longest start that fits with the ellipsis, then back to the end of its last whole word.
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (canvas.TextWidth(text.left(mid) + ellipsis) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    qsizetype end = low;
    if (end < text.size() && !text[end].isSpace()) {
        qsizetype blank = end;
        while (blank > 0 && !text[blank - 1].isSpace())
            --blank;
        if (blank > 0) end = blank; // a single word longer than the room is cut where it must be
    }
    while (end > 0 && (text[end - 1].isSpace() || text[end - 1] == QLatin1Char(',') ||
                       text[end - 1] == QLatin1Char(';')))
        --end;
    return text.left(end) + ellipsis;
}

} // namespace velmarsund
