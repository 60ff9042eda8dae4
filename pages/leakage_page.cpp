#include "leakage_page.h"

#include "number_format.h"
#include "page_canvas.h"
#include "text_table.h"

#include <algorithm>

namespace velmarsund {
namespace {

constexpr TextId kTitle = 396;
constexpr int kSchematicHeight = 31; // 34 / 1.1 rounded
constexpr double kPictureGap = 10;   // between a text and a picture beside it

QRectF Box(double left, double top, double right, double bottom) { return {QPointF(left, top), QPointF(right, bottom)}; }

class LeakagePainter {
public:
    LeakagePainter(PageCanvas& canvas, const LeakagePageValues& values) : c_(canvas), v_(values) {}
    void Draw();

private:
    QString Text(TextId id) const { return LoadText(id, v_.frame.language); }
    QString Fixed(double value, int digits) const { return FormatFixed(value, digits, 10, v_.separators); }
    void At(double x, double y, const QString& text, TextAlign align)
    {
        c_.SetTextAlign(align);
        c_.Text(x, y, text);
    }
    void Schematic();
    void DataBlock();

    PageCanvas& c_;
    const LeakagePageValues& v_;
};

void LeakagePainter::Draw()
{
    PageFrameValues frame = v_.frame;
    frame.printHeader = false;
    frame.showNotes = false;
    DrawPageTitle(c_, frame);
    c_.SetFontStyle(FontStyle::Bold);
    c_.SetFontHeight(PageGrid::LargeFontHeight);
    At(250, 604, Text(kTitle), TextAlign::Left);
    c_.SetFontStyle(FontStyle::Normal);
    c_.SetFontHeight(kSchematicHeight);
    Schematic();
    DataBlock();
}

void LeakagePainter::Schematic()
{
    const LeakageTexts& t = v_.texts;
    c_.Rectangle(Box(350, 1189, 990, 1214));
    c_.Rectangle(Box(1202, 1189, 1836, 1214));
    c_.Picture(LeakageRotorPicture(v_.purgeSector, v_.details), Box(950, 850, 1242, 1550));
    c_.Picture(LeakagePicture::FanSupply,
               v_.fan1 == Fan::DrawThrough ? Box(1696, 900, 1836, 1034) : Box(350, 900, 490, 1034));
    c_.Picture(LeakagePicture::FanExhaust,
               v_.fan2 == Fan::DrawThrough ? Box(350, 1366, 490, 1500) : Box(1696, 1366, 1836, 1500));
    c_.Picture(LeakagePicture::OutsideAir, Box(530, 900, 666, 966));
    c_.Picture(LeakagePicture::SupplyAir, Box(1516, 900, 1652, 966));
    c_.Picture(LeakagePicture::ExtractAir, Box(1516, 1434, 1652, 1500));
    c_.Picture(LeakagePicture::ExhaustAir, Box(530, 1434, 666, 1500));

    // The values of the right-hand sections and their units move left together where a unit
    // would reach the fan beside them.
    const auto rightShift = [&](double y, const QString& unit) {
        const bool fanBeside = y < 1200 ? v_.fan1 == Fan::DrawThrough : v_.fan2 != Fan::DrawThrough;
        return fanBeside ? std::min(0.0, 1696 - kPictureGap - (1600 + c_.TextWidth(unit))) : 0.0;
    };
    const auto section = [&](double x, double y, const QString& value, const QString& unit) {
        const double shift = x > 1000 ? rightShift(y, unit) : 0;
        At(x + shift, y, value, TextAlign::Right);
        At(x + 10 + shift, y, unit, TextAlign::Left);
    };
    section(600, 980, t.p11, t.pressureUnit);
    section(600, 1030, t.svol11, t.volumeUnit);
    section(1590, 980, t.p12, t.pressureUnit);
    section(1590, 1030, t.svol12, t.volumeUnit);
    section(600, 1340, t.p22, t.pressureUnit);
    section(600, 1390, t.svol22, t.volumeUnit);
    section(1590, 1340, t.p21, t.pressureUnit);
    section(1590, 1390, t.svol21, t.volumeUnit);

    if (v_.details) {
        const std::pair<double, const QString*> left[] = {{935, &t.rim11},   {1060, &t.carry11}, {1115, &t.seal11},
                                                          {1245, &t.seal22}, {1300, &t.carry22}, {1425, &t.rim22}};
        const std::pair<double, const QString*> right[] = {{935, &t.rim12},   {1060, &t.carry12}, {1115, &t.seal12},
                                                           {1245, &t.seal21}, {1300, &t.carry21}, {1425, &t.rim21}};
        for (const auto& [y, text] : left) At(930, y, *text, TextAlign::Right);
        for (const auto& [y, text] : right) At(1400, y, *text, TextAlign::Right);
    }
    if (v_.purgeSector != 0) {
        At(930, 1147, t.purge11, TextAlign::Right);
        At(930, 1213, t.purge22, TextAlign::Right);
    }

    // The pressure drops of the rotor above and below its drawing, clear of its outline and arrows.
    At(1096, 808, t.dpS1, TextAlign::Centre);
    At(1096, 1558, t.dpS2, TextAlign::Centre);
    At(600, 1100, QStringLiteral("OACF = ") + Fixed(v_.oacf, 2), TextAlign::Centre);
    At(1590, 1100, QStringLiteral("EATR = ") + Fixed(v_.eatr, 1) + QStringLiteral(" %"), TextAlign::Centre);

    c_.SetFontStyle(FontStyle::Italic);
    At(598, 860, v_.outsideAir, TextAlign::Centre);
    At(598, 1520, v_.exhaustAir, TextAlign::Centre);
    At(1584, 860, v_.supplyAir, TextAlign::Centre);
    At(1584, 1520, v_.extractAir, TextAlign::Centre);
    c_.SetFontStyle(FontStyle::Normal);
}

void LeakagePainter::DataBlock()
{
    c_.SetFontHeight(PageGrid::FontHeight);
    c_.SetTextAlign(TextAlign::Left);
    const QString mm = QLatin1Char(' ') + Text(671);
    At(250, 1766, Text(180), TextAlign::Left);
    At(750, 1766, v_.designation, TextAlign::Left);
    At(250, 1850, Text(82), TextAlign::Left);
    At(750, 1850, QString::number(v_.diameter) + mm, TextAlign::Left);
    At(250, 1892, Text(201), TextAlign::Left);
    At(750, 1892, v_.profileCode, TextAlign::Left);
    At(250, 1934, Text(87), TextAlign::Left);
    At(750, 1934, Fixed(v_.speed, 1) + QLatin1Char(' ') + Text(196), TextAlign::Left);
    At(250, 2018, Text(397), TextAlign::Left);
    // The fan arrangements stand at 750 unless a stream's name needs more room.
    const QString stream1 = v_.stream1 + QLatin1Char(':');
    const QString stream2 = v_.stream2 + QLatin1Char(':');
    const double fans = std::max(750.0, 300 + std::max(c_.TextWidth(stream1), c_.TextWidth(stream2)) + 20);
    At(300, 2060, stream1, TextAlign::Left);
    At(fans, 2060, v_.fan1Text, TextAlign::Left);
    At(300, 2102, stream2, TextAlign::Left);
    At(fans, 2102, v_.fan2Text, TextAlign::Left);
    At(250, 2186, Text(402), TextAlign::Left);
    At(750, 2186, v_.purgeText, TextAlign::Left);
    if (v_.purgeWarningShown) At(300, 2228, v_.purgeWarning, TextAlign::Left);
    At(250, 2312, v_.texts.allAirVolumes, TextAlign::Left);

    At(1250, 1850, Text(433), TextAlign::Left);
    At(1300, 1892, Text(431), TextAlign::Left);
    At(1750, 1892, Fixed(v_.gapCircumference, 1) + mm, TextAlign::Left);
    At(1300, 1934, Text(432), TextAlign::Left);
    At(1750, 1934, Fixed(v_.gapSeparation, 1) + mm, TextAlign::Left);
    At(1250, 2018, Text(569), TextAlign::Left);

    // The seals by the series the designation names.
    const QString series = v_.designation.left(3);
    const TextId sealing = series == QLatin1String("HXV") ? 571 : series == QLatin1String("HXK") ? 572 : 570;
    c_.WrappedText(Box(1300, 2060, 1950, 2810), Text(sealing));
}

} // namespace

LeakagePageValues LeakagePageValuesOf(const LeakageView& view, const LeakageChoices& choices,
                                      const QString& designation, const PageFrameValues& frame)
{
    const LeakageCaptions captions = CurrentLeakageCaptions();
    LeakagePageValues v;
    v.frame = frame;
    v.frame.printHeader = false;
    v.frame.showNotes = false;
    v.texts = view.texts;
    v.details = choices.details;
    v.fan1 = choices.fan1;
    v.fan2 = choices.fan2;
    v.purgeSector = choices.purgeSector;
    v.purgeWarningShown = view.purgeWarning;
    v.outsideAir = captions.outsideAir;
    v.supplyAir = captions.supplyAir;
    v.extractAir = captions.extractAir;
    v.exhaustAir = captions.exhaustAir;
    v.stream1 = captions.stream1;
    v.stream2 = captions.stream2;
    v.fan1Text = captions.fanItems[choices.fan1 == Fan::BlowThrough ? 1 : 0];
    v.fan2Text = captions.fanItems[choices.fan2 == Fan::BlowThrough ? 1 : 0];
    v.purgeText = captions.purgeItems[static_cast<std::size_t>(std::clamp(choices.purgeSector, 0, 2))];
    v.purgeWarning = captions.purgeWarning;
    v.designation = designation;
    const TDatenRotLeakage& r = view.record;
    v.diameter = r.Diameter;
    v.profileCode = QString::fromStdString(r.ProfileCode);
    v.speed = r.Speed;
    v.gapCircumference = r.GapCircumference;
    v.gapSeparation = r.GapSeparation;
    v.oacf = r.OACF;
    v.eatr = r.EATR;
    v.separators = ProgramSeparators();
    return v;
}

int LeakageRotorPicture(int purgeSector, bool details)
{
    if (details) return purgeSector != 0 ? LeakagePicture::RotorPurgeDetails : LeakagePicture::RotorDetails;
    return purgeSector != 0 ? LeakagePicture::RotorPurge : LeakagePicture::RotorPlain;
}

void DrawLeakagePage(PageCanvas& canvas, const LeakagePageValues& values) { LeakagePainter(canvas, values).Draw(); }

} // namespace velmarsund
