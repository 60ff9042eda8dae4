// The data sheet through the recording canvas, from the values a calculated selection gives.

#include "data_sheet_builder.h"
#include "data_sheet_page.h"
#include "daten_rwt.h"
#include "number_separators.h"
#include "recording_canvas.h"
#include "rotor_data.h"
#include "season_calculation.h"
#include "text_table.h"

#include <gtest/gtest.h>

#include <tuple>

namespace velmarsund {
namespace {

TDatenRWT Calculated(double t11, double phi11, double t21, double phi21, int matrixType = MatrixE,
                     int diameter = 1880, const char* profile = "E18")
{
    TDatenRWT r;
    r.AirPressure = 1013;
    r.MatrixType = static_cast<std::uint8_t>(matrixType);
    r.Diameter = diameter;
    r.Speed = DefaultSpeed(matrixType);
    r.WheelDepth = 200;
    const auto p = DecodeProfile(profile);
    r.FoilThickness = p->FoilThickness;
    r.ProfileHeight = p->ProfileHeight;
    r.ProfilePitch = p->ProfilePitch;
    r.State11.SVol = r.State21.SVol = 10000;
    r.State11.Temp = t11;
    r.State11.Humidity = phi11;
    r.State21.Temp = t21;
    r.State21.Humidity = phi21;
    r.Update();
    CalculateSeason(r, '.');
    return r;
}

class DataSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentLanguage(Language::English);
        SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
        winter_ = Calculated(-12, 90, 22, 40);
        summer_ = Calculated(32, 40, 22, 50);
        selection_.winter = &winter_;
        selection_.summer = &summer_;
        selection_.seriesIndex = 1;
        selection_.profile = QStringLiteral("E18");
        selection_.height = 2000;
        selection_.width = 2000;
        selection_.winterCaption = QStringLiteral("Heating");
        selection_.summerCaption = QStringLiteral("Cooling");
        selection_.frame.language = Language::English;
        selection_.frame.versionText = QStringLiteral("10/17");
    }

    RecordingCanvas Draw(const DataSheetValues& values)
    {
        RecordingCanvas c;
        DrawDataSheet(c, values);
        return c;
    }
    RecordingCanvas Draw() { return Draw(BuildDataSheetValues(selection_)); }

    // The texts drawn right-aligned at x with their top at y.
    static std::vector<QString> RightAt(const RecordingCanvas& c, double x, double y)
    {
        std::vector<QString> found;
        for (const RecordedText& t : c.TextsAt(y))
            if (t.align == TextAlign::Right && t.at.x() == x && !t.text.isEmpty()) found.push_back(t.text);
        return found;
    }
    static std::optional<RecordedText> LeftAt(const RecordingCanvas& c, double x, double y)
    {
        for (const RecordedText& t : c.TextsAt(y))
            if (t.align == TextAlign::Left && t.at.x() == x && !t.text.isEmpty()) return t;
        return std::nullopt;
    }

    TDatenRWT winter_;
    TDatenRWT summer_;
    DataSheetSelection selection_;
};

TEST_F(DataSheetTest, WinterOnlyColumnsEndAt1300And1650WithTheUnitsAt1680)
{
    const DataSheetValues v = BuildDataSheetValues(selection_);
    const RecordingCanvas c = Draw(v);
    // Standard air volume row (y 909) and the sensible heat (y 1790).
    EXPECT_EQ(RightAt(c, 1300, 909), std::vector<QString>{QStringLiteral("10000")}) << c.Dump().toStdString();
    EXPECT_EQ(RightAt(c, 1650, 909), std::vector<QString>{QStringLiteral("10000")});
    EXPECT_EQ(LeftAt(c, 1680, 909)->text, v.tables.inlet.Cell(5, 1));
    EXPECT_EQ(RightAt(c, 1300, 1790), std::vector<QString>{v.tables.process.Cell(1, 4)});
    EXPECT_EQ(RightAt(c, 1650, 1790), std::vector<QString>{v.tables.process.Cell(3, 4)});
    EXPECT_TRUE(RightAt(c, 1600, 909).empty());
    EXPECT_TRUE(RightAt(c, 1820, 909).empty());
    // The headings over the value columns, bold.
    const auto heading = c.FindText(QStringLiteral("Outside air"));
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->at, QPointF(1300, 856));
    EXPECT_EQ(heading->style, FontStyle::Bold);
    // Without the seasons option no season caption.
    EXPECT_FALSE(c.FindText(QStringLiteral("Heating")));
}

