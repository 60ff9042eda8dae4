#include "data_sheet_page.h"

#include "convert_unit.h"
#include "drive_texts.h"
#include "math_error.h"
#include "moist_air.h"
#include "number_format.h"
#include "page_canvas.h"
#include "page_pictures.h"
#include "rotor_data.h"
#include "text_table.h"

#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace velmarsund {
namespace {

constexpr int kSmall = PageGrid::SmallFontHeight;
constexpr int kNormal = PageGrid::FontHeight;
// The top of a letter below the top of its line, as a part of the text height (the print font).
constexpr double kAscent = 0.905;
// The least room between two texts on one line.
constexpr double kTextGap = 16;

QString WithoutLeadingBlanks(QString text)
{
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == QLatin1Char(' ')) ++blanks;
    return text.mid(blanks);
}

// Helpers bound to one page: the canvas, the values and the language of the texts.
class DataSheetPainter {
public:
    DataSheetPainter(PageCanvas& canvas, const DataSheetValues& values)
        : c_(canvas), v_(values), columns_(DataSheetColumnsFor(values.view)),
          summer_(values.view == SeasonView::WinterAndSummer)
    {
    }

    void Draw();

private:
    QString Text(TextId id) const { return LoadText(id, v_.frame.language); }
    bool Has(int message) const { return v_.checkMessages.test(static_cast<std::size_t>(message)); }
    bool Ip() const { return v_.units == UnitSystem::IP; }
    QString Pick(const char* si, const char* ip) const { return QString::fromUtf8(Ip() ? ip : si); }
    // Weight and motor as the rotor panel shows them.
    DriveTexts Drive() const { return DriveTextsOf(v_.weightKg, v_.diameter, v_.matrixType, v_.units, v_.separators); }
    QString Fixed(double value, int digits) const { return FormatFixed(value, digits, 10, v_.separators); }

    void At(double x, double y, const QString& text, TextAlign align = TextAlign::Left)
    {
        c_.SetTextAlign(align);
        c_.Text(x, y, text);
    }
    // A text in at most `room` units: at the current height when it fits, else smaller down to
    // four fifths of it, on the same baseline, and shortened at a word end when even that is too
    // wide.
    void FittedAt(double x, double y, const QString& text, TextAlign align, double room) {
        const int height = c_.State().fontHeight;
        const int floor = (height * 4 + 4) / 5;
        int fitted = height;
        while (fitted > floor && c_.TextWidth(text) > room)
            c_.SetFontHeight(--fitted);
        At(x, y + (height - fitted) * kAscent, FittedText(c_, text, room), align);
        c_.SetFontHeight(height);
    }
    // The room left of a row label at x that starts with blanks: up to where its letters begin.
    double RoomBeforeLabel(double from, double labelX, const QString& label) const {
        const QString blanks = label.left(label.size() - WithoutLeadingBlanks(label).size());
        const FontStyle style = c_.State().fontStyle;
        c_.SetFontStyle(FontStyle::Normal);
        const double start = labelX + c_.TextWidth(blanks);
        c_.SetFontStyle(style);
        return start - kTextGap - from;
    }
    void Rule(double y)
    {
        c_.MoveTo(PageGrid::Left, y);
        c_.LineTo(PageGrid::Right, y);
    }
    std::vector<int> ValueColumns() const { return summer_ ? std::vector<int>{1, 3, 5, 7} : std::vector<int>{1, 3}; }
    int Edge(int column) const
    {
        switch (column) {
        case 1: return columns_.winterSupply;
        case 3: return columns_.winterExhaust;
        case 5: return columns_.summerSupply;
        default: return columns_.summerExhaust;
        }
    }

