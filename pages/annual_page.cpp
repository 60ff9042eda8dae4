#include "annual_page.h"

#include "convert_unit.h"
#include "number_format.h"
#include "page_canvas.h"
#include "text_format.h"
#include "text_table.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace velmarsund {
namespace {

constexpr TextId kTitle = 700, kWeatherFile = 701, kOperatingHours = 702, kMondayToFriday = 703,
                 kEveryDay = 704;
constexpr TextId kSetpoint = 705, kFanEfficiency = 706, kHeatPrice = 707, kElectricityPrice = 708;
constexpr TextId kCoolingCop = 709, kInvestment = 710, kFirstMonth = 712, kYear = 724;
constexpr TextId kRowTexts[] = {725, 726, 727, 728, 729, 730, 731, 732, 733, 734, 735, 736, 737, 738};
constexpr TextId kMoneySaved = 738, kPayback = 739, kYears = 740;
constexpr TextId kHeatingSaved = 741, kCoolingSaved = 742, kFanAndDrive = 743;
constexpr TextId kMonthPlot = 744, kDurationPlot = 745, kYearHoursText = 746;
constexpr TextId kHeatingHours = 726, kCoolingHours = 727, kIdleHours = 728, kFailedHours = 730;
constexpr TextId kHourUnit = 756;
constexpr TextId kWeatherRefused = 751, kWeatherLine = 757;

// The reasons of the weather faults, in the order of WeatherFault; the fault's values fill them in.
constexpr TextId kWeatherFaultTexts = 773;
static_assert(kWeatherFaultTexts + static_cast<TextId>(WeatherFault::TooLarge) == 790);

const QColor kHeatingColour(196, 62, 40);
const QColor kCoolingColour(38, 98, 196);
const QColor kCostColour(128, 128, 128);
const QColor kIdleColour(96, 160, 80);
const QColor kFailedColour(0, 0, 0);
const QColor kYearColour(176, 176, 176);
const QColor kGridColour(214, 214, 214);

constexpr int kTextHeight = 28; // the inputs and the table's largest
constexpr int kPlotTextHeight = 24;
constexpr double kColumnGap = 14; // between the table's columns

QRectF Box(double left, double top, double right, double bottom) {
    return {QPointF(left, top), QPointF(right, bottom)};
}

bool IsEnergy(AnnualRow row) {
    return row >= AnnualRow::HeatingSensible && row <= AnnualRow::DriveEnergy;
}

double EnergyShown(double kwh, UnitSystem units) {
    return ConvertUnit(Quantity::Energy, Unit::KilowattHour,
                       UnitChoice(units, Unit::KilowattHour, Unit::KiloBtu), kwh);
}

QString EnergyUnit(UnitSystem units) {
    return units == UnitSystem::IP ? QStringLiteral("kBtu") : QStringLiteral("kWh");
}

double TempShown(double celsius, UnitSystem units) {
    return ConvertUnit(Quantity::Temperature, Unit::Celsius,
                       UnitChoice(units, Unit::Celsius, Unit::Fahrenheit), celsius);
}

QString TempUnit(UnitSystem units) {
    return units == UnitSystem::IP ? QStringLiteral("°F") : QStringLiteral("°C");
}

// A step of 1, 2, 2.5 or 5 times a power of ten that divides `span` into about `parts`.
double NiceStep(double span, int parts) {
    if (!(span > 0)) return 1;
    const double raw = span / parts;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (raw <= m * decade) return m * decade;
    return 10 * decade;
}

void LegendItem(PageCanvas& c, double x, double y, const QColor& colour, bool line, const QString& text,
                double width) {
    const double mid = y + kPlotTextHeight * 0.55;
    if (line) {
        c.SetPen(6, PenStyle::Solid, colour);
        c.Line({x, mid}, {x + 50, mid});
    } else {
        c.SetPen(0, PenStyle::Solid, colour);
        c.SetBrush(BrushStyle::Solid, colour);
        c.Rectangle(Box(x + 10, mid - 12, x + 40, mid + 12));
        c.SetBrush(BrushStyle::Clear);
    }
    c.SetPen(0);
    c.SetTextAlign(TextAlign::Left);
    c.Text(x + 64, y, FittedText(c, text, width - 64));
}

class AnnualPainter {
  public:
    AnnualPainter(PageCanvas& canvas, const AnnualPageValues& values) : c_(canvas), v_(values) {}
    void Draw();