TEST_F(DataSheetTest, WinterAndSummerPrintsFourColumnsAndTheUnitsOfColumn9)
{
    selection_.view = SeasonView::WinterAndSummer;
    selection_.useSeasons = true;
    const DataSheetValues v = BuildDataSheetValues(selection_);
    const RecordingCanvas c = Draw(v);
    EXPECT_EQ(RightAt(c, 1130, 1047), std::vector<QString>{QStringLiteral("-12.0")}) << c.Dump().toStdString();
    EXPECT_EQ(RightAt(c, 1350, 1047), std::vector<QString>{QStringLiteral("22.0")});
    EXPECT_EQ(RightAt(c, 1600, 1047), std::vector<QString>{QStringLiteral("32.0")});
    EXPECT_EQ(RightAt(c, 1820, 1047), std::vector<QString>{QStringLiteral("22.0")});
    EXPECT_EQ(LeftAt(c, 1850, 1047)->text, v.tables.inlet.Cell(9, 5));
    EXPECT_EQ(v.tables.inlet.Cell(9, 5), QStringLiteral("°C"));
    EXPECT_EQ(c.TextsEqualTo(QStringLiteral("Outside air")).size(), 2u);
    const auto winter = c.FindText(QStringLiteral("Heating"));
    const auto summer = c.FindText(QStringLiteral("Cooling"));
    ASSERT_TRUE(winter && summer);
    EXPECT_EQ(winter->at, QPointF(1180, 814));
    EXPECT_EQ(summer->at, QPointF(1650, 814));
    EXPECT_EQ(winter->align, TextAlign::Centre);
}

TEST_F(DataSheetTest, SeasonsOptionInWinterOnlyCentresTheWinterCaptionAt1400)
{
    selection_.useSeasons = true;
    const RecordingCanvas c = Draw();
    const auto winter = c.FindText(QStringLiteral("Heating"));
    ASSERT_TRUE(winter);
    EXPECT_EQ(winter->at, QPointF(1400, 814));
    EXPECT_FALSE(c.FindText(QStringLiteral("Cooling")));
}

TEST_F(DataSheetTest, WetBulbJoinsTheTemperatureRowsAndIsNeverARowOfItsOwn)
{
    for (bool wetBulb : {false, true}) {
        selection_.wetBulbOnDataSheet = wetBulb;
        const DataSheetValues v = BuildDataSheetValues(selection_);
        const RecordingCanvas c = Draw(v);
        EXPECT_FALSE(c.FindText(v.tables.inlet.Cell(0, 8))) << "the wet-bulb row";
        const QString suffix = wetBulb ? QStringLiteral(" (DB/WB)") : QString();
        EXPECT_TRUE(c.FindText(v.tables.inlet.Cell(0, 5) + suffix));
        const QString inlet = QStringLiteral("22.0") + (wetBulb ? QStringLiteral(" / ") + v.tables.inlet.Cell(3, 8)
                                                                : QString());
        EXPECT_EQ(RightAt(c, 1650, 1047), std::vector<QString>{inlet});
        const QString outlet = v.tables.outlet.Cell(1, 2) +
                               (wetBulb ? QStringLiteral(" / ") + v.tables.outlet.Cell(1, 5) : QString());
        EXPECT_EQ(RightAt(c, 1300, 1274), std::vector<QString>{outlet});
    }
}

TEST_F(DataSheetTest, TypeLineOfASorptionRotor)
{
    winter_ = Calculated(-12, 90, 22, 40, MatrixN, 1920, "E20");
    selection_.seriesIndex = 0;
    selection_.profile = QStringLiteral("E20");
    const DataSheetValues v = BuildDataSheetValues(selection_);
    ASSERT_EQ(v.designation, QStringLiteral("HXL-N-E20-2000/2000-1920"));
    const RecordingCanvas c = Draw(v);
    const auto type = c.FindText(QStringLiteral("Type:   Sorption rotor Dryla  HXL-N-E20-2000/2000-1920"));
    ASSERT_TRUE(type) << c.Dump().toStdString();
    EXPECT_EQ(type->at, QPointF(250, 772));
    EXPECT_EQ(type->style, FontStyle::Bold);
}

