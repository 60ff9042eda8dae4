#include "page_frame.h"

#include "organisation.h"
#include "page_font.h"
#include "text_table.h"

namespace velmarsund {
namespace {

using namespace PageGrid;

constexpr TextId kNotesText = 135;
constexpr TextId kTitleText = 70;

void Rule(PageCanvas& canvas, double y, double left = Left, double right = Right)
{
    canvas.MoveTo(left, y);
    canvas.LineTo(right, y);
}

QRectF Box(double left, double top, double right, double bottom) { return {QPointF(left, top), QPointF(right, bottom)}; }

void DrawAddressBlock(PageCanvas& canvas)
{
    const Organisation& o = MakerOrganisation();
    canvas.SetTextAlign(TextAlign::Centre);
    canvas.SetFontHeight(LargeFontHeight);
    canvas.Picture(o.logo, Box(285, 358, 441, 514));
    canvas.SetTextAlign(TextAlign::Left);
    canvas.SetFontHeight(FontHeight);
    canvas.SetFontStyle(FontStyle::Bold);
    canvas.Text(500, LineTop(6), o.name);
    canvas.SetFontStyle(FontStyle::Normal);
    for (int i = 0; i < 3; ++i) canvas.Text(500, LineTop(7 + i), o.address[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 3; ++i) {
        const ContactLine& c = o.contacts[static_cast<std::size_t>(i)];
        canvas.Text(1350, LineTop(6 + i), c.label);
        canvas.Text(1480, LineTop(6 + i), c.value);
    }
    canvas.Text(1350, LineTop(9), o.web.label);
    canvas.Text(1480, LineTop(9), o.web.value);
}

// The offer header lines: two lines in each of four boxes, each cut at its box.
void DrawHeaderLines(PageCanvas& canvas, const std::array<QString, 8>& header)
{
    struct HeaderBox {
        int left, right, upper, lower;
    };
    constexpr HeaderBox kBoxes[] = {{250, 480, 2, 4}, {500, 1460, 3, 5}, {1480, 1630, 0, 6}, {1650, 1950, 1, 7}};
    for (const HeaderBox& b : kBoxes) {
        const QRectF clip = Box(b.left, 142, b.right, 226);
        canvas.ClippedText(clip, b.left, 142, header[static_cast<std::size_t>(b.upper)]);
        canvas.ClippedText(clip, b.left, 184, header[static_cast<std::size_t>(b.lower)]);
    }
}

} // namespace

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
    canvas.Text(250, 2886, QStringLiteral("Version ") + frame.versionText);

    canvas.SetFontHeight(FontHeight);
    canvas.SetPenWidth(3);
    Rule(canvas, RuleY(3), Left, frame.printHeader ? Right : FrameRight);

    DrawAddressBlock(canvas);
    Rule(canvas, RuleY(5));

    if (frame.printHeader) {
        canvas.SetBrush(BrushStyle::Clear);
        Rule(canvas, 121, Left, FrameRight);
        DrawHeaderLines(canvas, frame.header);
    }

    Rule(canvas, RuleY(10));

    if (frame.showNotes) {
        canvas.SetBrush(BrushStyle::Clear);
        canvas.Text(250, 562, LoadText(kNotesText, frame.language) + QLatin1Char(':'));
        const QRectF clip = Box(500, 604, 1950, 730);
        for (std::size_t i = 0; i < frame.notes.size(); ++i)
            canvas.ClippedText(clip, 500, 604 + LineHeight * static_cast<double>(i), frame.notes[i]);
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

} // namespace velmarsund