  private:
    QString Text(TextId id) const { return LoadText(id, v_.frame.language); }
    double Inputs(double top);
    double Table(double top);

    PageCanvas& c_;
    const AnnualPageValues& v_;
};

void AnnualPainter::Draw() {
    PageFrameValues frame = v_.frame;
    frame.showNotes = false;
    DrawPageTitle(c_, frame);
    c_.SetFontStyle(FontStyle::Bold);
    c_.SetFontHeight(PageGrid::LargeFontHeight);
    c_.SetTextAlign(TextAlign::Left);
    const QString title = Text(kTitle);
    c_.Text(PageGrid::Left, 604, title);
    const double titleRight = PageGrid::Left + c_.TextWidth(title) + 40;
    c_.SetTextAlign(TextAlign::Right);
    c_.Text(PageGrid::Right, 604, FittedText(c_, v_.designation, PageGrid::Right - titleRight));
    c_.SetFontStyle(FontStyle::Normal);

    double y = Inputs(670);
    y = Table(y + 24);
    c_.SetFontHeight(kTextHeight);
    c_.SetTextAlign(TextAlign::Left);
    const QString saving = AnnualSavingText(v_);
    if (!saving.isEmpty()) {
        c_.SetFontStyle(FontStyle::Bold);
        c_.Text(PageGrid::Left, y + 10, FittedText(c_, saving, PageGrid::Right - PageGrid::Left));
        c_.SetFontStyle(FontStyle::Normal);
    }
    const double plotTop = std::max(y + 80, 1470.0);
    DrawAnnualMonthBars(c_, Box(PageGrid::Left, plotTop, 1060, 2790), v_);
    DrawAnnualDurationCurve(c_, Box(1140, plotTop, PageGrid::Right, 2790), v_);
}

// The weather file and the schedule on lines of their own, then the other inputs in two columns;
// returns the bottom.
double AnnualPainter::Inputs(double top) {
    const std::vector<std::pair<QString, QString>> inputs = AnnualInputTexts(v_);
    c_.SetFontHeight(kTextHeight);
    c_.SetTextAlign(TextAlign::Left);
    constexpr double kLine = 38;
    const double width = PageGrid::Right - PageGrid::Left;
    const std::size_t fullLines = std::min<std::size_t>(2, inputs.size());
    const std::size_t rest = inputs.size() - fullLines;
    const std::size_t leftCount = (rest + 1) / 2;
    const double columnWidth = width / 2 - 20;
    // The two full lines and the left column take their values after the widest of their labels.
    double valueX = PageGrid::Left;
    for (std::size_t i = 0; i < fullLines + leftCount; ++i)
        valueX = std::max(valueX, PageGrid::Left + c_.TextWidth(inputs[i].first) + 20);
    valueX = std::min(valueX, PageGrid::Left + columnWidth * 0.65 + 20);
    double y = top;
    for (std::size_t i = 0; i < fullLines; ++i, y += kLine) {
        c_.Text(PageGrid::Left, y, FittedText(c_, inputs[i].first, valueX - 20 - PageGrid::Left));
        c_.Text(valueX, y, FittedText(c_, inputs[i].second, PageGrid::Right - valueX));
    }
    // The rest: the first half on the left, the second on the right.
    const double columns[] = {PageGrid::Left, PageGrid::Left + width / 2 + 20};
    for (int side = 0; side < 2; ++side) {
        const std::size_t first = fullLines + (side == 0 ? 0 : leftCount);
        const std::size_t last = side == 0 ? fullLines + leftCount : inputs.size();
        double labelWidth = valueX - 20 - PageGrid::Left;
        if (side == 1) {
            labelWidth = 0;
            for (std::size_t i = first; i < last; ++i)
                labelWidth = std::max(labelWidth, c_.TextWidth(inputs[i].first));
            labelWidth = std::min(labelWidth, columnWidth * 0.65);
        }
        const double x = columns[side];
        const double value = x + labelWidth + 20;
        for (std::size_t i = first; i < last; ++i) {
            const double rowY = y + kLine * static_cast<double>(i - first);
            c_.Text(x, rowY, FittedText(c_, inputs[i].first, labelWidth));
            c_.Text(value, rowY, FittedText(c_, inputs[i].second, x + columnWidth - value));
        }
    }
    return y + kLine * static_cast<double>(leftCount);
}

// The table of figures, the labels and units on the left, the months and the year to the right;
// the font shrinks until the widest figures fit. Returns the bottom.
double AnnualPainter::Table(double top) {
    const AnnualTable t = AnnualTableOf(v_.results, v_.inputs, v_.units, v_.separators, v_.frame.language);
    const double left = PageGrid::Left, right = PageGrid::Right;
    int height = kTextHeight - 2;
    double unitWidth = 0, monthWidth = 0, yearWidth = 0, labelWidth = 0;
    for (;; --height) {
        c_.SetFontHeight(height);
        c_.SetFontStyle(FontStyle::Bold);
        monthWidth = 0;
        for (int m = 0; m < 12; ++m)
            monthWidth = std::max(monthWidth, c_.TextWidth(t.columns[m]));
        yearWidth = c_.TextWidth(t.columns[12]);
        for (const auto& row : t.cells)
            yearWidth = std::max(yearWidth, c_.TextWidth(row[12]));
        c_.SetFontStyle(FontStyle::Normal);
        unitWidth = labelWidth = 0;
        for (const auto& row : t.cells)
            for (int m = 0; m < 12; ++m)
                monthWidth = std::max(monthWidth, c_.TextWidth(row[m]));
        for (const QString& unit : t.units)
            unitWidth = std::max(unitWidth, c_.TextWidth(unit));
        for (const QString& label : t.labels)
            labelWidth = std::max(labelWidth, c_.TextWidth(label));
        const double figures = 12 * (monthWidth + kColumnGap) + yearWidth + 2 * kColumnGap;
        const double room = right - left - figures - unitWidth - 2 * kColumnGap;
        const bool fits = labelWidth <= room;
        labelWidth = std::min(labelWidth, room);
        if (fits || height <= 18) break;
    }
    const double rowHeight = std::round(height * 1.32);
    const double unitX = left + labelWidth + kColumnGap;
    const double figuresLeft = unitX + unitWidth + kColumnGap;
    const double yearRight = right;
    const double yearLeft = yearRight - yearWidth - 2 * kColumnGap;
    const double monthStep = (yearLeft - figuresLeft) / 12;
    const auto monthRight = [&](int m) { return figuresLeft + monthStep * (m + 1) - kColumnGap / 2; };

    // Header row.
    c_.SetPen(0);
    c_.SetFontStyle(FontStyle::Bold);
    c_.SetTextAlign(TextAlign::Right);
    for (int m = 0; m < 12; ++m)
        c_.Text(monthRight(m), top, t.columns[m]);
    c_.Text(yearRight, top, t.columns[12]);
    c_.SetFontStyle(FontStyle::Normal);
    c_.MoveTo(left, top + rowHeight - 2);
    c_.LineTo(right, top + rowHeight - 2);
    double y = top + rowHeight + 2;
    for (std::size_t r = 0; r < t.rows.size(); ++r, y += rowHeight) {
        // A rule between the hours and the energies, and before the money.
        if (t.rows[r] == AnnualRow::HeatingSensible || t.rows[r] == AnnualRow::MoneySaved) {
            c_.SetPen(0, PenStyle::Dotted);
            c_.MoveTo(left, y - 2);
            c_.LineTo(right, y - 2);
            c_.SetPen(0);
            y += 4;
        }
        c_.SetTextAlign(TextAlign::Left);
        c_.Text(left, y, FittedText(c_, t.labels[r], labelWidth));
        c_.Text(unitX, y, t.units[r]);
        c_.SetTextAlign(TextAlign::Right);
        for (int m = 0; m < 12; ++m)
            c_.Text(monthRight(m), y, t.cells[r][static_cast<std::size_t>(m)]);
        c_.SetFontStyle(FontStyle::Bold);
        c_.Text(yearRight, y, t.cells[r][12]);
        c_.SetFontStyle(FontStyle::Normal);
    }
    c_.MoveTo(left, y + 2);
    c_.LineTo(right, y + 2);
    // The year stands apart from the months.
    c_.MoveTo(yearLeft + kColumnGap, top);
    c_.LineTo(yearLeft + kColumnGap, y + 2);
    c_.SetTextAlign(TextAlign::Left);
    return y + 6;
}

// The frame of a plot with its title above and the room for the axis labels; returns the plot's
// inner rectangle.
struct PlotFrame {
    QRectF plot;
    double legendTop = 0;
};

PlotFrame DrawPlotFrame(PageCanvas& c, const QRectF& area, const QString& title, double yLabelWidth,
                        int legendLines) {
    c.SetFontHeight(kTextHeight);
    c.SetFontStyle(FontStyle::Bold);
    c.SetTextAlign(TextAlign::Left);
    c.Text(area.left(), area.top(), FittedText(c, title, area.width()));
    c.SetFontStyle(FontStyle::Normal);
    const double legendHeight = legendLines * 34.0;
    const double plotTop = area.top() + 90;
    const double plotBottom = area.bottom() - legendHeight - 80;
    PlotFrame f;
    f.plot = Box(area.left() + yLabelWidth + 14, plotTop, area.right() - 10, plotBottom);
    f.legendTop = area.bottom() - legendHeight;
    c.SetPen(0);
    c.SetBrush(BrushStyle::Clear);
    c.Rectangle(f.plot);
    return f;
}

} // namespace