TEST_F(DataSheetTest, InchPoundUnits)
{
    winter_ = Calculated(-12, 90, 22, 40, MatrixE, 2500, "E18"); // a motor of 370 W
    selection_.height = 2600;
    selection_.width = 2600;
    selection_.units = UnitSystem::IP;
    DataSheetValues v = BuildDataSheetValues(selection_);
    v.weightKg = 100;
    v.height = 2000;
    v.heightText = QStringLiteral("2000");
    const RecordingCanvas c = Draw(v);
    EXPECT_EQ(RightAt(c, 750, 2200), std::vector<QString>{QStringLiteral("1.00")}) << c.Dump().toStdString();
    EXPECT_EQ(LeftAt(c, 780, 2200)->text, QStringLiteral("atm"));
    EXPECT_EQ(RightAt(c, 1650, 2242), std::vector<QString>{QStringLiteral("0.50")});
    EXPECT_EQ(LeftAt(c, 1680, 2242)->text, QStringLiteral("HP"));
    // The controller's single-phase supply, as its description states it.
    EXPECT_EQ(RightAt(c, 1650, 2200), std::vector<QString>{QStringLiteral("220")});
    EXPECT_EQ(RightAt(c, 720, 2746), std::vector<QString>{QStringLiteral("220")});
    EXPECT_EQ(LeftAt(c, 750, 2746)->text, QStringLiteral("lb"));
    EXPECT_EQ(RightAt(c, 720, 2410), std::vector<QString>{QStringLiteral("2000")});
    EXPECT_EQ(LeftAt(c, 750, 2410)->text, QStringLiteral("mm"));
    const auto inches = RightAt(c, 720, 2452);
    ASSERT_EQ(inches, std::vector<QString>{QStringLiteral("78.74")});
    for (const RecordedText& t : c.TextsAt(2452))
        if (t.text == QStringLiteral("78.74")) {
            EXPECT_EQ(t.style, FontStyle::Italic);
            EXPECT_EQ(t.height, 28);
        }
    EXPECT_EQ(LeftAt(c, 750, 2452)->text, QStringLiteral("in."));
    const auto dimensions = c.FindText(QStringLiteral("Dimensions"));
    ASSERT_TRUE(dimensions);
    EXPECT_EQ(dimensions->at, QPointF(250, 2326));
}

// The units a language writes in its own letters come from the text table: a Russian sheet in
// inch-pound units reads "атм", "фут" and "мм".
TEST_F(DataSheetTest, UnitsInThePagesLanguage)
{
    selection_.units = UnitSystem::IP;
    for (const auto& [language, atm, ft, mm] :
         {std::tuple{Language::Russian, "атм", "фут", "мм"}, std::tuple{Language::English, "atm", "ft", "mm"},
          std::tuple{Language::French, "atm", "pi", "mm"}}) {
        selection_.frame.language = language;
        const RecordingCanvas c = Draw();
        EXPECT_EQ(LeftAt(c, 780, 2200)->text, QString::fromUtf8(atm));
        EXPECT_EQ(LeftAt(c, 780, 2242)->text, QString::fromUtf8(ft));
        EXPECT_EQ(LeftAt(c, 750, 2410)->text, QString::fromUtf8(mm));
        EXPECT_EQ(LeftAt(c, 1880, 2494)->text, QString::fromUtf8(mm)); // the profile's
    }
}

TEST_F(DataSheetTest, DeliveryLines)
{
    struct Case {
        int series;
        int diameter;
        std::int64_t height, width;
        bool parts;     // texts 128 and 129
        bool undivided; // text 532
    };
    const Case cases[] = {{1, 2381, 2600, 2600, true, false}, {1, 2380, 2600, 2600, false, false},
                          {0, 2381, 2600, 2600, true, false}, {2, 2381, 2600, 2600, true, false},
                          {3, 2000, 2501, 2600, false, true}, {3, 2000, 2500, 2600, false, false}};
    for (const Case& k : cases) {
        DataSheetValues v = BuildDataSheetValues(selection_);
        v.seriesIndex = k.series;
        v.diameter = k.diameter;
        v.height = k.height;
        v.width = k.width;
        const RecordingCanvas c = Draw(v);
        const auto parts = c.FindText(LoadText(128));
        EXPECT_EQ(parts.has_value(), k.parts) << k.series << ' ' << k.diameter;
        if (parts) {
            EXPECT_EQ(parts->at, QPointF(1350, 2662));
            EXPECT_EQ(c.FindText(LoadText(129))->at, QPointF(1350, 2704));
        }
        const auto undivided = c.FindText(LoadText(532));
        EXPECT_EQ(undivided.has_value(), k.undivided) << k.series << ' ' << k.height;
        if (undivided) {
            EXPECT_EQ(undivided->at, QPointF(1350, 2662));
        }
    }
}