    QRectF QualityMarkRect() const;
    void ColumnHeadings();
    // A heading broken at the blank that balances its two lines; whole when it fits `room`.
    QStringList TwoLines(const QString& text, double room) const;
    // One row of a state table: label, unit and values; with `wetBulbRow` >= 0 the row carries
    // " (DB/WB)" and each value the wet-bulb value of that row.
    void TableRow(const GridTexts& table, int row, double y, double labelX, int wetBulbRow = -1);
    void TableRows();
    // The heading of a block of rows, left of their labels: on one line when it fits, else on two
    // (the row below is free there), else smaller.
    void BlockHeading(double y, const QString& text, double room);
    void CalculationBasis();
    void TypeLine();
    void EfficiencyLabels();
    void HeatBlockLabels();
    void ProcessUnits();
    void ProcessValues();
    void WarningLines();
    void ProfileLabels();
    void ElectricalValues();
    void ElectricalLabels();
    void Dimensions();
    void HousingAndProfileLines();
    void DeliveryNotes();
    void InchLines();

    PageCanvas& c_;
    const DataSheetValues& v_;
    const DataSheetColumns columns_;
    const bool summer_;
};

void DataSheetPainter::Draw()
{
    PageFrameValues frame = v_.frame;
    frame.showNotes = true;
    DrawPageTitle(c_, frame);

    c_.SetFontHeight(kSmall);
    At(500, 562, v_.hint);
    c_.SetFontHeight(kNormal);

    // Every rule of the page from here on: dotted, the thinnest pen.
    c_.SetPen(0, PenStyle::Dotted);

    ColumnHeadings();
    Rule(898);
    Rule(994);
    TableRows();
    Rule(1221);
    Rule(1442);
    Rule(2137);
    CalculationBasis();

    Rule(2326);
    c_.SetFontStyle(FontStyle::Bold);
    At(250, Ip() ? 2326 : 2347, Text(53));
    c_.SetFontStyle(FontStyle::Normal);

    c_.Picture(PagePicture::QualityMark, QualityMarkRect());
    TypeLine();
    EfficiencyLabels();
    HeatBlockLabels();
    Rule(2005);
    ProcessUnits();
    ProcessValues();

    c_.SetFontStyle(FontStyle::Normal);
    At(250, 2284, Text(89));
    At(780, 2284, Text(196));
    At(750, 2284, FormatGeneral(v_.speed, 10, v_.separators), TextAlign::Right);

    At(1870, 2494, Fixed(v_.foilThickness, 2), TextAlign::Right);
    At(1870, 2536, Fixed(v_.profileHeight, 2), TextAlign::Right);
    At(1870, 2578, Fixed(v_.wheelDepth, 0), TextAlign::Right);

    WarningLines();
    ProfileLabels();
    ElectricalValues();
    ElectricalLabels();
    c_.SetFontHeight(kNormal);
    c_.SetTextAlign(TextAlign::Left);

    Dimensions();
    HousingAndProfileLines();
    DeliveryNotes();
    for (double y : {2494, 2536, 2578}) At(1880, y, Text(671));
    if (Ip()) InchLines();

    const int drawing = v_.seriesIndex == 3   ? PagePicture::HousingHxk
                        : v_.seriesIndex == 2 ? PagePicture::HousingHxv
                                              : PagePicture::HousingHxlHxg;
    c_.Picture(drawing, QRectF(QPointF(850, 2410), QPointF(1336, 2760)));
}

// The quality mark stands right of the hint and the first note; where one of them reaches it, it
// moves into the free column under the notes label, at nearly its size.
QRectF DataSheetPainter::QualityMarkRect() const {
    const QRectF beside(QPointF(1350, 556), QPointF(1608, 644));
    const int height = c_.State().fontHeight;
    c_.SetFontHeight(kSmall);
    double reach = 500 + c_.TextWidth(v_.hint);
    c_.SetFontHeight(kNormal);
    if (!v_.frame.notes.empty()) reach = std::max(reach, 500 + c_.TextWidth(v_.frame.notes.front()));
    c_.SetFontHeight(height);
    if (reach <= beside.left() - kTextGap) return beside;
    return QRectF(QPointF(250, 606), QSizeF(240, 240 * beside.height() / beside.width()));
}