const char* AnnualRowName(AnnualRow row) {
    static const char* const kNames[] = {"Scheduled",      "Heating",      "Cooling",         "Idle",
                                         "Frost",          "Failed",       "HeatingSensible", "HeatingLatent",
                                         "HeatingTotal",   "CoolingTotal", "FanEnergy",       "DriveEnergy",
                                         "WaterRecovered", "MoneySaved"};
    return kNames[static_cast<int>(row)];
}

std::optional<double> AnnualRowValue(AnnualRow row, const AnnualFigures& f, const AnnualInputs& inputs) {
    switch (row) {
    case AnnualRow::Scheduled:
        return static_cast<double>(f.scheduled);
    case AnnualRow::Heating:
        return static_cast<double>(f.heating);
    case AnnualRow::Cooling:
        return static_cast<double>(f.cooling);
    case AnnualRow::Idle:
        return static_cast<double>(f.idle);
    case AnnualRow::Frost:
        return static_cast<double>(f.frost);
    case AnnualRow::Failed:
        return static_cast<double>(f.failed);
    case AnnualRow::HeatingSensible:
        return f.heatingSensible;
    case AnnualRow::HeatingLatent:
        return f.heatingLatent;
    case AnnualRow::HeatingTotal:
        return f.heatingTotal;
    case AnnualRow::CoolingTotal:
        return f.coolingTotal;
    case AnnualRow::FanEnergy:
        return f.fanEnergy;
    case AnnualRow::DriveEnergy:
        return f.driveEnergy;
    case AnnualRow::WaterRecovered:
        return f.waterRecovered;
    case AnnualRow::MoneySaved:
        return MoneySaved(f, inputs);
    }
    return std::nullopt;
}

