#include "calculate_selection.h"

#include "geometry_check.h"
#include "matrix_types.h"
#include "panel_weight.h"
#include "rotor_data.h"
#include "season_calculation.h"
#include "text_format.h"
#include "text_table.h"

#include <QStringList>

namespace velmarsund {
namespace {

constexpr TextId kError = 104;
constexpr TextId kHeating = 272;
constexpr TextId kCooling = 273;
constexpr TextId kCalculationFailed = 578;

char DecimalChar(const NumberSeparators& separators)
{
    const char c = separators.decimal.toLatin1();
    return c ? c : '.';
}

} // namespace

SelectionNotCalculated::SelectionNotCalculated(Reason reason, std::string fields, const QString& message,
                                               const QString& caption)
    : std::runtime_error(message.toStdString()), reason_(reason), fields_(std::move(fields)), message_(message),
      caption_(caption)
{
}

QString WinterCaptionOf(const Selection& s) { return s.winterCaption.value_or(LoadText(kHeating)); }
QString SummerCaptionOf(const Selection& s) { return s.summerCaption.value_or(LoadText(kCooling)); }

std::int32_t KeptDiameterOf(const Selection& s)
{
    const PanelGeometry geometry = ComputePanelGeometry(s.height, s.width, s.seriesIndex);
    return static_cast<std::int32_t>(KeptDiameter(s.diameter, s.height, s.width, s.seriesIndex, geometry));
}

TDatenRWT SeasonRecordOf(const Selection& s, const SeasonInlets& inlets)
{
    TDatenRWT r;
    r.AirPressure = s.airPressure;
    r.HumidityKind = static_cast<std::uint8_t>(s.humidityKind);
    r.VolumeKind = static_cast<std::uint8_t>(s.volumeKind);
    r.MatrixType = static_cast<std::uint8_t>(s.matrixType);
    if (const MatrixTypeEntry* type = MatrixTypeByCode(s.matrixType))
        r.Speed = type->Speed;
    else
        r.Speed = DefaultSpeed(s.matrixType);
    r.Diameter = s.diameter;
    r.WheelDepth = 200;
    if (const auto profile = DecodeProfile(s.profile)) {
        r.FoilThickness = profile->FoilThickness;
        r.ProfileHeight = profile->ProfileHeight;
        r.ProfilePitch = profile->ProfilePitch;
    }
    r.State11 = inlets.supply;
    r.State21 = inlets.exhaust;
    return r;
}

LeakageSelection LeakageSelectionOf(const CalculatedSelection& c)
{
    return LeakageSelectionOf(c.winter, c.geometry.HousingCode, c.selection.profile);
}

CalculatedSelection CalculateSelection(const Selection& selection)
{
    CalculatedSelection c;
    c.selection = selection;
    Selection& s = c.selection;
    c.geometry = ComputePanelGeometry(s.height, s.width, s.seriesIndex);
    const std::int32_t kept = KeptDiameterOf(s);
    if (kept != s.diameter) {
        c.adjustments.push_back({"Diameter", std::to_string(s.diameter), std::to_string(kept)});
        s.diameter = kept;
    }
    const char decimal = DecimalChar(s.separators);

    const GeometryCheckResult geometry = GeometryCheck(s.height, s.width, s.diameter, c.geometry.SmallestDiameter,
                                                       c.geometry.LargestDiameter, s.seriesIndex, decimal);
    if (!geometry.Valid()) {
        QStringList values;
        for (const std::string& value : geometry.Values) values << QString::fromStdString(value);
        throw SelectionNotCalculated(SelectionNotCalculated::Reason::Geometry, "SeriesIndex, Height, Width, Diameter",
                                     FormatText(LoadText(geometry.TextId), values), LoadText(kError));
    }

    const bool summerShown = SummerShown(s);
    c.winter = SeasonRecordOf(s, s.winter);
    c.winter.Update();
    if (summerShown) {
        c.summer = SeasonRecordOf(s, *s.summer);
        c.summer->Update();
    }
    c.winterCaption = WinterCaptionOf(s);
    c.summerCaption = SummerCaptionOf(s);
    const std::string airFields = summerShown ? "State11, State21, Summer" : "State11, State21";
    const std::optional<CheckMessages> summerMessages =
        summerShown ? std::optional<CheckMessages>(TestRecord(*c.summer, kPressureDropLimit)) : std::nullopt;
    c.check = BuildPlausibilityReport(TestRecord(c.winter, kPressureDropLimit), summerMessages, c.winterCaption,
                                      c.summerCaption, s.units);
    if (!c.check.Proceeds())
        throw SelectionNotCalculated(SelectionNotCalculated::Reason::Plausibility, airFields, c.check.text,
                                     c.check.caption);

    CalculateSeason(c.winter, decimal);
    if (summerShown) CalculateSeason(*c.summer, decimal);
    // A run that failed has no results to show.
    if (c.winter.Status != 0 || (summerShown && c.summer->Status != 0))
        throw SelectionNotCalculated(SelectionNotCalculated::Reason::Calculation, airFields,
                                     LoadText(kCalculationFailed), LoadText(kError));

    try {
        c.designation = BuildDesignation(s.seriesIndex, s.matrixType, s.profile, s.height, s.width, s.diameter);
    } catch (const std::invalid_argument&) {
    }
    c.weightKg = PanelRotorWeight(c.geometry.HousingCode, s.height, s.width, c.geometry.Depth, s.diameter, c.winter);

    // As on the leakage window's activation: each entered pressure takes the sign of its fan.
    LeakageChoices choices = s.leakage;
    choices.pressure1 = SignedForFan(choices.pressure1, choices.fan1);
    choices.pressure2 = SignedForFan(choices.pressure2, choices.fan2);
    c.leakage = CalculateLeakageView(LeakageSelectionOf(c), choices, s.units);
    return c;
}

} // namespace velmarsund