void DataSheetPainter::ColumnHeadings()
{
    c_.SetFontStyle(FontStyle::Bold);
    std::vector<std::pair<int, QString>> headings{{columns_.winterSupply, v_.headings[0]},
                                                  {columns_.winterExhaust, v_.headings[1]}};
    if (v_.useSeasons && summer_) {
        headings.push_back({columns_.summerSupply, v_.headings[0]});
        headings.push_back({columns_.summerExhaust, v_.headings[1]});
    }
    // Each heading has the room from the column before it (the first from the row labels); one
    // that does not fit even four fifths of its height takes two lines at that height, and then
    // the season captions take that height too, so that all three lines fit above the rule.
    const int floor = (kNormal * 4 + 4) / 5;
    std::vector<double> rooms;
    bool twoLines = false;
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const double from = i == 0 ? 515 : headings[i - 1].first + kTextGap;
        rooms.push_back(headings[i].first - from);
        c_.SetFontHeight(floor);
        twoLines = twoLines || c_.TextWidth(headings[i].second) > rooms.back();
        c_.SetFontHeight(kNormal);
    }
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const auto& [edge, text] = headings[i];
        if (!twoLines) {
            FittedAt(edge, 856, text, TextAlign::Right, rooms[i]);
            continue;
        }
        c_.SetFontHeight(floor);
        const QStringList lines = TwoLines(text, rooms[i]);
        const double top = lines.size() > 1 ? 840 : 867;
        for (qsizetype k = 0; k < lines.size(); ++k)
            At(edge, top + k * 27.0, FittedText(c_, lines[k], rooms[i]), TextAlign::Right);
        c_.SetFontHeight(kNormal);
    }
    if (v_.useSeasons) {
        if (twoLines) c_.SetFontHeight(floor);
        const double captionY = twoLines ? 810 : 814;
        At(columns_.winterCaption, captionY, v_.winterCaption, TextAlign::Centre);
        if (summer_) At(columns_.summerCaption, captionY, v_.summerCaption, TextAlign::Centre);
        c_.SetFontHeight(kNormal);
    }
}

QStringList DataSheetPainter::TwoLines(const QString& text, double room) const {
    if (c_.TextWidth(text) <= room) return {text};
    // The break at a blank that makes the longer line shortest.
    qsizetype best = -1;
    double bestWidth = 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (!text[i].isSpace()) continue;
        const double width = std::max(c_.TextWidth(text.left(i)), c_.TextWidth(text.mid(i + 1)));
        if (best < 0 || width < bestWidth) {
            best = i;
            bestWidth = width;
        }
    }
    if (best < 0) return {text};
    return {text.left(best), text.mid(best + 1)};
}

void DataSheetPainter::TableRow(const GridTexts& table, int row, double y, double labelX, int wetBulbRow)
{
    const bool wetBulb = wetBulbRow >= 0 && v_.wetBulbOnDataSheet;
    At(labelX, y, table.Cell(0, row) + (wetBulb ? QStringLiteral(" (DB/WB)") : QString()));
    FittedAt(columns_.unit, y, table.Cell(columns_.unitColumn, row), TextAlign::Left,
             PageGrid::Right - columns_.unit);
    for (int column : ValueColumns()) {
        QString value = WithoutLeadingBlanks(table.Cell(column, row));
        if (wetBulb) value += QStringLiteral(" / ") + WithoutLeadingBlanks(table.Cell(column, wetBulbRow));
        At(Edge(column), y, value, TextAlign::Right);
    }
}

void DataSheetPainter::BlockHeading(double y, const QString& text, double room) {
    const QStringList lines = TwoLines(text, room);
    if (lines.size() == 2 && c_.TextWidth(lines[0]) <= room && c_.TextWidth(lines[1]) <= room) {
        At(250, y, lines[0]);
        At(250, y + PageGrid::LineHeight, lines[1]);
        return;
    }
    FittedAt(250, y, text, TextAlign::Left, room);
}