QString AnnualCellText(AnnualRow row, double value, UnitSystem units, const NumberSeparators& separators) {
    double shown = value;
    if (IsEnergy(row))
        shown = EnergyShown(value, units);
    else if (row == AnnualRow::WaterRecovered)
        shown = ConvertUnit(Quantity::Mass, Unit::Kilogram, UnitChoice(units, Unit::Kilogram, Unit::Pound),
                            value);
    // No grouping: a year's figure keeps to its column.
    return FormatFixed(shown, 0, 10, separators);
}

AnnualTable AnnualTableOf(const AnnualResults& results, const AnnualInputs& inputs, UnitSystem units,
                          const NumberSeparators& separators, LanguageNumber language) {
    AnnualTable t;
    for (int m = 0; m < 12; ++m)
        t.columns[static_cast<std::size_t>(m)] = LoadText(kFirstMonth + m, language);
    t.columns[12] = LoadText(kYear, language);
    const bool money = MoneySaved(results.year, inputs).has_value();
    for (int r = 0; r <= static_cast<int>(AnnualRow::MoneySaved); ++r) {
        const auto row = static_cast<AnnualRow>(r);
        if (row == AnnualRow::MoneySaved && !money) continue;
        t.rows.push_back(row);
        t.labels.push_back(LoadText(kRowTexts[r], language));
        QString unit = LoadText(kHourUnit, language);
        if (IsEnergy(row)) unit = EnergyUnit(units);
        if (row == AnnualRow::WaterRecovered)
            unit = units == UnitSystem::IP ? QStringLiteral("lb") : QStringLiteral("kg");
        if (row == AnnualRow::MoneySaved) unit = QString::fromStdString(inputs.currency);
        t.units.push_back(unit);
        std::array<QString, 13> cells;
        for (std::size_t m = 0; m < 13; ++m) {
            const AnnualFigures& f = m < 12 ? results.months[m] : results.year;
            cells[m] = AnnualCellText(row, AnnualRowValue(row, f, inputs).value_or(0), units, separators);
        }
        t.cells.push_back(cells);
    }
    return t;
}

