#include "leakage_view.h"

#include "convert_unit.h"
#include "daten_rwt.h"
#include "matrix_types.h"
#include "math_error.h"
#include "number_format.h"
#include "text_table.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velmarsund {
namespace {

constexpr TextId kPurgeFlow = 537;
constexpr TextId kCubicMetresPerHour = 410;
constexpr TextId kAirVolumesNote = 400;
constexpr TextId kKilogramPerCubicMetre = 413;
constexpr TextId kPoundPerCubicFoot = 574;

double PressureIn(UnitSystem system, double pascal)
{
    return ConvertUnit(Quantity::PressureDrop, Unit::Pascal, UnitChoice(system, Unit::Pascal, Unit::InchWaterGauge), pascal);
}

double PascalOf(UnitSystem system, double value)
{
    return ConvertUnit(Quantity::PressureDrop, UnitChoice(system, Unit::Pascal, Unit::InchWaterGauge), Unit::Pascal, value);
}

} // namespace

LeakageSelection LeakageSelectionOf(const TDatenRWT& winter, int housingCode, const std::string& profile)
{
    LeakageSelection s;
    s.housingCode = housingCode;
    s.v12 = winter.State11.SVol;
    s.v21 = winter.State21.SVol;
    s.diameter = winter.Diameter;
    s.speed = winter.Speed;
    s.matrixType = winter.MatrixType;
    const MatrixTypeEntry* type = MatrixTypeByCode(winter.MatrixType);
    s.profileCode = std::string(1, type ? type->Letter : 'P') + "-" + profile;
    return s;
}

LeakageCaptions CurrentLeakageCaptions()
{
    LeakageCaptions c;
    c.outsideAir = LoadText(5);
    c.supplyAir = LoadText(3);
    c.extractAir = LoadText(4);
    c.exhaustAir = LoadText(6);
    const QString slash = QStringLiteral(" / ");
    c.stream1 = c.outsideAir + slash + c.supplyAir;
    c.stream2 = c.extractAir + slash + c.exhaustAir;
    c.fanGroup = QLatin1Char(' ') + LoadText(397) + QLatin1Char(' ');
    c.fanItems = {LoadText(398), LoadText(399)};
    c.purgeItems = {QStringLiteral("-"), QStringLiteral("2 x 2.5 ") + LoadText(573), QStringLiteral("2 x 5 ") + LoadText(573)};
    c.purgeSector = LoadText(402);
    c.purgeWarning = LoadText(403);
    return c;
}

LeakageView CalculateLeakageView(const LeakageSelection& s, const LeakageChoices& c, UnitSystem system)
{
    LeakageView v;
    TDatenRotLeakage& r = v.record;
    r.HousingCode = static_cast<std::uint8_t>(s.housingCode);
    r.V12 = s.v12;
    r.V21 = s.v21;
    r.Diameter = s.diameter;
    r.Speed = s.speed;
    r.MatrixType = static_cast<std::uint8_t>(s.matrixType);
    r.ProfileCode = s.profileCode;
    r.FanPosition1 = static_cast<std::uint8_t>(c.fan1);
    r.FanPosition2 = static_cast<std::uint8_t>(c.fan2);
    (c.fan1 == Fan::DrawThrough ? r.P12 : r.P11) = PascalOf(system, c.pressure1);
    (c.fan2 == Fan::DrawThrough ? r.P22 : r.P21) = PascalOf(system, c.pressure2);
    r.ZetaCircumference = r.ZetaSeparation = 1.0;
    r.GapCircumference = r.GapSeparation = DefaultGapWidth(s.housingCode, s.diameter);
    r.PurgeSector = static_cast<std::uint8_t>(c.purgeSector);

    LeakageTexts& t = v.texts;
    const QString volumeUnit = UnitChoice(system, LoadText(kCubicMetresPerHour), QStringLiteral("scfm"));
    t.pressureUnit = UnitChoice(system, QStringLiteral("Pa"), QStringLiteral("in. WG"));
    t.volumeUnit = volumeUnit;
    const QString density = UnitChoice(system, FormatFixed(1.2, 1) + QLatin1Char(' ') + LoadText(kKilogramPerCubicMetre),
                                       FormatFixed(0.075, 3) + QLatin1Char(' ') + LoadText(kPoundPerCubicFoot));
    t.allAirVolumes = LoadText(kAirVolumesNote).replace(QStringLiteral("%s"), density);

    try {
        r.CalcLeakage();
        v.calculated = true;
    } catch (const MathError&) {
        return v;
    } catch (const std::invalid_argument&) {
        return v;
    }

    v.pressureTooHigh = std::max(std::fabs(r.P21 - r.P12), std::fabs(r.P11 - r.P22)) > kLargestPressureDifference;
    const int pressureDigits = UnitChoice(system, 0, 2);
    const auto pressure = [&](double pascal) { return FormatFixed(PressureIn(system, pascal), pressureDigits); };
    const auto volume = [&](double m3h) {
        return FormatFixed(ConvertUnit(Quantity::AirVolumeFlow, Unit::CubicMetrePerHour,
                                       UnitChoice(system, Unit::CubicMetrePerHour, Unit::Cfm), m3h),
                           0);
    };
    const auto flow = [&](double m3h) { return volume(m3h) + QLatin1Char(' ') + volumeUnit; };
    const QString dpUnit = UnitChoice(system, QStringLiteral(" Pa"), QStringLiteral(" in. WG"));
    t.dpS1 = pressure(r.DeltaP1) + dpUnit;
    t.dpS2 = pressure(r.DeltaP2) + dpUnit;
    t.p11 = pressure(r.P11);
    t.p12 = pressure(r.P12);
    t.p21 = pressure(r.P21);
    t.p22 = pressure(r.P22);
    t.svol11 = volume(r.V11);
    t.svol12 = volume(r.V12);
    t.svol21 = volume(r.V21);
    t.svol22 = volume(r.V22);
    t.rim11 = flow(r.RimLeak11);
    t.rim12 = flow(r.RimLeak12);
    t.rim21 = flow(r.RimLeak21);
    t.rim22 = flow(r.RimLeak22);
    t.seal11 = flow(r.LeakSeal11);
    t.seal22 = flow(r.LeakSeal22);
    t.seal12 = flow(r.LeakSeal12);
    t.seal21 = flow(r.LeakSeal21);
    t.carry11 = flow(r.CarryOver11);
    t.carry22 = flow(r.CarryOver22);
    t.carry12 = flow(r.CarryOver12);
    t.carry21 = flow(r.CarryOver21);
    t.purge11 = flow(r.Purge11);
    t.purge22 = LoadText(kPurgeFlow) + QStringLiteral(": ") + flow(r.Purge22);
    t.oacf = FormatFixed(r.OACF, 2);
    t.eatr = FormatFixed(r.EATR, 1) + QLatin1Char('%');
    v.purgeWarning = c.purgeSector != 0 && r.CarryOver12 > -r.Purge11;
    return v;
}

} // namespace velmarsund