void DataSheetPainter::TableRows()
{
    c_.SetFontStyle(FontStyle::Bold);
    const QString inletLabel = v_.tables.inlet.Cell(0, InletRow::ActualVolume);
    const QString outletLabel = v_.tables.outlet.Cell(0, OutletRow::ActualVolume);
    BlockHeading(1005, v_.tables.inlet.Cell(0, InletRow::Heading), RoomBeforeLabel(250, 515, inletLabel));
    BlockHeading(1232, v_.tables.outlet.Cell(0, OutletRow::Heading), RoomBeforeLabel(250, 515, outletLabel));
    c_.SetFontStyle(FontStyle::Normal);

    const GridTexts& inlet = v_.tables.inlet;
    TableRow(inlet, InletRow::StandardVolume, 909, 515);
    TableRow(inlet, InletRow::MassFlow, 951, 515);
    TableRow(inlet, InletRow::ActualVolume, 1005, 515);
    TableRow(inlet, InletRow::Temperature, 1047, 515, InletRow::WetBulb);
    TableRow(inlet, InletRow::RelativeHumidity, 1089, 515);
    TableRow(inlet, InletRow::HumidityRatio, 1131, 515);
    TableRow(inlet, InletRow::Enthalpy, 1173, 515);

    const GridTexts& outlet = v_.tables.outlet;
    TableRow(outlet, OutletRow::ActualVolume, 1232, 515);
    TableRow(outlet, OutletRow::Temperature, 1274, 515, OutletRow::WetBulb);
    TableRow(outlet, OutletRow::RelativeHumidity, 1316, 515);
    TableRow(outlet, OutletRow::HumidityRatio, 1358, 515);
    TableRow(outlet, OutletRow::Enthalpy, 1400, 515);

    const GridTexts& velocity = v_.tables.velocity;
    TableRow(velocity, VelocityRow::FaceVelocity, 1453, 250);
    TableRow(velocity, VelocityRow::PressureDrop, 1495, 250);
    TableRow(velocity, VelocityRow::PressureDropStd, 1537, 250);
}

void DataSheetPainter::CalculationBasis()
{
    c_.SetFontStyle(FontStyle::Bold);
    At(250, 2158, Text(134));
    c_.SetFontStyle(FontStyle::Normal);

    At(250, 2200, Text(1));
    At(780, 2200, Ip() ? Text(669) : QStringLiteral("mbar"));
    const double pressure =
        ConvertUnit(Quantity::AirPressure, Unit::Millibar,
                    UnitChoice(v_.units, Unit::Millibar, Unit::Atmosphere), v_.airPressure);
    At(750, 2200, Fixed(pressure, Ip() ? 2 : 0), TextAlign::Right);

    At(250, 2242, Text(2));
    At(780, 2242, Ip() ? Text(670) : QStringLiteral("m"));
    try {
        const double altitude = AltitudeFromPressure(v_.airPressure);
        At(750, 2242,
           Fixed(ConvertUnit(Quantity::Length, Unit::Metre, UnitChoice(v_.units, Unit::Metre, Unit::Foot),
                             altitude),
                 0),
           TextAlign::Right);
    } catch (const MathError&) {
        // no altitude for a pressure the formula cannot take
    }
}

void DataSheetPainter::TypeLine()
{
    QString matrix;
    switch (v_.matrixType) {
    case MatrixP: matrix = Text(198); break;
    case MatrixE: matrix = Text(199); break;
    case MatrixK: matrix = Text(200); break;
    case MatrixN: matrix = Text(414) + QStringLiteral(" Dryla"); break;
    default: break;
    }
    if (!matrix.isEmpty()) matrix += QStringLiteral("  ");
    c_.SetFontStyle(FontStyle::Bold);
    At(250, 772, Text(136) + QStringLiteral(":   ") + matrix + v_.designation);
    c_.SetFontStyle(FontStyle::Normal);
}

void DataSheetPainter::EfficiencyLabels()
{
    const EffectivenessOptions& e = v_.effectiveness;
    if (e.useAhriEffectiveness) {
        const QString ahri = QStringLiteral(" (AHRI 1060)");
        At(250, 1580, Text(436) + ahri);
        At(250, 1622, Text(437) + ahri);
        if (e.totalEffectiveness) At(250, 1664, Text(438) + ahri);
    } else {
        At(250, 1580, Text(19) + QStringLiteral(" (EN 308)"));
        At(250, 1622, Text(20) + QStringLiteral(" (EN 308)"));
        if (e.energyEfficiencyClass) {
            At(250, 1664, Text(560));
            At(250, 1706, Text(19) + QStringLiteral(" ErP Lot 6"));
        }
    }
}