std::vector<std::pair<QString, QString>> AnnualInputTexts(const AnnualPageValues& v) {
    const LanguageNumber language = v.frame.language;
    const AnnualInputs& in = v.inputs;
    const auto label = [&](TextId id) { return LoadText(id, language) + LabelColon(language); };
    const auto fixed = [&](double value, int digits) { return FormatFixed(value, digits, 10, v.separators); };
    const QString currency = QString::fromStdString(in.currency);
    const auto price = [&](double p) {
        return fixed(p, 3) + QLatin1Char(' ') + (currency.isEmpty() ? QString() : currency) +
               QStringLiteral("/kWh");
    };
    std::vector<std::pair<QString, QString>> texts;
    QString weather = v.location;
    const QString file = QFileInfo(QString::fromStdString(in.weather)).fileName();
    if (!file.isEmpty()) weather += (weather.isEmpty() ? QString() : QStringLiteral(" \u2013 ")) + file;
    texts.emplace_back(label(kWeatherFile), weather);
    texts.emplace_back(label(kOperatingHours),
                       QString::number(in.scheduleFrom) + QStringLiteral("\u2013") +
                           QString::number(in.scheduleTo) + QLatin1Char(' ') + LoadText(kHourUnit, language) +
                           QStringLiteral(", ") +
                           LoadText(in.scheduleDays == 5 ? kMondayToFriday : kEveryDay, language));
    // The left column.
    texts.emplace_back(label(kSetpoint), fixed(TempShown(in.supplySetpoint, v.units), 1) + QLatin1Char(' ') +
                                             TempUnit(v.units));
    texts.emplace_back(label(kFanEfficiency), fixed(in.fanEfficiency, 2));
    texts.emplace_back(label(kCoolingCop), fixed(in.coolingCop, 1));
    // The right column.
    const QString none = QStringLiteral("\u2013");
    texts.emplace_back(label(kHeatPrice), in.heatPrice ? price(*in.heatPrice) : none);
    texts.emplace_back(label(kElectricityPrice), in.electricityPrice ? price(*in.electricityPrice) : none);
    texts.emplace_back(label(kInvestment),
                       in.investment ? fixed(*in.investment, 0) +
                                           (currency.isEmpty() ? QString() : QLatin1Char(' ') + currency)
                                     : none);
    return texts;
}

