#include "painter_canvas.h"
#include "preview_zoom.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

TEST(PreviewZoom, ListItemsAndTheTwoFittingModes)
{
    // A4 at 600 dpi: 4961 x 7016 printer pixels.
    constexpr int W = 4961, H = 7016;
    EXPECT_EQ(ZoomOfItem(0, 1000, 800, W, H), 25);
    EXPECT_EQ(ZoomOfItem(8, 1000, 800, W, H), 300);
    // (1000 - 40) / 4961 * 350 = 67.7
    EXPECT_EQ(ZoomOfItem(PreviewZoom::ToWidth, 1000, 800, W, H), 68);
    // the height decides: (800 - 40) / 7016 * 350 = 37.9
    EXPECT_EQ(ZoomOfItem(PreviewZoom::ToFit, 1000, 800, W, H), 38);
    EXPECT_EQ(ZoomOfItem(PreviewZoom::ToFit, 500, 2000, W, H), ZoomOfItem(PreviewZoom::ToWidth, 500, 2000, W, H));
}

TEST(PreviewZoom, AHundredPercentIsThePrintedSize) {
    // A4 on a 1200 dpi printer: 9921 pixels wide; at 96 dpi that is 210 mm, 793.7 pixels.
    EXPECT_EQ(ShownExtent(SheetScale(3, 100, 1200, 96), 9921), 794);
    EXPECT_EQ(ShownExtent(SheetScale(0, 25, 1200, 96), 9921), 198);
    EXPECT_EQ(ShownExtent(SheetScale(8, 300, 600, 96), 4961), 2381);
    // The fitting modes keep z/350 of the printer's pixels.
    EXPECT_DOUBLE_EQ(SheetScale(PreviewZoom::ToWidth, 68, 1200, 96), 68 / 350.0);
    EXPECT_DOUBLE_EQ(SheetScale(PreviewZoom::ToFit, 38, 1200, 96), 38 / 350.0);
}

TEST(PreviewZoom, NeverBelowTen)
{
    EXPECT_EQ(ZoomOfItem(PreviewZoom::ToWidth, 60, 800, 4961, 7016), 10);
    EXPECT_EQ(ZoomOfItem(PreviewZoom::ToWidth, 10, 800, 4961, 7016), 10); // narrower than the margin
    EXPECT_EQ(ZoomOfItem(PreviewZoom::ToFit, 1000, 0, 4961, 7016), 10);
}

TEST(PreviewZoom, TheWiderExtentOfTheDeviceDecidesTheScale)
{
    EXPECT_EQ(ZoomedExtent(100, 4961), 1417);
    // A4 proportions and taller: the width takes the 2100 units.
    EXPECT_DOUBLE_EQ(PageScale(2100, 2971), 1.0);
    // Wider than A4: the height takes the 2970 units.
    EXPECT_DOUBLE_EQ(PageScale(3000, 2970), 1.0);
    EXPECT_DOUBLE_EQ(PageScale(4960, 7016, 100 / 350.0), 1417.0 / 2100);
    // 4961 x 7016 is a hair wider than A4: the height decides.
    EXPECT_DOUBLE_EQ(PageScale(4961, 7016, 100 / 350.0), 2005.0 / 2970);
}

} // namespace
} // namespace velmarsund