void DataSheetPainter::HeatBlockLabels()
{
    c_.SetFontStyle(FontStyle::Bold);
    At(250, 1748, Text(26));
    c_.SetFontStyle(FontStyle::Normal);
    At(250, 1790, Text(30));
    At(250, 1832, Text(31));
    At(250, 1874, Text(32));
    At(250, 1916, Text(40));
}

void DataSheetPainter::ProcessUnits()
{
    const QString percent = QStringLiteral("%");
    const double room = PageGrid::Right - columns_.unit;
    const auto unit = [&](double y, const QString& text) {
        FittedAt(columns_.unit, y, text, TextAlign::Left, room);
    };
    unit(1580, percent);
    unit(1622, percent);
    if (v_.effectiveness.totalEffectiveness) unit(1664, percent);
    if (v_.effectiveness.energyEfficiencyClass) unit(1706, percent);
    for (double y : {1790, 1832, 1874})
        unit(y, Pick("kW", "BTU/h"));
    unit(1916, Pick("g/kg", "gr/lb"));
    unit(1958, Pick("kg/h", "lb/h"));
}

void DataSheetPainter::ProcessValues()
{
    constexpr double kRows[ProcessRow::Count] = {1580, 1622, 1664, 1706, 1790, 1832, 1874, 1916, 1958};
    // A value (or the remark of a column without one) has the room of its column: from the edge
    // of the column before it; the first column as much as the second.
    const std::vector<int> columns = ValueColumns();
    const double width = Edge(columns[1]) - Edge(columns[0]) - kTextGap;
    for (int row = 0; row < ProcessRow::Count; ++row)
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const double room = i == 0 ? width : Edge(columns[i]) - Edge(columns[i - 1]) - kTextGap;
            FittedAt(Edge(columns[i]), kRows[row], v_.tables.process.Cell(columns[i], row), TextAlign::Right,
                     room);
        }
}

void DataSheetPainter::WarningLines()
{
    c_.SetTextAlign(TextAlign::Left);
    const double velocity = std::max(v_.faceVelocity1, v_.faceVelocity2);
    if (Has(CheckMessage::PressureDropWarning) || Has(CheckMessage::PressureDropError)) {
        At(250, 2010, Text(126));
    } else if (velocity > 5 && (Has(CheckMessage::VelocityWarning) || Has(CheckMessage::VelocityError))) {
        At(250, 2010, Text(122));
        At(250, 2052, Text(123));
    }
    if (Has(CheckMessage::RatioWarning) || Has(CheckMessage::RatioError)) At(250, 2094, Text(127));
}

void DataSheetPainter::ProfileLabels()
{
    // Each label has the room up to its value, right-aligned at 1870.
    const QString colon = QStringLiteral(": ");
    const auto label = [&](double y, const QString& text, const QString& value) {
        FittedAt(1350, y, text, TextAlign::Left, 1870 - c_.TextWidth(value) - kTextGap - 1350);
    };
    label(2494, Text(84) + colon + v_.profileText.left(1), Fixed(v_.foilThickness, 2));
    label(2536, Text(85) + colon + v_.profileText.mid(1, 2), Fixed(v_.profileHeight, 2));
    label(2578, Text(492), Fixed(v_.wheelDepth, 0));
}

void DataSheetPainter::ElectricalValues()
{
    At(1650, 2200, QString::number(kControllerSupplyVolts), TextAlign::Right);
    const DriveTexts drive = Drive();
    At(1650, 2242, drive.power, TextAlign::Right);
    At(1650, 2284, drive.current, TextAlign::Right);
}