QString AnnualSavingText(const AnnualPageValues& v) {
    const LanguageNumber language = v.frame.language;
    const std::optional<double> saved = MoneySaved(v.results.year, v.inputs);
    if (!saved) return {};
    const QString currency = QString::fromStdString(v.inputs.currency);
    QString text = LoadText(kMoneySaved, language) + LabelColon(language) + QLatin1Char(' ') +
                   FormatFixed(*saved, 0, 10, v.separators) +
                   (currency.isEmpty() ? QString() : QLatin1Char(' ') + currency);
    if (const std::optional<double> payback = PaybackYears(v.results.year, v.inputs))
        text += QStringLiteral("     ") + LoadText(kPayback, language) + LabelColon(language) + QLatin1Char(' ') +
                FormatFixed(*payback, 1, 10, v.separators) + QLatin1Char(' ') + LoadText(kYears, language);
    return text;
}

void DrawAnnualMonthBars(PageCanvas& c, const QRectF& area, const AnnualPageValues& v) {
    const LanguageNumber language = v.frame.language;
    // The scale: the larger of the recovered energy and the cost in any month.
    double top = 0;
    for (const AnnualFigures& m : v.results.months)
        top = std::max({top, EnergyShown(m.heatingTotal + m.coolingTotal, v.units),
                        EnergyShown(m.fanEnergy + m.driveEnergy, v.units)});
    const double step = NiceStep(top, 5);
    const double scaleTop = std::max(step, std::ceil(top / step - 1e-9) * step);
    c.SetFontHeight(kPlotTextHeight);
    double labelWidth = 0;
    for (double value = 0; value <= scaleTop + step / 2; value += step)
        labelWidth = std::max(labelWidth, c.TextWidth(FormatNumber(value, 0, 10, v.separators)));
    const PlotFrame f = DrawPlotFrame(c, area,
                                      LoadText(kMonthPlot, language) + QStringLiteral(" (") +
                                          EnergyUnit(v.units) + QLatin1Char(')'),
                                      labelWidth, 3);
    const QRectF& p = f.plot;
    const auto yOf = [&](double value) { return p.bottom() - value / scaleTop * p.height(); };

    // Grid and scale.
    c.SetFontHeight(kPlotTextHeight);
    for (double value = 0; value <= scaleTop + step / 2; value += step) {
        const double y = yOf(value);
        if (value > 0 && value < scaleTop - step / 2) {
            c.SetPen(0, PenStyle::Solid, kGridColour);
            c.Line({p.left(), y}, {p.right(), y});
        }
        c.SetPen(0);
        c.SetTextAlign(TextAlign::Right);
        c.Text(p.left() - 10, y - kPlotTextHeight / 2.0, FormatNumber(value, 0, 10, v.separators));
    }

    // Per month: the recovered heat with the coolth on top, beside it the fan and drive energy.
    const double group = p.width() / 12;
    const double bar = group * 0.36;
    for (std::size_t m = 0; m < 12; ++m) {
        const AnnualFigures& figures = v.results.months[m];
        const double x = p.left() + group * static_cast<double>(m) + group * 0.12;
        const double heat = EnergyShown(figures.heatingTotal, v.units);
        const double cool = EnergyShown(figures.coolingTotal, v.units);
        const double cost = EnergyShown(figures.fanEnergy + figures.driveEnergy, v.units);
        const auto block = [&](double left, double from, double to, const QColor& colour) {
            if (to <= from) return;
            c.SetPen(0, PenStyle::Solid, colour);
            c.SetBrush(BrushStyle::Solid, colour);
            c.Rectangle(Box(left, yOf(to), left + bar, yOf(from)));
        };
        block(x, 0, heat, kHeatingColour);
        block(x, heat, heat + cool, kCoolingColour);
        block(x + bar, 0, cost, kCostColour);
    }
    c.SetBrush(BrushStyle::Clear);
    c.SetPen(0);

    // The months under their groups: their short names where they fit, else their numbers.
    bool names = true;
    for (int m = 0; m < 12; ++m)
        if (c.TextWidth(LoadText(kFirstMonth + m, language)) > group - 8) names = false;
    c.SetTextAlign(TextAlign::Centre);
    for (int m = 0; m < 12; ++m)
        c.Text(p.left() + group * (m + 0.5), p.bottom() + 8,
               names ? LoadText(kFirstMonth + m, language) : QString::number(m + 1));

    const double width = area.width();
    LegendItem(c, area.left(), f.legendTop, kHeatingColour, false, LoadText(kHeatingSaved, language), width);
    LegendItem(c, area.left(), f.legendTop + 34, kCoolingColour, false, LoadText(kCoolingSaved, language),
               width);
    LegendItem(c, area.left(), f.legendTop + 68, kCostColour, false, LoadText(kFanAndDrive, language), width);
    c.SetTextAlign(TextAlign::Left);
}

