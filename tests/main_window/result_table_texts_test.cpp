#include "daten_rwt.h"
#include "grid_cell_text.h"
#include "number_separators.h"
#include "result_table_texts.h"
#include "text_table.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

class ResultTableTextsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentLanguage(Language::English);
        SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
    }
};

TEST_F(ResultTableTextsTest, PressureDropsUpTo375PaAreShown)
{
    const VelocityTexts shown = VelocityValues(2.346, 375, 375.5, 250, UnitSystem::SI);
    EXPECT_EQ(shown[VelocityRow::FaceVelocity], QStringLiteral("2.35"));
    EXPECT_EQ(shown[VelocityRow::PressureDrop], QStringLiteral("375"));
    EXPECT_EQ(shown[VelocityRow::PressureDropStd], QString()); // above 375 Pa
    const VelocityTexts ip = VelocityValues(5, 375, 376, 250, UnitSystem::IP);
    EXPECT_EQ(ip[VelocityRow::FaceVelocity], QStringLiteral("984"));
    EXPECT_EQ(ip[VelocityRow::PressureDrop], QStringLiteral("1.51"));
    EXPECT_EQ(ip[VelocityRow::PressureDropStd], QString());
    EXPECT_EQ(VelocityUnits(UnitSystem::IP),
              (VelocityTexts{QStringLiteral("fpm"), QStringLiteral("in. WG"), QStringLiteral("in. WG")}));
}

TEST_F(ResultTableTextsTest, InletRowsInBothUnitSystems)
{
    AirStreamState s;
    s.SVol = 10000;
    s.MassFlow = 12000;
    s.AVol = 8876.4;
    s.Temp = -12;
    s.Humidity = 90;
    s.X = 8;
    s.WetBulb = -12.34;
    s.Enthalpy = 0;
    const InletTexts si = InletValues(s, UnitSystem::SI);
    EXPECT_EQ(si, (InletTexts{{QString(), "10000", "12000", QString(), "8876", "-12.0", "90.0", "8.00", "-12.3", "0.0"}}));
    const InletTexts ip = InletValues(s, UnitSystem::IP);
    EXPECT_EQ(ip, (InletTexts{{QString(), "5886", "26455", QString(), "5225", "10.4", "90.0", "56.0", "9.8", "7.7"}}));
    EXPECT_EQ(InletUnits(UnitSystem::IP), (InletTexts{{QString(), "scfm", "lb/h", QString(), "acfm", QString::fromUtf8("°F"), "%",
                                                       "gr/lb", QString::fromUtf8("°F"), "BTU/lb"}}));
    EXPECT_EQ(InletUnits(UnitSystem::SI)[InletRow::StandardVolume], QString::fromUtf8("m³/h"));
    const InletTexts labels = InletLabels();
    EXPECT_EQ(labels[InletRow::StandardVolume], QStringLiteral("    Standard Air Volume"));
    EXPECT_EQ(labels[InletRow::Heading], QStringLiteral("Inlet condition"));
    EXPECT_EQ(VelocityLabels()[VelocityRow::PressureDrop], QStringLiteral("Pressure drop (actual density) "));
    EXPECT_EQ(VelocityLabels()[VelocityRow::PressureDropStd], QStringLiteral("Pressure drop (Standard density) "));
    EXPECT_EQ(OutletLabels()[OutletRow::Heading], QStringLiteral("Outlet condition"));
}

// The heat block groups its numbers by one rule: the transferred water of a large unit like its
// heat flows.
TEST_F(ResultTableTextsTest, TheHeatBlockGroupsEveryNumberAlike)
{
    TDatenRWT r;
    r.SensibleHeat1 = 1933.634;
    r.LatentHeat1 = 982.4;
    r.TotalHeat1 = 2916.034;
    r.State11.X = 0;
    r.State12.X = 1250.5; // a difference no air has, for the rule alone
    r.WaterTransfer1 = 1399.254;
    const ProcessTexts t = ProcessValues(r, Stream::Supply, UnitSystem::SI, EffectivenessOptions{false, false, true});
    EXPECT_EQ(t[ProcessRow::SensibleHeat], QStringLiteral("1,933.63"));
    EXPECT_EQ(t[ProcessRow::LatentHeat], QStringLiteral("982.40"));
    EXPECT_EQ(t[ProcessRow::TotalHeat], QStringLiteral("2,916.03"));
    EXPECT_EQ(t[ProcessRow::MoistureRecovery], QStringLiteral("1,250.50"));
    EXPECT_EQ(t[ProcessRow::WaterTransfer], QStringLiteral("1,399.25"));
    // In pounds an hour too.
    EXPECT_EQ(ProcessValues(r, Stream::Supply, UnitSystem::IP, EffectivenessOptions{false, false, true})[ProcessRow::WaterTransfer],
              QStringLiteral("3,084.80"));
}