void DataSheetPainter::ElectricalLabels()
{
    c_.SetFontStyle(FontStyle::Bold);
    FittedAt(1150, 2158, Text(206), TextAlign::Left, PageGrid::Right - 1150);
    c_.SetFontStyle(FontStyle::Normal);
    // Each label has the room up to its value, right-aligned at 1650.
    const DriveTexts drive = Drive();
    const auto label = [&](double y, const QString& text, const QString& value) {
        FittedAt(1150, y, text, TextAlign::Left, 1650 - c_.TextWidth(value) - kTextGap - 1150);
    };
    label(2200, Text(258) + QLatin1Char(' ') + Text(653), QString::number(kControllerSupplyVolts));
    label(2242, Text(466) + QLatin1Char(' ') + Text(654), drive.power);
    label(2284, Text(351), drive.current);
    At(1680, 2200, QStringLiteral("Volt"));
    At(1680, 2242, Pick("Watt", "HP"));
    At(1680, 2284, QStringLiteral("A"));
}

void DataSheetPainter::Dimensions()
{
    struct Item {
        QString label;
        double siY, ipY;
        QString value;
        QString unit;
    };
    const QString mm = Text(671);
    const DriveTexts drive = Drive();
    const Item items[] = {
        {Text(54) + QStringLiteral(" (A)"), 2452, 2410, v_.heightText, mm},
        {Text(55) + QStringLiteral(" (B)"), 2494, 2494, v_.widthText, mm},
        {Text(56) + QStringLiteral(" (C)"), 2536, 2578, v_.depthText, mm},
        {Text(82), 2620, 2662, v_.diameterText, mm},
        {Text(64), 2704, 2746, drive.weight, drive.weightUnit},
    };
    for (const Item& item : items) {
        const double y = Ip() ? item.ipY : item.siY;
        At(250, y, item.label);
        At(720, y, item.value, TextAlign::Right);
        At(750, y, item.unit);
    }
}

void DataSheetPainter::HousingAndProfileLines()
{
    c_.SetFontStyle(FontStyle::Bold);
    const QString cassette = v_.frame.language == Language::English ? QStringLiteral("Cassette ") : QString();
    At(1350, 2368, cassette + Text(187) + QLatin1Char(' ') + v_.seriesText.left(3));
    At(1350, 2452, Text(201) + QLatin1Char(' ') + v_.profileText);
    c_.SetFontStyle(FontStyle::Normal);
}

void DataSheetPainter::DeliveryNotes()
{
    if (v_.seriesIndex >= 0 && v_.seriesIndex <= 2 && v_.diameter > 2380) {
        At(1350, 2662, Text(128));
        At(1350, 2704, Text(129));
    } else if (v_.seriesIndex == 3 && std::min(v_.height, v_.width) > 2500) {
        At(1350, 2662, Text(532));
    }
}

void DataSheetPainter::InchLines()
{
    c_.SetFontStyle(FontStyle::Italic);
    c_.SetFontHeight(kSmall);
    const QString inch = QStringLiteral("in.");
    for (double y : {2452, 2536, 2704, 2620}) At(750, y, inch);
    At(1880, 2620, inch);
    const auto inches = [this](double mm) {
        return Fixed(ConvertUnit(Quantity::Length, Unit::Millimetre, Unit::Inch, mm), 2);
    };
    At(720, 2452, inches(static_cast<double>(v_.height)), TextAlign::Right);
    At(720, 2536, inches(static_cast<double>(v_.width)), TextAlign::Right);
    At(720, 2620, inches(static_cast<double>(v_.depth)), TextAlign::Right);
    At(720, 2704, inches(v_.diameter), TextAlign::Right);
    At(1870, 2620, inches(v_.wheelDepth), TextAlign::Right);
    c_.SetFontHeight(kNormal);
    c_.SetFontStyle(FontStyle::Normal);
    c_.SetTextAlign(TextAlign::Left);
}

} // namespace

DataSheetColumns DataSheetColumnsFor(SeasonView view)
{
    if (view == SeasonView::WinterAndSummer) return {1130, 1350, 1600, 1820, 1850, 9, 1180, 1650};
    return {1300, 1650, 0, 0, 1680, 5, 1400, 0};
}

void DrawDataSheet(PageCanvas& canvas, const DataSheetValues& values) { DataSheetPainter(canvas, values).Draw(); }

} // namespace velmarsund
