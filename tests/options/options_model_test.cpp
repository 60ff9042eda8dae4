#include "options_model.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmarsund {
namespace {

TOptionsModel OpenedAt(double pressure, UnitSystem units = UnitSystem::SI)
{
    TOptionsValues values;
    values.airPressure = pressure;
    values.unitSystem = units;
    TOptionsModel model;
    model.Open(values);
    return model;
}

TEST(OptionsModelTest, StandardPressureIsSeaLevelInBothUnitSystems)
{
    TOptionsModel model = OpenedAt(1013);
    EXPECT_EQ(model.ShownPressure(), 1013);
    EXPECT_NEAR(model.ShownAltitude(), 0, 1e-9);
    EXPECT_EQ(model.PressureUnit(), QStringLiteral("mbar"));
    EXPECT_EQ(model.AltitudeUnit(), QStringLiteral("m"));

    model.ChangeUnits(UnitSystem::IP);
    EXPECT_EQ(model.ShownPressure(), 1);
    EXPECT_NEAR(model.ShownAltitude(), 0, 1e-9);
    EXPECT_EQ(model.PressureUnit(), QStringLiteral("atm"));
    EXPECT_EQ(model.AltitudeUnit(), QStringLiteral("ft"));

    // Switching back shows the pressure the window opened with, not a value worn by conversions.
    model.ChangeUnits(UnitSystem::SI);
    EXPECT_EQ(model.ShownPressure(), 1013);
    EXPECT_EQ(model.Pressure(), 1013);
}

TEST(OptionsModelTest, AltitudeGivesPressureAndTheAltitudeOfThatPressure)
{
    TOptionsModel model = OpenedAt(1013);
    model.ChangeAltitude(1000);
    EXPECT_NEAR(model.Pressure(), 898.485, 0.0005);
    EXPECT_NEAR(model.ShownAltitude(), 1000, 1e-9);

    // The same altitude typed in feet gives the same pair, shown in atm and ft.
    TOptionsModel ip = OpenedAt(1013, UnitSystem::IP);
    ip.ChangeAltitude(3280.8);
    EXPECT_NEAR(ip.Pressure(), model.Pressure(), 1e-9);
    EXPECT_NEAR(ip.ShownPressure(), model.Pressure() / 1013, 1e-12);
    EXPECT_NEAR(ip.Altitude(), 1000, 1e-9);
    EXPECT_NEAR(ip.ShownAltitude(), 3280.8, 1e-9);
}

TEST(OptionsModelTest, PressureInEitherUnitGivesTheAltitude)
{
    struct Case {
        UnitSystem units;
        double shown;
        double mbar;
        double metres;
    };
    for (const Case& c : {Case{UnitSystem::SI, 1013, 1013, 0}, Case{UnitSystem::IP, 1, 1013, 0},
                          Case{UnitSystem::SI, 898.48516314, 898.48516314, 1000},
                          Case{UnitSystem::IP, 0.8869547514, 898.48516314, 1000},
                          Case{UnitSystem::SI, 1100, 1100, -700.18}}) {
        TOptionsModel model = OpenedAt(1013, c.units);
        model.ChangePressure(c.shown);
        EXPECT_NEAR(model.Pressure(), c.mbar, 1e-6) << c.shown;
        EXPECT_NEAR(model.Altitude(), c.metres, 0.01) << c.shown;
    }
}

TEST(OptionsModelTest, RangesFollowTheUnitSystem)
{
    TOptionsModel model = OpenedAt(1013);
    EXPECT_EQ(model.PressureRange().min, 600);
    EXPECT_EQ(model.PressureRange().max, 1100);
    EXPECT_EQ(model.AltitudeRange().min, -700);
    EXPECT_EQ(model.AltitudeRange().max, 4200);
    model.ChangeUnits(UnitSystem::IP);
    EXPECT_EQ(model.PressureRange().min, 0.6);
    EXPECT_EQ(model.PressureRange().max, 1.08);
    EXPECT_EQ(model.AltitudeRange().min, -2140);
    EXPECT_EQ(model.AltitudeRange().max, 13500);
}

TEST(OptionsModelTest, PressureWithoutAnAltitudeOpensAtTheDefault)
{
    for (double bad :
         {-5.0, 0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        TOptionsModel model;
        TOptionsValues values;
        values.airPressure = bad;
        ASSERT_NO_THROW(model.Open(values)) << bad;
        EXPECT_EQ(model.Pressure(), 1013) << bad;
        EXPECT_NEAR(model.Altitude(), 0, 1e-9) << bad;
    }
}

TEST(OptionsModelTest, ListIndicesAndInputKinds)
{
    struct Case {
        int index;
        int volumeKind;
        int humidityKind;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{1, 1, 1}, Case{2, 3, 7}}) {
        EXPECT_EQ(AirVolumeKindOfIndex(c.index), c.volumeKind);
        EXPECT_EQ(HumidityKindOfIndex(c.index), c.humidityKind);
        EXPECT_EQ(IndexOfAirVolumeKind(c.volumeKind), c.index);
        EXPECT_EQ(IndexOfHumidityKind(c.humidityKind), c.index);
    }
    // Kinds the lists do not offer show as the first item; indices outside them give kind 0.
    for (int kind : {2, 4, 7, -1}) EXPECT_EQ(IndexOfAirVolumeKind(kind), 0) << kind;
    for (int kind : {2, 3, 6, -1}) EXPECT_EQ(IndexOfHumidityKind(kind), 0) << kind;
    for (int index : {-1, 3}) {
        EXPECT_EQ(AirVolumeKindOfIndex(index), 0) << index;
        EXPECT_EQ(HumidityKindOfIndex(index), 0) << index;
    }

    TOptionsValues values;
    values.airVolumeKind = 3;
    values.humidityKind = 7;
    TOptionsModel model;
    model.Open(values);
    EXPECT_EQ(model.AirVolumeIndex(), 2);
    EXPECT_EQ(model.HumidityIndex(), 2);
    model.ChooseAirVolumeIndex(1);
    model.ChooseHumidityIndex(0);
    const TOptionsValues result = model.Result(QStringLiteral("."), QStringLiteral(","));
    EXPECT_EQ(result.airVolumeKind, 1);
    EXPECT_EQ(result.humidityKind, 0);
}

TEST(OptionsModelTest, ChoosingAnEffectivenessTicksItsOptionAndClearsTheOther)
{
    TOptionsModel model = OpenedAt(1013);
    model.ChooseEffectiveness(true);
    EXPECT_TRUE(model.UseAhri());
    EXPECT_TRUE(model.TotalEffectiveness());
    EXPECT_TRUE(model.TotalEffectivenessEnabled());
    EXPECT_FALSE(model.EnergyEfficiencyClass());
    EXPECT_FALSE(model.EnergyEfficiencyClassEnabled());

    model.SetTotalEffectiveness(false);
    model.ChooseEffectiveness(false);
    EXPECT_FALSE(model.UseAhri());
    EXPECT_FALSE(model.TotalEffectiveness());
    EXPECT_FALSE(model.TotalEffectivenessEnabled());
    EXPECT_TRUE(model.EnergyEfficiencyClass());
    EXPECT_TRUE(model.EnergyEfficiencyClassEnabled());
}

TEST(OptionsModelTest, OpeningTakesTotalEffectivenessOnlyWithAhri)
{
    struct Case {
        bool ahri;
        bool total;
        bool energyClass;
        bool totalAfter;
    };
    for (const Case& c : {Case{false, true, true, false}, Case{true, true, false, true},
                          Case{true, false, true, false}, Case{false, false, false, false}}) {
        TOptionsValues values;
        values.useAhriEffectiveness = c.ahri;
        values.totalEffectiveness = c.total;
        values.energyEfficiencyClass = c.energyClass;
        values.wetBulbOnDataSheet = true;
        TOptionsModel model;
        model.Open(values);
        const TOptionsValues result = model.Result(QString(), QString());
        EXPECT_EQ(result.useAhriEffectiveness, c.ahri);
        EXPECT_EQ(result.totalEffectiveness, c.totalAfter) << c.ahri << c.total;
        EXPECT_EQ(result.energyEfficiencyClass, c.energyClass) << "kept as opened, even while disabled";
        EXPECT_TRUE(result.wetBulbOnDataSheet);
    }
}

TEST(OptionsModelTest, EmptySeparatorFieldKeepsThePreviousSeparator)
{
    const NumberSeparators previous{QLatin1Char(','), QLatin1Char('.')};
    struct Case {
        const char* decimal;
        const char* thousand;
        QChar decimalAfter;
        QChar thousandAfter;
    };
    for (const Case& c :
         {Case{".", ",", QLatin1Char('.'), QLatin1Char(',')},
          Case{"", "", QLatin1Char(','), QLatin1Char('.')}, Case{"", " ", QLatin1Char(','), QLatin1Char(' ')},
          Case{";", "", QLatin1Char(';'), QLatin1Char('.')},
          // Taken as typed: the pair is not compared here.
          Case{",", ",", QLatin1Char(','), QLatin1Char(',')}}) {
        const NumberSeparators taken =
            TakeSeparators(QString::fromLatin1(c.decimal), QString::fromLatin1(c.thousand), previous);
        EXPECT_EQ(taken.decimal, c.decimalAfter) << c.decimal << "|" << c.thousand;
        EXPECT_EQ(taken.thousand, c.thousandAfter) << c.decimal << "|" << c.thousand;
    }
    // No grouping before stays no grouping.
    EXPECT_TRUE(
        TakeSeparators(QStringLiteral("."), QString(), {QLatin1Char('.'), QChar()}).thousand.isNull());
}

TEST(OptionsModelTest, UnchangedWindowHandsBackWhatItWasGiven)
{
    TOptionsValues values;
    values.unitSystem = UnitSystem::IP;
    values.airPressure = 950.5;
    values.airVolumeKind = 3;
    values.humidityKind = 1;
    values.separators = {QLatin1Char(','), QLatin1Char('.')};
    values.useAhriEffectiveness = true;
    values.totalEffectiveness = true;
    values.energyEfficiencyClass = false;
    values.wetBulbOnDataSheet = true;
    TOptionsModel model;
    model.Open(values);
    const TOptionsValues result = model.Result(QStringLiteral(","), QStringLiteral("."));
    EXPECT_EQ(result.unitSystem, values.unitSystem);
    EXPECT_EQ(result.airPressure, values.airPressure);
    EXPECT_EQ(result.airVolumeKind, values.airVolumeKind);
    EXPECT_EQ(result.humidityKind, values.humidityKind);
    EXPECT_EQ(result.separators.decimal, values.separators.decimal);
    EXPECT_EQ(result.separators.thousand, values.separators.thousand);
    EXPECT_EQ(result.useAhriEffectiveness, values.useAhriEffectiveness);
    EXPECT_EQ(result.totalEffectiveness, values.totalEffectiveness);
    EXPECT_EQ(result.energyEfficiencyClass, values.energyEfficiencyClass);
    EXPECT_EQ(result.wetBulbOnDataSheet, values.wetBulbOnDataSheet);
}

} // namespace
} // namespace velmarsund