TEST_F(ResultTableTextsTest, ProcessRowsFollowTheEffectivenessOptions)
{
    TDatenRWT r;
    r.TempEff1 = 80.44;
    r.HumEff1 = 64.56;
    r.AhriSensible1 = 78.06;
    r.AhriLatent1 = 60.0;
    r.AhriTotal1 = 70.25;
    r.HClassLabel = "79.8% / H1";
    r.TempEffBalanced = 72.96;
    r.SensibleHeat1 = 12.5;
    r.SensibleHeat2 = -12.5;
    r.State11.X = 1;
    r.State12.X = 4.646;
    r.WaterTransfer1 = 43.676;

    const EffectivenessOptions en308{false, false, true};
    const ProcessTexts supply = ProcessValues(r, Stream::Supply, UnitSystem::SI, en308);
    EXPECT_EQ(supply[ProcessRow::Efficiency], QStringLiteral("80.4"));
    EXPECT_EQ(supply[ProcessRow::HumidityEfficiency], QStringLiteral("64.6"));
    EXPECT_EQ(supply[ProcessRow::TotalOrClass], QStringLiteral("79.8% / H1"));
    EXPECT_EQ(supply[ProcessRow::ErpLot6], QStringLiteral("73.0"));
    EXPECT_EQ(supply[ProcessRow::SensibleHeat], QStringLiteral("12.50"));
    EXPECT_EQ(supply[ProcessRow::MoistureRecovery], QStringLiteral("3.65"));
    EXPECT_EQ(supply[ProcessRow::WaterTransfer], QStringLiteral("43.68"));
    const ProcessTexts exhaust = ProcessValues(r, Stream::Exhaust, UnitSystem::SI, en308);
    EXPECT_EQ(exhaust[ProcessRow::Efficiency], QString());
    EXPECT_EQ(exhaust[ProcessRow::ErpLot6], QStringLiteral("(2018 ready)"));
    EXPECT_EQ(ProcessLabels(en308)[ProcessRow::TotalOrClass], QStringLiteral("Energy efficiency (DIN EN 13053)"));
    EXPECT_EQ(ProcessLabels(en308)[ProcessRow::ErpLot6], QStringLiteral("Temperature efficiency ErP Lot 6"));
    EXPECT_EQ(ProcessUnits(UnitSystem::SI, en308)[ProcessRow::TotalOrClass], QString());
    EXPECT_EQ(ProcessUnits(UnitSystem::SI, en308)[ProcessRow::ErpLot6], QStringLiteral("%"));

    const ProcessTexts ip = ProcessValues(r, Stream::Exhaust, UnitSystem::IP, en308);
    EXPECT_EQ(ip[ProcessRow::SensibleHeat], QStringLiteral("-42,650"));
    EXPECT_EQ(ProcessUnits(UnitSystem::IP, en308)[ProcessRow::SensibleHeat], QStringLiteral("BTU/h"));

    const EffectivenessOptions ahri{true, true, false};
    const ProcessTexts a = ProcessValues(r, Stream::Supply, UnitSystem::SI, ahri);
    EXPECT_EQ(a[ProcessRow::Efficiency], QStringLiteral("78.1"));
    EXPECT_EQ(a[ProcessRow::TotalOrClass], QStringLiteral("70.3"));
    EXPECT_EQ(a[ProcessRow::ErpLot6], QString());
    EXPECT_EQ(ProcessLabels(ahri)[ProcessRow::Efficiency], QStringLiteral("Effectiveness Sensible"));
    EXPECT_EQ(ProcessLabels(ahri)[ProcessRow::TotalOrClass], QStringLiteral("Effectiveness Total"));
    EXPECT_EQ(ProcessUnits(UnitSystem::SI, ahri)[ProcessRow::TotalOrClass], QStringLiteral("%"));
    EXPECT_EQ(ProcessValues(r, Stream::Exhaust, UnitSystem::SI, ahri)[ProcessRow::ErpLot6], QString());

    // Neither total effectiveness nor class: rows 2 and 3 stay empty.
    for (const EffectivenessOptions& bare : {EffectivenessOptions{true, false, false}, EffectivenessOptions{false, false, false}}) {
        EXPECT_EQ(ProcessLabels(bare)[ProcessRow::TotalOrClass], QString());
        EXPECT_EQ(ProcessLabels(bare)[ProcessRow::ErpLot6], QString());
        EXPECT_EQ(ProcessValues(r, Stream::Supply, UnitSystem::SI, bare)[ProcessRow::TotalOrClass], QString());
        EXPECT_EQ(ProcessUnits(UnitSystem::SI, bare)[ProcessRow::ErpLot6], QString());
    }
}

TEST_F(ResultTableTextsTest, ErpRemarkFromTheShownEfficiency)
{
    EXPECT_EQ(ErpReadyRemark(72.96), QStringLiteral("(2018 ready)")); // shown 73.0
    EXPECT_EQ(ErpReadyRemark(72.94), QStringLiteral("(2016 ready)"));
    EXPECT_EQ(ErpReadyRemark(67.0), QStringLiteral("(2016 ready)"));
    EXPECT_EQ(ErpReadyRemark(66.94), QString());
}

TEST_F(ResultTableTextsTest, CellDrawingRule)
{
    struct Case {
        const char* cell;
        const char* drawn;
        bool right;
    };
    for (const Case& c : {Case{"#abc", "abc", true}, Case{"H3", "H3", true}, Case{"H7", "H7", false},
                          Case{"H1x", "H1x", false}, Case{"-1.2", "-1.2", true}, Case{"+5", "+5", true},
                          Case{"12,650", "12,650", true}, Case{"73.4% / H1", "73.4% / H1", true},
                          Case{"(2018 ready)", "(2018 ready)", false}, Case{"kW", "kW", false},
                          Case{"    Enthalpy", "    Enthalpy", false}}) {
        const GridCellText t = CellTextToDraw(QString::fromLatin1(c.cell));
        EXPECT_EQ(t.text, QString::fromLatin1(c.drawn)) << c.cell;
        EXPECT_EQ(t.rightAligned, c.right) << c.cell;
    }
}

} // namespace
} // namespace velmarsund
