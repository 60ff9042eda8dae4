// The product and controller description pages through the recording canvas, and the tender
// texts they print: every language and series has the lines the layout shows, none too wide.

#include "data_sheet_page.h"
#include "description_pages.h"
#include "page_font.h"
#include "recording_canvas.h"
#include "tender_text.h"
#include "text_table.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>

namespace velmarsund {
namespace {

constexpr LanguageNumber kOffered[] = {Language::German, Language::English, Language::French,
                                       Language::Polish, Language::Chinese, Language::Russian};

// A text whose line i reads "line i".
DescriptionValues Numbered(int count, const QString& designation = QStringLiteral("HXL-E-E20-2000/2000-1920"))
{
    DescriptionValues v;
    v.frame.versionText = QStringLiteral("10/17");
    v.designation = designation;
    for (int i = 1; i <= count; ++i) v.lines.push_back(QStringLiteral("line %1").arg(i));
    return v;
}

double RowTop(int row) { return 100 + 39 * row; }

TEST(TenderText, ResourceNumbersByLanguageAndSeries)
{
    EXPECT_EQ(ProductDescriptionResource(Language::English, 2), 1227); // HXV
    EXPECT_EQ(ProductDescriptionResource(Language::German, 0), 1221);
    EXPECT_EQ(ProductDescriptionResource(Language::German, 3), 1224);
    EXPECT_EQ(ProductDescriptionResource(Language::French, 3), 1232);
    EXPECT_EQ(ProductDescriptionResource(Language::Polish, 0), 1237);
    EXPECT_EQ(ProductDescriptionResource(Language::Chinese, 0), 1233);
    EXPECT_EQ(ProductDescriptionResource(Language::Russian, 3), 1244);
    EXPECT_EQ(ProductDescriptionResource(Language::Czech, 0), 1252);
    EXPECT_EQ(ControllerDescriptionResource(Language::Russian), 1250);
    EXPECT_EQ(ControllerDescriptionResource(Language::Czech), 1251);
    // A language without texts of its own takes the English ones.
    EXPECT_EQ(ProductDescriptionResource(Language::Spanish, 0), 1225);
    EXPECT_EQ(ProductDescriptionResource(99, 3), 1228);
    EXPECT_EQ(ControllerDescriptionResource(Language::Spanish), 1246);
}

TEST(TenderText, LinesOfUtf16LittleEndianWithCrLf)
{
    const auto utf16 = [](const std::u16string& text, bool bom) {
        std::string bytes = bom ? std::string("\xFF\xFE", 2) : std::string();
        for (char16_t c : text) {
            bytes.push_back(static_cast<char>(c & 0xFF));
            bytes.push_back(static_cast<char>(c >> 8));
        }
        return bytes;
    };
    EXPECT_EQ(TenderTextLines(utf16(u"MODEL HXL\r\n\r\nСекция 送风\r\n", true)),
              (std::vector<QString>{QStringLiteral("MODEL HXL"), QString(), QStringLiteral("Секция 送风")}));
    EXPECT_EQ(TenderTextLines(utf16(u"a\nb", false)), (std::vector<QString>{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(TenderTextLines(utf16(u"ab", true) + "x"), std::vector<QString>{QStringLiteral("ab")}); // odd byte
    EXPECT_TRUE(TenderTextLines({}).empty());
    EXPECT_TRUE(LoadTenderText(1252).empty()); // Czech is never offered: no resource
}

TEST(ProductDescription, LayoutOfTheLines)
{
    RecordingCanvas c;
    DrawProductDescription(c, Numbered(52, QStringLiteral("HXV-P-E16-2000/2000-1875")));
    const auto at = [&](int line) { return c.FindText(QStringLiteral("line %1").arg(line)); };
    // Heading, title line of the reduced grid and the labels.
    const auto heading = c.FindText(QStringLiteral("Product description"));
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->at, QPointF(250, 604));
    EXPECT_EQ(heading->height, 41);
    EXPECT_TRUE(heading->opaque);
    const auto title = c.TextsEqualTo(QStringLiteral("Velmarsund Regenerative Rotating Heat Exchanger"));
    ASSERT_EQ(title.size(), 2u);
    EXPECT_EQ(title[1].at, QPointF(250, 685));
    EXPECT_EQ(title[1].height, 37);
    EXPECT_EQ(c.FindText(QStringLiteral("P / E / N:"))->at, QPointF(250, 1933));
    EXPECT_EQ(c.FindText(QStringLiteral("K:"))->at, QPointF(250, 2128));

    // Line 1 bold and large in row 17; the feature lines normal at the margin.
    EXPECT_EQ(at(1)->at, QPointF(250, RowTop(17)));
    EXPECT_EQ(at(1)->height, 37);
    EXPECT_EQ(at(1)->style, FontStyle::Bold);
    EXPECT_EQ(at(8)->height, 31);
    EXPECT_EQ(at(8)->style, FontStyle::Normal);
    EXPECT_EQ(at(18)->style, FontStyle::Bold);
    EXPECT_EQ(at(29)->style, FontStyle::Bold);
    EXPECT_EQ(at(30)->at.x(), 250);
    // The P / E / N paragraph indented beside its label, 36 to 38 never, 39 to 41 in their rows.
    EXPECT_EQ(at(31)->at, QPointF(400, 1933));
    for (int hidden : {36, 37, 38}) EXPECT_FALSE(at(hidden)) << hidden;
    EXPECT_EQ(at(39)->at, QPointF(400, 2128));
    EXPECT_EQ(at(41)->at, QPointF(400, RowTop(54)));
    // The example designation of the series beside the caption.
    EXPECT_EQ(at(42)->at, QPointF(400, 2362));
    EXPECT_EQ(at(42)->style, FontStyle::Bold);
    const auto example = c.FindText(QStringLiteral("HXV - P - E16 - 2000 / 2000 - 1875"));
    ASSERT_TRUE(example);
    EXPECT_EQ(example->at, QPointF(1100, 2362));
    EXPECT_EQ(example->style, FontStyle::Bold);
    EXPECT_EQ(example->height, 31);
    EXPECT_EQ(at(50)->at, QPointF(250, RowTop(66)));
    EXPECT_EQ(at(52)->at, QPointF(250, RowTop(68)));
}

TEST(ProductDescription, TheLeaderLineOfLine44EndsUnderTheSeries)
{
    RecordingCanvas c;
    DescriptionValues v = Numbered(52);
    DrawProductDescription(c, v);
    RecordingCanvas measure;
    measure.SetFont(c.State().font);
    measure.SetFontHeight(31);
    measure.SetFontStyle(FontStyle::Bold);
    const double centre = 1100 + measure.TextWidth(QStringLiteral("HXL")) / 2;
    measure.SetFontStyle(FontStyle::Normal);
    const double start = 410 + measure.TextWidth(QStringLiteral("line 44"));
    const double middle = RowTop(60) + 20;
    const auto lines = c.Lines();
    const auto across = std::find_if(lines.begin(), lines.end(), [&](const RecordedLine& l) {
        return l.from == QPointF(start, middle) && l.to == QPointF(centre, middle);
    });
    ASSERT_NE(across, lines.end());
    ASSERT_NE(across + 1, lines.end());
    EXPECT_EQ((across + 1)->from, QPointF(centre, middle));
    EXPECT_EQ((across + 1)->to, QPointF(centre, 2401));
    // Six leader lines, each across and up.
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const RecordedLine& l) { return l.to.y() == 2401; }), 6);
}

TEST(ProductDescription, AMissingTextLeavesAnEmptyBody)
{
    RecordingCanvas c;
    DescriptionValues v = ProductDescriptionValues(Language::Czech, 0, QStringLiteral("HXL-E-E20-2000/2000-1920"),
                                                   QStringLiteral("10/17"));
    ASSERT_TRUE(v.lines.empty());
    DrawProductDescription(c, v);
    EXPECT_TRUE(c.FindText(LoadText(160, Language::Czech)) || c.FindText(QString())); // heading (empty in Czech)
    EXPECT_TRUE(c.FindText(QStringLiteral("P / E / N:")));
    EXPECT_TRUE(c.FindText(QStringLiteral("K:")));
    EXPECT_FALSE(c.FindText(ExampleDesignation(v.designation)));
    QStringList below;
    for (const RecordedText& t : c.Texts())
        if (t.at.y() > 700) below << t.text;
    EXPECT_EQ(below, (QStringList{QStringLiteral("Version 10/17"), QStringLiteral("P / E / N:"), QStringLiteral("K:")}));
}

TEST(ProductDescription, TheNextDataSheetIsBackOnTheNormalGrid)
{
    RecordingCanvas c;
    DrawProductDescription(c, Numbered(52));
    const std::size_t before = c.Operations().size();
    DataSheetValues sheet;
    sheet.frame.versionText = QStringLiteral("10/17");
    DrawDataSheet(c, sheet);
    const auto texts = c.Texts();
    // The data sheet's calculation basis label: normal height at its place on the 42 grid.
    const auto basis = std::find_if(texts.begin(), texts.end(), [](const RecordedText& t) {
        return t.text == QStringLiteral("Air pressure") && t.at == QPointF(250, 2200);
    });
    ASSERT_NE(basis, texts.end());
    EXPECT_EQ(basis->height, 34);
    EXPECT_GT(c.Operations().size(), before);
}

TEST(ControllerDescription, LinesFromRow16)
{
    RecordingCanvas c;
    DrawControllerDescription(c, Numbered(50));
    const auto first = c.FindText(QStringLiteral("line 1"));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->at, QPointF(250, 724));
    EXPECT_EQ(first->height, 37);
    EXPECT_EQ(first->style, FontStyle::Bold);
    for (int large : {2, 4, 6}) EXPECT_EQ(c.FindText(QStringLiteral("line %1").arg(large))->height, 37) << large;
    EXPECT_EQ(c.FindText(QStringLiteral("line 3"))->height, 31);
    EXPECT_EQ(c.FindText(QStringLiteral("line 3"))->style, FontStyle::Normal);
    EXPECT_EQ(c.FindText(QStringLiteral("line 50"))->at, QPointF(250, 100 + 39 * 65));
    EXPECT_EQ(c.FindText(QStringLiteral("Controller description"))->at, QPointF(250, 604));
    EXPECT_FALSE(c.FindText(QStringLiteral("Controller description"))->opaque);
}

