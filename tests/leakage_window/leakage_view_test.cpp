// What the leakage window shows, against rotorcalc's leakage mode, and its checks.

#include "batch.h"
#include "convert_unit.h"
#include "leakage_view.h"
#include "number_format.h"
#include "number_separators.h"
#include "text_table.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

using request::Json;

LeakageSelection Reference(int housingCode = 2, int diameter = 1880)
{
    LeakageSelection s;
    s.housingCode = housingCode;
    s.v12 = 10000;
    s.v21 = 10000;
    s.diameter = diameter;
    s.speed = 10;
    s.matrixType = 1;
    s.profileCode = "E-E18";
    return s;
}

class LeakageViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentLanguage(Language::English);
        SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
    }
};

TEST_F(LeakageViewTest, EveryTextEqualsTheLeakageModeInBothUnitSystems)
{
    struct Case {
        LeakageChoices choices;
        UnitSystem units;
    };
    LeakageChoices blowPurge;
    blowPurge.fan1 = Fan::BlowThrough;
    blowPurge.pressure1 = 400;
    blowPurge.pressure2 = -250;
    blowPurge.purgeSector = 2;
    LeakageChoices ip;
    ip.pressure1 = ip.pressure2 = -1.2;
    ip.purgeSector = 1;
    for (const Case& c : {Case{LeakageChoices{}, UnitSystem::SI}, Case{blowPurge, UnitSystem::SI}, Case{ip, UnitSystem::IP}}) {
        const LeakageView v = CalculateLeakageView(Reference(), c.choices, c.units);
        ASSERT_TRUE(v.calculated);
        const auto pascal = [&](double p) {
            return ConvertUnit(Quantity::PressureDrop, UnitChoice(c.units, Unit::Pascal, Unit::InchWaterGauge), Unit::Pascal, p);
        };
        Json request{{"mode", "leakage"},   {"HousingCode", 2},         {"Diameter", 1880},
                     {"ProfileCode", "E-E18"}, {"MatrixType", 1},       {"Speed", 10},
                     {"V12", 10000},        {"V21", 10000},             {"FanPosition1", c.choices.fan1},
                     {"FanPosition2", c.choices.fan2}, {"PurgeSector", c.choices.purgeSector}};
        request[c.choices.fan1 == Fan::DrawThrough ? "P12" : "P11"] = pascal(c.choices.pressure1);
        request[c.choices.fan2 == Fan::DrawThrough ? "P22" : "P21"] = pascal(c.choices.pressure2);
        const Json r = rotorcalc::RunRequest(request);
        ASSERT_FALSE(r.contains("error")) << r.dump();
        const bool si = c.units == UnitSystem::SI;
        const auto pressure = [&](const char* f) {
            return FormatFixed(ConvertUnit(Quantity::PressureDrop, Unit::Pascal,
                                           UnitChoice(c.units, Unit::Pascal, Unit::InchWaterGauge), r[f].get<double>()),
                               si ? 0 : 2);
        };
        const auto volume = [&](const char* f) {
            return FormatFixed(ConvertUnit(Quantity::AirVolumeFlow, Unit::CubicMetrePerHour,
                                           UnitChoice(c.units, Unit::CubicMetrePerHour, Unit::Cfm), r[f].get<double>()),
                               0);
        };
        const QString unit = si ? QStringLiteral(" m³/h") : QStringLiteral(" scfm");
        const LeakageTexts& t = v.texts;
        EXPECT_EQ(t.dpS1, pressure("DeltaP1") + (si ? QStringLiteral(" Pa") : QStringLiteral(" in. WG")));
        EXPECT_EQ(t.p11, pressure("P11"));
        EXPECT_EQ(t.p12, pressure("P12"));
        EXPECT_EQ(t.p21, pressure("P21"));
        EXPECT_EQ(t.p22, pressure("P22"));
        EXPECT_EQ(t.svol11, volume("V11"));
        EXPECT_EQ(t.svol22, volume("V22"));
        for (const auto& [text, field] : {std::pair{&t.rim11, "RimLeak11"}, {&t.rim22, "RimLeak22"},
                                          {&t.seal12, "LeakSeal12"}, {&t.carry21, "CarryOver21"},
                                          {&t.purge11, "Purge11"}})
            EXPECT_EQ(*text, volume(field) + unit) << field;
        EXPECT_EQ(t.purge22, QStringLiteral("Purge flow: ") + volume("Purge22") + unit);
        EXPECT_EQ(t.oacf, FormatFixed(r["OACF"], 2));
        EXPECT_EQ(t.eatr, FormatFixed(r["EATR"], 1) + QLatin1Char('%'));
        EXPECT_EQ(t.pressureUnit, si ? QStringLiteral("Pa") : QStringLiteral("in. WG"));
        EXPECT_EQ(t.volumeUnit, si ? QStringLiteral("m³/h") : QStringLiteral("scfm"));
    }
}

