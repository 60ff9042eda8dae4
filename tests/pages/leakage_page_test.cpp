// The leakage page through the recording canvas.

#include "leakage_page.h"
#include "number_separators.h"
#include "recording_canvas.h"
#include "text_table.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

LeakagePageValues Values()
{
    LeakagePageValues v;
    v.frame.versionText = QStringLiteral("10/17");
    v.frame.printHeader = true; // never printed on this page
    v.frame.header[3] = QStringLiteral("A-17");
    v.texts.p11 = QStringLiteral("-204");
    v.texts.rim11 = QStringLiteral("190 m³/h");
    v.texts.purge11 = QStringLiteral("-139 m³/h");
    v.texts.purge22 = QStringLiteral("Purge flow: 139 m³/h");
    v.texts.pressureUnit = QStringLiteral("Pa");
    v.designation = QStringLiteral("HXG-E-E18-2000/2000-1880");
    v.diameter = 1880;
    v.speed = 10;
    v.gapCircumference = v.gapSeparation = 2;
    v.oacf = 1.0349;
    v.eatr = 2.46;
    v.separators = {QLatin1Char('.'), QLatin1Char(',')};
    return v;
}

int RotorPicture(const RecordingCanvas& c)
{
    for (const RecordedPicture& p : c.Pictures())
        if (p.rect == QRectF(QPointF(950, 850), QPointF(1242, 1550))) return p.id;
    return 0;
}

TEST(LeakagePage, RotorPictureByPurgeSectorAndDetails)
{
    struct Case {
        int purge;
        bool details;
        int picture;
        bool rimShown, purgeShown;
    };
    for (const Case& k : {Case{1, true, 1937, true, true}, Case{0, true, 1938, true, false},
                          Case{2, false, 1939, false, true}, Case{0, false, 1940, false, false}}) {
        LeakagePageValues v = Values();
        v.purgeSector = k.purge;
        v.details = k.details;
        RecordingCanvas c;
        DrawLeakagePage(c, v);
        EXPECT_EQ(RotorPicture(c), k.picture);
        EXPECT_EQ(c.FindText(QStringLiteral("190 m³/h")).has_value(), k.rimShown) << k.picture;
        EXPECT_EQ(c.FindText(QStringLiteral("Purge flow: 139 m³/h")).has_value(), k.purgeShown) << k.picture;
        if (k.purgeShown) {
            EXPECT_EQ(c.FindText(QStringLiteral("-139 m³/h"))->at, QPointF(930, 1147));
        }
        EXPECT_EQ(c.FindText(QStringLiteral("-204"))->at, QPointF(600, 980)); // pressures always
    }
}

TEST(LeakagePage, MillimetresInThePagesLanguage)
{
    LeakagePageValues v = Values();
    v.frame.language = Language::Russian;
    RecordingCanvas c;
    DrawLeakagePage(c, v);
    EXPECT_TRUE(c.FindText(QStringLiteral("1880 мм")));
    EXPECT_TRUE(c.FindText(QStringLiteral("2.0 мм")));
}

TEST(LeakagePage, FansStandWhereTheyDrawOrBlow)
{
    const auto fanRect = [](const RecordingCanvas& c, int id) {
        for (const RecordedPicture& p : c.Pictures())
            if (p.id == id) return p.rect;
        return QRectF();
    };
    LeakagePageValues v = Values();
    RecordingCanvas drawing;
    DrawLeakagePage(drawing, v);
    EXPECT_EQ(fanRect(drawing, 1935), QRectF(QPointF(1696, 900), QPointF(1836, 1034))); // upper right
    EXPECT_EQ(fanRect(drawing, 1936), QRectF(QPointF(350, 1366), QPointF(490, 1500)));  // lower left
    v.fan1 = v.fan2 = Fan::BlowThrough;
    RecordingCanvas blowing;
    DrawLeakagePage(blowing, v);
    EXPECT_EQ(fanRect(blowing, 1935), QRectF(QPointF(350, 900), QPointF(490, 1034)));
    EXPECT_EQ(fanRect(blowing, 1936), QRectF(QPointF(1696, 1366), QPointF(1836, 1500)));
}

TEST(LeakagePage, OacfAndEatrWithTheDecimalSeparator)
{
    LeakagePageValues v = Values();
    RecordingCanvas c;
    DrawLeakagePage(c, v);
    const auto oacf = c.FindText(QStringLiteral("OACF = 1.03"));
    ASSERT_TRUE(oacf) << c.Dump().toStdString();
    EXPECT_EQ(oacf->at, QPointF(600, 1100));
    EXPECT_EQ(oacf->align, TextAlign::Centre);
    EXPECT_TRUE(c.FindText(QStringLiteral("EATR = 2.5 %")));
    v.separators = {QLatin1Char(','), QLatin1Char('.')};
    RecordingCanvas comma;
    DrawLeakagePage(comma, v);
    EXPECT_TRUE(comma.FindText(QStringLiteral("OACF = 1,03")));
    EXPECT_TRUE(comma.FindText(QStringLiteral("EATR = 2,5 %")));
    EXPECT_TRUE(comma.FindText(QStringLiteral("2,0 mm")));
}

TEST(LeakagePage, SealingTextBySeriesWrappedInItsBoxAndNeverTheHeader)
{
    SetCurrentLanguage(Language::English);
    LeakagePageValues v = Values();
    v.designation = QStringLiteral("HXK-E-E18-2000/2000-1880");
    RecordingCanvas c;
    DrawLeakagePage(c, v);
    const auto sealing = c.FindText(LoadText(572));
    ASSERT_TRUE(sealing);
    ASSERT_TRUE(sealing->wrap);
    EXPECT_EQ(*sealing->wrap, QRectF(QPointF(1300, 2060), QPointF(1950, 2810)));
    EXPECT_FALSE(c.FindText(QStringLiteral("A-17")));
    v.designation = QStringLiteral("HXV-E-E18-2000/2000-1875");
    RecordingCanvas hxv;
    DrawLeakagePage(hxv, v);
    EXPECT_TRUE(hxv.FindText(LoadText(571)));
    v.designation.clear();
    RecordingCanvas none;
    DrawLeakagePage(none, v);
    EXPECT_TRUE(none.FindText(LoadText(570)));
}

} // namespace
} // namespace velmarsund