TEST(ControllerDescription, RussianTextFromItsResource)
{
    const DescriptionValues v = ControllerDescriptionValues(Language::Russian, QStringLiteral("10/17"));
    ASSERT_FALSE(v.lines.empty());
    EXPECT_EQ(v.lines, LoadTenderText(1250));
    RecordingCanvas c;
    DrawControllerDescription(c, v);
    const auto first = c.FindText(v.lines[0]);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->at, QPointF(250, 724));
    EXPECT_EQ(first->style, FontStyle::Bold);
    EXPECT_EQ(first->height, 37);
}

TEST(ProductDescription, EnglishHxvFromItsResource)
{
    const DescriptionValues v =
        ProductDescriptionValues(Language::English, 2, QStringLiteral("HXV-E-E18-2000/2000-1875"), QStringLiteral("10/17"));
    EXPECT_EQ(v.lines, LoadTenderText(1227));
    ASSERT_FALSE(v.lines.empty());
    EXPECT_TRUE(v.lines[0].contains(QStringLiteral("HXV")));
    RecordingCanvas c;
    DrawProductDescription(c, v);
    EXPECT_EQ(c.FindText(QStringLiteral("HXV - P - E16 - 2000 / 2000 - 1875"))->at, QPointF(1100, 2362));
}

// Every character of a text is in a face of the page font, so that no page shows a box or falls
// back to a face the PDF would carry besides.
void ExpectInPageFont(const std::vector<QString>& lines, LanguageNumber language, int resource)
{
    const QFont font = PageFont(language);
    std::vector<QFontMetrics> faces;
    for (const QString& family : font.families()) faces.emplace_back(QFont(family));
    for (const QString& line : lines)
        for (const uint c : line.toUcs4()) {
            const bool found = std::any_of(faces.begin(), faces.end(), [c](const QFontMetrics& m) { return m.inFontUcs4(c); });
            EXPECT_TRUE(found) << "resource " << resource << ": U+" << std::hex << c << " in " << line.toStdString();
        }
}