TEST_F(DataSheetTest, WarningLines)
{
    struct Case {
        std::vector<int> messages;
        double faceVelocity;
        std::vector<std::pair<TextId, double>> lines;
    };
    const Case cases[] = {
        {{11, 5}, 5.2, {{126, 2010}}},
        {{5}, 5.2, {{122, 2010}, {123, 2052}}},
        {{5}, 4.9, {}},
        {{8}, 3.0, {{127, 2094}}},
        {{12, 7}, 6.0, {{126, 2010}, {127, 2094}}},
    };
    for (const Case& k : cases) {
        DataSheetValues v = BuildDataSheetValues(selection_);
        v.checkMessages.reset();
        for (int m : k.messages) v.checkMessages.set(static_cast<std::size_t>(m));
        v.faceVelocity1 = 1.0;
        v.faceVelocity2 = k.faceVelocity;
        const RecordingCanvas c = Draw(v);
        for (TextId id : {122, 123, 126, 127}) {
            const auto t = c.FindText(LoadText(id));
            const auto expected = std::find_if(k.lines.begin(), k.lines.end(), [id](auto& l) { return l.first == id; });
            ASSERT_EQ(t.has_value(), expected != k.lines.end()) << "text " << id << ", first message " << k.messages[0];
            if (t) {
                EXPECT_EQ(t->at, QPointF(250, expected->second));
            }
        }
    }
}

TEST_F(DataSheetTest, LabelsFromTheWarningsToTheElectricalDataShrinkOnlyAsFarAsTheirRoomAsks) {
    for (LanguageNumber language : {Language::Russian, Language::English, Language::German}) {
        SetCurrentLanguage(language);
        selection_.frame.language = language;
        DataSheetValues v = BuildDataSheetValues(selection_);
        v.checkMessages.set(7); // a warning line
        const RecordingCanvas c = Draw(v);
        const auto heightOf = [&](TextId id) {
            for (const RecordedText& t : c.Texts())
                if (t.text.startsWith(LoadText(id, language))) return t.height;
            return -1;
        };
        // The warnings and the block heading at the page's height, the labels beside their values
        // at least four fifths of it (English and German whole).
        for (TextId id : {127, 206})
            EXPECT_EQ(heightOf(id), 34) << "text " << id;
        for (TextId id : {84, 85, 492, 258, 466, 351}) {
            EXPECT_GE(heightOf(id), 28) << "text " << id;
            EXPECT_LE(heightOf(id), 34) << "text " << id;
            if (language != Language::Russian) {
                EXPECT_EQ(heightOf(id), 34) << "text " << id;
            }
        }
        // The dimensions after them are back at 34, the calculation basis before them too.
        for (TextId id : {54, 64, 1, 89}) EXPECT_EQ(heightOf(id), 34) << "text " << id;
    }
}

TEST_F(DataSheetTest, GermanAndEnglishDetails)
{
    SetCurrentLanguage(Language::German);
    selection_.frame.language = Language::German;
    RecordingCanvas c = Draw();
    EXPECT_TRUE(c.FindText(LoadText(258) + QStringLiteral(" (1-phasig)")));
    EXPECT_TRUE(c.FindText(LoadText(466) + QStringLiteral(" (3-phasig)")));
    EXPECT_TRUE(c.FindText(LoadText(187) + QStringLiteral(" HXG")));

    SetCurrentLanguage(Language::English);
    selection_.frame.language = Language::English;
    c = Draw();
    EXPECT_TRUE(c.FindText(QStringLiteral("Cassette Housing HXG")));
    EXPECT_TRUE(c.FindText(QStringLiteral("Thickness of the foil: E")));
    EXPECT_TRUE(c.FindText(QStringLiteral("Wave height: 18")));
    EXPECT_TRUE(c.FindText(QStringLiteral("Controller (1-phase)")));
    const auto pictures = c.Pictures();
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(pictures[1].id, 203);
    EXPECT_EQ(pictures[1].rect, QRectF(QPointF(1350, 556), QPointF(1608, 644)));
    EXPECT_EQ(pictures[2].id, 1310);
    EXPECT_EQ(pictures[2].rect, QRectF(QPointF(850, 2410), QPointF(1336, 2760)));
    // Every rule of the body is dotted and of the thinnest pen.
    for (const RecordedLine& l : c.Lines())
        if (l.from.y() == 898 || l.from.y() == 2137) {
            EXPECT_EQ(l.style, PenStyle::Dotted);
            EXPECT_EQ(l.width, 0);
        }
}

} // namespace
} // namespace velmarsund