void DrawAnnualDurationCurve(PageCanvas& c, const QRectF& area, const AnnualPageValues& v) {
    const LanguageNumber language = v.frame.language;
    const std::size_t hours = v.temps.size();
    std::vector<double> year(v.temps);
    for (double& t : year)
        t = TempShown(t, v.units);
    std::sort(year.begin(), year.end(), std::greater<>());
    // The scheduled hours alone, sorted the same way, each with its kind.
    std::vector<std::pair<double, HourKind>> scheduled;
    for (std::size_t i = 0; i < hours && i < v.results.hours.size(); ++i)
        if (v.results.hours[i] != HourKind::OutsideSchedule)
            scheduled.emplace_back(year.empty() ? 0 : TempShown(v.temps[i], v.units), v.results.hours[i]);
    std::stable_sort(scheduled.begin(), scheduled.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });

    const double setpoint = TempShown(v.inputs.supplySetpoint, v.units);
    double low = setpoint, high = setpoint;
    if (!year.empty()) {
        low = std::min(low, year.back());
        high = std::max(high, year.front());
    }
    const double step = NiceStep(high - low, 6);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    if (high <= low) high = low + step;

    c.SetFontHeight(kPlotTextHeight);
    double labelWidth = 0;
    for (double t = low; t <= high + step / 2; t += step)
        labelWidth = std::max(labelWidth, c.TextWidth(FormatGeneral(t, 10, v.separators)));
    const bool failed = std::any_of(scheduled.begin(), scheduled.end(),
                                    [](const auto& h) { return h.second == HourKind::Failed; });
    const PlotFrame f = DrawPlotFrame(c, area,
                                      LoadText(kDurationPlot, language) + QStringLiteral(" (") +
                                          TempUnit(v.units) + QLatin1Char(')'),
                                      labelWidth, failed ? 6 : 5);
    const QRectF& p = f.plot;
    const double total = hours > 0 ? static_cast<double>(hours) : 8760;
    const auto xOf = [&](double index) { return p.left() + index / total * p.width(); };
    const auto yOf = [&](double t) { return p.bottom() - (t - low) / (high - low) * p.height(); };

    // Grid and scales.
    c.SetFontHeight(kPlotTextHeight);
    for (double t = low; t <= high + step / 2; t += step) {
        const double y = yOf(t);
        if (t > low + step / 2 && t < high - step / 2) {
            c.SetPen(0, PenStyle::Solid, kGridColour);
            c.Line({p.left(), y}, {p.right(), y});
        }
        c.SetPen(0);
        c.SetTextAlign(TextAlign::Right);
        c.Text(p.left() - 10, y - kPlotTextHeight / 2.0,
               FormatGeneral(std::abs(t) < step / 1000 ? 0 : t, 10, v.separators));
    }
    c.SetTextAlign(TextAlign::Centre);
    for (int h = 0; h <= 8000; h += 2000)
        c.Text(xOf(h), p.bottom() + 8, QString::number(h));
    c.SetTextAlign(TextAlign::Right);
    c.Text(p.right(), p.bottom() + 8 + kPlotTextHeight + 8,
           LoadText(kYearHoursText, language) + QStringLiteral(" (") + LoadText(kHourUnit, language) +
               QLatin1Char(')'));

    // The setpoint.
    c.SetPen(3, PenStyle::Dotted, kHeatingColour);
    c.Line({p.left(), yOf(setpoint)}, {p.right(), yOf(setpoint)});

    // The whole year, then the scheduled hours in the colour of their kind; each curve drawn with
    // at most one point per few units of width.
    const std::size_t points = 600;
    if (!year.empty()) {
        QPolygonF curve;
        const std::size_t stride = std::max<std::size_t>(1, year.size() / points);
        for (std::size_t i = 0; i < year.size(); i += stride)
            curve << QPointF(xOf(static_cast<double>(i)), yOf(year[i]));
        curve << QPointF(xOf(static_cast<double>(year.size() - 1)), yOf(year.back()));
        c.SetPen(4, PenStyle::Solid, kYearColour);
        c.Polyline(curve);
    }
    const auto colourOf = [](HourKind kind) {
        switch (kind) {
        case HourKind::Heating:
            return kHeatingColour;
        case HourKind::Cooling:
            return kCoolingColour;
        case HourKind::Failed:
            return kFailedColour;
        default:
            return kIdleColour;
        }
    };
    const std::size_t stride = std::max<std::size_t>(1, scheduled.size() / points);
    for (std::size_t start = 0; start < scheduled.size();) {
        std::size_t end = start;
        while (end < scheduled.size() && scheduled[end].second == scheduled[start].second)
            ++end;
        QPolygonF run;
        for (std::size_t i = start; i < end; i += stride)
            run << QPointF(xOf(static_cast<double>(i)), yOf(scheduled[i].first));
        run << QPointF(xOf(static_cast<double>(end - 1) + 1), yOf(scheduled[end - 1].first));
        c.SetPen(8, PenStyle::Solid, colourOf(scheduled[start].second));
        c.Polyline(run);
        start = end;
    }
    c.SetPen(0);

    const double width = area.width();
    double y = f.legendTop;
    LegendItem(c, area.left(), y, kHeatingColour, true, LoadText(kHeatingHours, language), width);
    LegendItem(c, area.left(), y += 34, kCoolingColour, true, LoadText(kCoolingHours, language), width);
    LegendItem(c, area.left(), y += 34, kIdleColour, true, LoadText(kIdleHours, language), width);
    if (failed)
        LegendItem(c, area.left(), y += 34, kFailedColour, true, LoadText(kFailedHours, language), width);
    LegendItem(c, area.left(), y += 34, kYearColour, true, LoadText(kYearHoursText, language), width);
    const double mid = (y += 34) + kPlotTextHeight * 0.55;
    c.SetPen(3, PenStyle::Dotted, kHeatingColour);
    c.Line({area.left(), mid}, {area.left() + 50, mid});
    c.SetPen(0);
    c.SetTextAlign(TextAlign::Left);
    c.Text(area.left() + 64, y,
           FittedText(c,
                      LoadText(kSetpoint, language) + QLatin1Char(' ') +
                          FormatFixed(setpoint, 1, 10, v.separators) + QLatin1Char(' ') + TempUnit(v.units),
                      width - 64));
}

QString WeatherFileMessage(const std::string& path, const WeatherFileError& fault, LanguageNumber language) {
    QString text = LoadText(kWeatherRefused, language);
    text.replace(QLatin1String("%s"), QString::fromStdString(path));
    QStringList values;
    for (const std::string& value : fault.Values())
        values += QString::fromStdString(value);
    QString reason =
        FormatText(LoadText(kWeatherFaultTexts + static_cast<TextId>(fault.Fault()), language), values);
    if (fault.Line() > 0) {
        QString line = LoadText(kWeatherLine, language);
        line.replace(QLatin1String("%s"), QString::number(fault.Line()));
        reason = line + QStringLiteral(": ") + reason;
    }
    return text + QLatin1Char(' ') + reason;
}

void DrawAnnualPage(PageCanvas& canvas, const AnnualPageValues& values) {
    AnnualPainter(canvas, values).Draw();
}

} // namespace velmarsund
