// The page frame through the recording canvas: rules, header boxes, notes, footer and title.

#include "page_frame.h"
#include "recording_canvas.h"
#include "text_table.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

PageFrameValues Frame(bool printHeader)
{
    PageFrameValues f;
    f.language = Language::English;
    f.versionText = QStringLiteral("10/17");
    f.printHeader = printHeader;
    for (int i = 0; i < 8; ++i) f.header[static_cast<std::size_t>(i)] = QStringLiteral("H%1").arg(i);
    f.showNotes = true;
    return f;
}

bool HasLine(const RecordingCanvas& c, QPointF from, QPointF to, int width)
{
    for (const RecordedLine& l : c.Lines())
        if (l.from == from && l.to == to && l.width == width) return true;
    return false;
}

TEST(PageFrame, WithoutHeaderTheRulesReachTheFrameAndNoHeaderLineIsPrinted)
{
    RecordingCanvas c;
    DrawPageFrame(c, Frame(false));
    EXPECT_TRUE(HasLine(c, {250, 247}, {1980, 247}, 3)) << c.Dump().toStdString();
    EXPECT_TRUE(HasLine(c, {1980, 277}, {1980, 2798}, 3));
    EXPECT_TRUE(HasLine(c, {250, 331}, {1950, 331}, 3));
    EXPECT_TRUE(HasLine(c, {250, 541}, {1950, 541}, 3));
    EXPECT_TRUE(HasLine(c, {250, 2828}, {1980, 2828}, 3));
    EXPECT_TRUE(HasLine(c, {250, 2872}, {550, 2872}, 0)); // footer, thinnest pen
    EXPECT_FALSE(HasLine(c, {250, 121}, {1980, 121}, 3));
    for (const RecordedText& t : c.Texts()) EXPECT_FALSE(t.text.startsWith(QLatin1Char('H'))) << t.text.toStdString();

    const auto version = c.FindText(QStringLiteral("Version 10/17"));
    ASSERT_TRUE(version);
    EXPECT_EQ(version->at, QPointF(250, 2886));
    EXPECT_EQ(version->height, 28);
}

TEST(PageFrame, WithHeaderTheEightLinesStandInTheirBoxesBetween121And247)
{
    RecordingCanvas c;
    DrawPageFrame(c, Frame(true));
    EXPECT_TRUE(HasLine(c, {250, 247}, {1950, 247}, 3));
    EXPECT_TRUE(HasLine(c, {250, 121}, {1980, 121}, 3));
    EXPECT_TRUE(HasLine(c, {1980, 151}, {1980, 2798}, 3));
    struct Expected {
        int line;
        double x, y, right;
    };
    const Expected boxes[] = {{2, 250, 142, 480},   {4, 250, 184, 480},   {3, 500, 142, 1460}, {5, 500, 184, 1460},
                              {0, 1480, 142, 1630}, {6, 1480, 184, 1630}, {1, 1650, 142, 1950}, {7, 1650, 184, 1950}};
    for (const Expected& e : boxes) {
        const auto t = c.FindText(QStringLiteral("H%1").arg(e.line));
        ASSERT_TRUE(t) << "header line " << e.line;
        EXPECT_EQ(t->at, QPointF(e.x, e.y)) << "header line " << e.line;
        ASSERT_TRUE(t->clip);
        EXPECT_EQ(*t->clip, QRectF(QPointF(e.x, 142), QPointF(e.right, 226))) << "header line " << e.line;
        EXPECT_EQ(t->height, 34);
    }
}

TEST(PageFrame, NotesShowAtMostThreeLinesInTheirBox)
{
    PageFrameValues f = Frame(false);
    f.notes = {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("four")};
    RecordingCanvas c;
    DrawPageFrame(c, f);
    const auto label = c.FindText(LoadText(135, Language::English) + QLatin1Char(':'));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->at, QPointF(250, 562));
    const QRectF box(QPointF(500, 604), QPointF(1950, 730));
    int shown = 0;
    for (const char* note : {"one", "two", "three"}) {
        const auto t = c.FindText(QLatin1String(note));
        ASSERT_TRUE(t) << note;
        EXPECT_EQ(t->at, QPointF(500, 604 + 42 * shown));
        EXPECT_EQ(t->clip, box);
        ++shown;
    }
    EXPECT_FALSE(c.FindText(QStringLiteral("four")));
    EXPECT_TRUE(HasLine(c, {250, 751}, {1950, 751}, 3));

    // Without notes shown there is neither the label nor the rule at line 15.
    f.showNotes = false;
    RecordingCanvas plain;
    DrawPageFrame(plain, f);
    EXPECT_FALSE(plain.FindText(QStringLiteral("one")));
    EXPECT_FALSE(HasLine(plain, {250, 751}, {1950, 751}, 3));
}

TEST(PageFrame, AddressBlockAndTitle)
{
    RecordingCanvas c;
    DrawPageTitle(c, Frame(false));
    ASSERT_EQ(c.Pictures().size(), 1u);
    EXPECT_EQ(c.Pictures()[0].id, 101);
    EXPECT_EQ(c.Pictures()[0].rect, QRectF(QPointF(285, 358), QPointF(441, 514)));
    const auto name = c.FindText(QStringLiteral("Velmarsund GmbH"));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->at, QPointF(500, 352));
    EXPECT_EQ(name->style, FontStyle::Bold);
    EXPECT_EQ(c.TextsAt(478).size(), 3u); // the last address line, the web label and its value
    const auto title = c.FindText(QStringLiteral("Velmarsund Regenerative Rotating Heat Exchanger"));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->at, QPointF(1100, 268));
    EXPECT_EQ(title->align, TextAlign::Centre);
    EXPECT_EQ(title->height, 41);
    EXPECT_EQ(title->style, FontStyle::Bold);
    // The frame leaves the page at the normal text.
    EXPECT_EQ(c.State().fontHeight, 34);
    EXPECT_EQ(c.State().fontStyle, FontStyle::Normal);
    EXPECT_EQ(c.State().align, TextAlign::Left);
}

} // namespace
} // namespace velmarsund