TEST_F(LeakageViewTest, GapWidthsByDiameterAndSeries)
{
    EXPECT_EQ(CalculateLeakageView(Reference(2, 2380), {}, UnitSystem::SI).record.GapCircumference, 2);
    EXPECT_EQ(CalculateLeakageView(Reference(2, 2381), {}, UnitSystem::SI).record.GapSeparation, 3);
    EXPECT_EQ(CalculateLeakageView(Reference(10, 2500), {}, UnitSystem::SI).record.GapCircumference, 1);
}

TEST_F(LeakageViewTest, PressureDifferencesUpTo2500PaAreAccepted)
{
    LeakageChoices c;
    c.fan1 = Fan::BlowThrough; // P11 entered
    c.pressure1 = 1250;
    c.pressure2 = -1250; // P22
    const LeakageView exact = CalculateLeakageView(Reference(), c, UnitSystem::SI);
    EXPECT_EQ(exact.record.P11 - exact.record.P22, 2500);
    EXPECT_FALSE(exact.pressureTooHigh);
    c.pressure2 = -1251;
    EXPECT_TRUE(CalculateLeakageView(Reference(), c, UnitSystem::SI).pressureTooHigh);
}

TEST_F(LeakageViewTest, SignsLimitsAndTheDensityNote)
{
    EXPECT_EQ(SignedForFan(-300, Fan::BlowThrough), 300);
    EXPECT_EQ(SignedForFan(300, Fan::DrawThrough), -300);
    EXPECT_EQ(PressureLimit(UnitSystem::SI), 2000);
    EXPECT_EQ(PressureLimit(UnitSystem::IP), 8);

    SetProgramSeparators({QLatin1Char(','), QLatin1Char('.')});
    EXPECT_EQ(CalculateLeakageView(Reference(), {}, UnitSystem::SI).texts.allAirVolumes,
              QStringLiteral("Air volumes in relation to standard density 1,2 kg/m³"));
    EXPECT_EQ(CalculateLeakageView(Reference(), {}, UnitSystem::IP).texts.allAirVolumes,
              QStringLiteral("Air volumes in relation to standard density 0,075 lb/ft³"));
}

TEST_F(LeakageViewTest, ThePurgeWarningWhenThePurgeAirDoesNotTakeTheCarryOver)
{
    LeakageChoices c;
    c.purgeSector = 1;
    c.pressure1 = c.pressure2 = -300; // equal pressures: no purge flow at all
    LeakageView v = CalculateLeakageView(Reference(), c, UnitSystem::SI);
    EXPECT_TRUE(v.purgeWarning);
    c.purgeSector = 0;
    EXPECT_FALSE(CalculateLeakageView(Reference(), c, UnitSystem::SI).purgeWarning);
}

TEST_F(LeakageViewTest, NoAirGivesNoResultsInsteadOfAFailure)
{
    LeakageSelection s = Reference();
    s.v12 = 0;
    const LeakageView v = CalculateLeakageView(s, {}, UnitSystem::SI);
    EXPECT_FALSE(v.calculated);
    EXPECT_TRUE(v.texts.oacf.isEmpty());
}

} // namespace
} // namespace velmarsund
