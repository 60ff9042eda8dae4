#include "description_pages.h"

#include "page_canvas.h"
#include "tender_text.h"
#include "text_table.h"

#include <array>

namespace velmarsund {
namespace {

constexpr TextId kProductDescription = 160;
constexpr TextId kControllerDescription = 663;
constexpr TextId kTitle = 70;
constexpr int kMostLines = 255;

// The reduced grid of the tender text: 34 and 42 shrunk by 1.08.
constexpr int kFontHeight = 31;
constexpr int kLargeFontHeight = 37;
constexpr int kLineHeight = 39;
constexpr double RowTop(int row) { return PageGrid::Top + kLineHeight * row; }

// The reference designation the leader lines of lines 44 to 49 point into, part by part.
constexpr std::array<const char*, 6> kBefore{"", "HXL - ", "HXL - E - ", "HXL - E - C19 - ",
                                             "HXL - E - C19 - 2000 / ", "HXL - E - C19 - 2000 / 1800 - "};
constexpr std::array<const char*, 6> kParts{"HXL", "E", "C19", "2000", "1800", "1720"};
constexpr double kExampleX = 1100;
constexpr double kLeaderTop = 2401; // just below the example designation

void Heading(PageCanvas& canvas, const DescriptionValues& values)
{
    PageFrameValues frame = values.frame;
    frame.printHeader = false;
    frame.showNotes = false;
    DrawPageTitle(canvas, frame);
    canvas.SetFontStyle(FontStyle::Bold);
    canvas.SetFontHeight(PageGrid::LargeFontHeight);
    canvas.SetTextAlign(TextAlign::Left);
}

QString LineOf(const DescriptionValues& values, int number)
{
    return number >= 1 && number <= static_cast<int>(values.lines.size())
               ? values.lines[static_cast<std::size_t>(number - 1)]
               : QString();
}

// The width of a text at a height and style, the canvas left as it was.
double WidthAt(PageCanvas& canvas, const QString& text, int height, FontStyle style)
{
    const CanvasState kept = canvas.State();
    canvas.SetFontHeight(height);
    canvas.SetFontStyle(style);
    const double width = canvas.TextWidth(text);
    canvas.SetFontHeight(kept.fontHeight);
    canvas.SetFontStyle(kept.fontStyle);
    return width;
}

} // namespace

QString ExampleDesignation(const QString& designation)
{
    const QString series = designation.left(3);
    if (series == QLatin1String("HXK")) return QStringLiteral("HXK - P - E16 - 2000 / 2000 - 1880");
    if (series == QLatin1String("HXG")) return QStringLiteral("HXG - P - E16 - 4000 / 3850 - 3610");
    if (series == QLatin1String("HXV")) return QStringLiteral("HXV - P - E16 - 2000 / 2000 - 1875");
    return QStringLiteral("HXL - P - E16 - 2000 / 1800 - 1720");
}

DescriptionValues ProductDescriptionValues(LanguageNumber language, int seriesIndex, const QString& designation,
                                           const QString& versionText)
{
    DescriptionValues v;
    v.frame.language = language;
    v.frame.versionText = versionText;
    v.lines = LoadTenderText(ProductDescriptionResource(language, seriesIndex));
    v.designation = designation;
    return v;
}

DescriptionValues ControllerDescriptionValues(LanguageNumber language, const QString& versionText)
{
    DescriptionValues v;
    v.frame.language = language;
    v.frame.versionText = versionText;
    v.lines = LoadTenderText(ControllerDescriptionResource(language));
    return v;
}

void DrawProductDescription(PageCanvas& canvas, const DescriptionValues& values)
{
    Heading(canvas, values);
    canvas.SetOpaqueText(true);
    canvas.Text(250, 604, LoadText(kProductDescription, values.frame.language));

    canvas.SetFontHeight(kLargeFontHeight);
    canvas.Text(250, RowTop(15), QStringLiteral("Velmarsund ") + LoadText(kTitle, values.frame.language));

    const int count = std::min(static_cast<int>(values.lines.size()), kMostLines);
    for (int i = 1; i <= count; ++i) {
        const bool bold = i == 1 || i == 4 || i == 6 || i == 18 || i == 29 || i == 42;
        canvas.SetFontStyle(bold ? FontStyle::Bold : FontStyle::Normal);
        canvas.SetFontHeight(i == 1 || i == 4 || i == 6 ? kLargeFontHeight : kFontHeight);
        const int row = i + 16;
        const double y = RowTop(row);
        if (i <= 30 || i >= 50)
            canvas.Text(250, y, LineOf(values, i));
        else if (i <= 35)
            canvas.Text(400, y, LineOf(values, i));
        else if (i <= 38)
            canvas.Text(400, y, LineOf(values, i + 3)); // the epoxy paragraph in the rows of 36 to 38
        else if (i >= 42)
            canvas.Text(400, y, LineOf(values, i));

        if (i == 42) canvas.Text(kExampleX, y, ExampleDesignation(values.designation));
        if (i >= 44 && i <= 49) {
            const std::size_t part = static_cast<std::size_t>(i - 44);
            const double c = WidthAt(canvas, QString::fromLatin1(kBefore[part]), kFontHeight, FontStyle::Bold) +
                             WidthAt(canvas, QString::fromLatin1(kParts[part]), kFontHeight, FontStyle::Bold) / 2;
            const double w = WidthAt(canvas, LineOf(values, i), kFontHeight, FontStyle::Normal);
            const double middle = y + 20; // half a row, 19.5 rounded
            canvas.MoveTo(410 + w, middle);
            canvas.LineTo(kExampleX + c, middle);
            canvas.LineTo(kExampleX + c, kLeaderTop);
        }
    }

    canvas.SetFontStyle(FontStyle::Bold);
    canvas.SetFontHeight(kFontHeight);
    canvas.Text(250, RowTop(47), QStringLiteral("P / E / N:"));
    canvas.Text(250, RowTop(52), QStringLiteral("K:"));
    canvas.SetFontStyle(FontStyle::Normal);
}

void DrawControllerDescription(PageCanvas& canvas, const DescriptionValues& values)
{
    Heading(canvas, values);
    canvas.Text(250, 604, LoadText(kControllerDescription, values.frame.language));
    const int count = std::min(static_cast<int>(values.lines.size()), kMostLines);
    for (int h = 1; h <= count; ++h) {
        const bool large = h == 1 || h == 2 || h == 4 || h == 6;
        canvas.SetFontStyle(large ? FontStyle::Bold : FontStyle::Normal);
        canvas.SetFontHeight(large ? kLargeFontHeight : kFontHeight);
        canvas.Text(250, RowTop(h + 15), LineOf(values, h));
    }
    canvas.SetFontStyle(FontStyle::Normal);
}

} // namespace velmarsund
