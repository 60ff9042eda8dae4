// Where the result grid draws its texts: numbers right-aligned, words left-aligned and running on
// over empty cells, every text of a row on one baseline whatever its script.

#include "daten_grid.h"
#include "program_fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <array>

namespace velmarsund {
namespace {

class DatenGridTest : public ::testing::Test {
protected:
    void TearDown() override { ApplyLanguageFonts(Language::English); }

    static TDatenGrid& Grid(TDatenGrid& grid)
    {
        constexpr std::array<int, 6> widths{177, 70, 3, 70, 3, 38};
        grid.SetColWidths(widths);
        return grid;
    }
};

// Chinese labels come from a fallback font with a taller line than the digits; they still stand on
// the digits' baseline.
TEST_F(DatenGridTest, LabelsAndNumbersOfARowShareOneBaseline)
{
    for (LanguageNumber language : {Language::English, Language::Chinese, Language::Russian}) {
        ApplyLanguageFonts(language);
        TDatenGrid grid(3);
        Grid(grid);
        grid.SetCell(0, 1, QStringLiteral("    温度"));
        grid.SetCell(1, 1, QStringLiteral("-12.0"));
        grid.SetCell(5, 1, QStringLiteral("°C"));
        const auto label = grid.TextPlaceOf(0, 1);
        const auto value = grid.TextPlaceOf(1, 1);
        const auto unit = grid.TextPlaceOf(5, 1);
        ASSERT_TRUE(label && value && unit);
        EXPECT_EQ(label->origin.y(), value->origin.y()) << language;
        EXPECT_EQ(unit->origin.y(), value->origin.y()) << language;
        EXPECT_EQ(value->origin.y(), TDatenGrid::kRowHeight + TDatenGrid::kTextTop + QFontMetrics(grid.font()).ascent());
    }
}

TEST_F(DatenGridTest, TextPlacesAndTheirRoom)
{
    ApplyLanguageFonts(Language::English);
    TDatenGrid grid(1);
    Grid(grid);
    const QFontMetrics metrics(grid.font());
    grid.SetCell(1, 0, QStringLiteral("#79.8"));
    const auto value = grid.TextPlaceOf(1, 0);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->text, QStringLiteral("79.8")); // the "#" only aligns
    EXPECT_EQ(value->origin.x() + value->width, 177 + 70 - TDatenGrid::kTextInset);
    EXPECT_EQ(value->room, grid.CellRect(1, 0));

    // A word runs on over the empty cells up to a little before the next text of its row.
    grid.SetCell(3, 0, QStringLiteral("(2018 ready)"));
    const auto remark = grid.TextPlaceOf(3, 0);
    ASSERT_TRUE(remark);
    EXPECT_EQ(remark->origin.x(), grid.CellRect(3, 0).left() + TDatenGrid::kTextInset);
    EXPECT_EQ(remark->room.right() + 1, grid.width()); // nothing after it
    grid.SetCell(5, 0, QStringLiteral("%"));
    EXPECT_EQ(grid.TextPlaceOf(3, 0)->room.right() + 1, grid.CellRect(5, 0).left() - TDatenGrid::kTextInset);

    // A label longer than its cell and the free part of the next one does not fit.
    grid.SetCell(0, 0, QString(60, QLatin1Char('W')));
    EXPECT_FALSE(grid.TextPlaceOf(0, 0)->Fits());
    grid.SetCell(0, 0, QStringLiteral("    Temperature"));
    EXPECT_TRUE(grid.TextPlaceOf(0, 0)->Fits());
    EXPECT_TRUE(grid.TextPlaceOf(1, 0)->Fits());
    EXPECT_FALSE(grid.TextPlaceOf(2, 0)); // empty
}

} // namespace
} // namespace velmarsund