// Every offered language has its four product texts and its controller text, with every line the
// layout shows, and none of them reaches past its right limit.
TEST(TenderTexts, EveryLanguageAndSeriesFitsTheLayout)
{
    for (LanguageNumber language : kOffered) {
        for (int series = 0; series < 4; ++series) {
            const int resource = ProductDescriptionResource(language, series);
            const std::vector<QString> lines = LoadTenderText(resource);
            ASSERT_EQ(lines.size(), 52u) << "resource " << resource;
            for (int i = 1; i <= 52; ++i) {
                if (i <= 35 || (i >= 39 && i <= 49) || i == 52) {
                    EXPECT_FALSE(lines[static_cast<std::size_t>(i - 1)].trimmed().isEmpty()) << resource << " line " << i;
                }
            }
            ExpectInPageFont(lines, language, resource);
            DescriptionValues v;
            v.frame.language = language;
            v.lines = lines;
            RecordingCanvas c;
            DrawProductDescription(c, v);
            for (const RecordedText& t : c.Texts()) {
                if (t.align != TextAlign::Left || t.at.y() < 685) continue; // the frame and its title
                RecordingCanvas measure;
                measure.SetFont(c.State().font);
                measure.SetFontHeight(t.height);
                measure.SetFontStyle(t.style);
                const double right = t.at.x() + measure.TextWidth(t.text);
                EXPECT_LE(right, 1950) << resource << ": " << t.text.toStdString();
                if (t.at.y() == 2362 && t.at.x() == 400) {
                    EXPECT_LT(right, 1100) << resource << " line 42";
                }
            }
            // Each leader line runs from its line to the right.
            for (const RecordedLine& l : c.Lines()) {
                if (l.from.y() == l.to.y() && l.from.y() > 2401) {
                    EXPECT_LT(l.from.x() + 10, l.to.x()) << resource;
                }
            }
        }
        const int controller = ControllerDescriptionResource(language);
        const std::vector<QString> lines = LoadTenderText(controller);
        ASSERT_GE(lines.size(), 40u) << "resource " << controller;
        ASSERT_LE(lines.size(), 52u) << "resource " << controller;
        ExpectInPageFont(lines, language, controller);
        for (int heading : {1, 2, 4, 6})
            EXPECT_FALSE(lines[static_cast<std::size_t>(heading - 1)].trimmed().isEmpty()) << controller << " line " << heading;
        DescriptionValues v;
        v.frame.language = language;
        v.lines = lines;
        RecordingCanvas c;
        DrawControllerDescription(c, v);
        for (const RecordedText& t : c.Texts()) {
            if (t.align != TextAlign::Left || t.at.y() < 685) continue;
            RecordingCanvas measure;
            measure.SetFont(c.State().font);
            measure.SetFontHeight(t.height);
            measure.SetFontStyle(t.style);
            EXPECT_LE(t.at.x() + measure.TextWidth(t.text), 1950) << controller << ": " << t.text.toStdString();
        }
    }
}

} // namespace
} // namespace velmarsund
