#include "panel_geometry.h"
#include "produkt_settings.h"
#include "rotor_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

const QString kSection = QStringLiteral("ROTOR");

// A settings file of the given text in a folder of its own.
class SettingsKeysTest : public ::testing::Test {
protected:
    TIniDatei& File(const QByteArray& text)
    {
        QFile file(QDir(dir_.path()).filePath(QStringLiteral("keys.ini")));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
        file.close();
        ini_ = std::make_unique<TIniDatei>(QStringLiteral("keys.ini"), dir_.path());
        return *ini_;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TIniDatei> ini_;
};

TEST_F(SettingsKeysTest, MissingKeysGiveTheDefaults)
{
    const TProduktSettings p = ReadProduktSettings(File(""), kSection);
    EXPECT_FALSE(p.useAhriEffectiveness);
    EXPECT_FALSE(p.totalEffectiveness);
    EXPECT_TRUE(p.energyEfficiencyClass);
    EXPECT_FALSE(p.wetBulbOnDataSheet);
    EXPECT_TRUE(p.mollier);
    EXPECT_EQ(p.airPressure, 1013);
    EXPECT_EQ(p.airVolumeKind, 0);
    EXPECT_EQ(p.humidityKind, 0);
    EXPECT_FALSE(p.useSeasons);
    EXPECT_EQ(p.inlets[AirInlet::Winter11].temp, -12);
    EXPECT_EQ(p.inlets[AirInlet::Winter11].humidity, 90);
    EXPECT_EQ(p.inlets[AirInlet::Winter21].humidity, 40);
    EXPECT_EQ(p.inlets[AirInlet::Summer11].temp, 32);
    EXPECT_EQ(p.inlets[AirInlet::Summer21].humidity, 50);
    EXPECT_EQ(p.inlets[AirInlet::Summer21].svol, 10000);

    const TRotorSettings r = ReadRotorSettings(*ini_, kSection);
    EXPECT_EQ(r.matrixType, 1); // code 2: enthalpy rotor E
    EXPECT_EQ(r.seriesIndex, 1); // HXG
    EXPECT_EQ(r.sizeIndex, 7);
    EXPECT_EQ(r.profileIndex, 1);
    EXPECT_EQ(r.height, 2000);
    EXPECT_EQ(r.width, 2000);
    EXPECT_EQ(r.diameter, 1880);
}

TEST_F(SettingsKeysTest, StoredValuesAreLimitedAndRounded)
{
    struct Case {
        const char* file;
        std::function<void(const TProduktSettings&, const TRotorSettings&)> check;
    };
    const std::vector<Case> cases{
        {"pbar=500", [](auto& p, auto&) { EXPECT_EQ(p.airPressure, 600); }},
        {"pbar=1200.5", [](auto& p, auto&) { EXPECT_EQ(p.airPressure, 1100); }},
        {"pbar=abc", [](auto& p, auto&) { EXPECT_EQ(p.airPressure, 1013); }},
        {"AirQuant=3", [](auto& p, auto&) { EXPECT_EQ(p.airVolumeKind, 0); }},
        {"AirQuant=1", [](auto& p, auto&) { EXPECT_EQ(p.airVolumeKind, 1); }},
        {"AirQuant=2", [](auto& p, auto&) { EXPECT_EQ(p.airVolumeKind, 0); }},
        {"AirState=7", [](auto& p, auto&) { EXPECT_EQ(p.humidityKind, 7); }},
        {"AirState=4", [](auto& p, auto&) { EXPECT_EQ(p.humidityKind, 0); }},
        {"SVol11=10000.5\nTemp21_S=22.1234\nHumidity11=49.996",
         [](auto& p, auto&) {
             EXPECT_EQ(p.inlets[AirInlet::Winter11].svol, 10000); // halves to even
             EXPECT_EQ(p.inlets[AirInlet::Summer21].temp, 22.12);
             EXPECT_DOUBLE_EQ(p.inlets[AirInlet::Winter11].humidity, 50.0);
         }},
        {"RotorType=7", [](auto&, auto& r) { EXPECT_EQ(r.matrixType, 0); }},  // P
        {"RotorType=6", [](auto&, auto& r) { EXPECT_EQ(r.matrixType, 6); }},  // N
        {"RotorType=3", [](auto&, auto& r) { EXPECT_EQ(r.matrixType, 3); }},  // K
        {"Housing=1", [](auto&, auto& r) { EXPECT_EQ(r.seriesIndex, 0); }},
        {"Housing=4", [](auto&, auto& r) { EXPECT_EQ(r.seriesIndex, 3); }},   // HXK comes back
        {"Housing=0", [](auto&, auto& r) { EXPECT_EQ(r.seriesIndex, 1); }},
        {"Housing=9", [](auto&, auto& r) { EXPECT_EQ(r.seriesIndex, 1); }},
        {"Size=-3", [](auto&, auto& r) { EXPECT_EQ(r.sizeIndex, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TIniDatei& ini = File(QByteArray("[ROTOR]\n") + c.file + "\n");
        c.check(ReadProduktSettings(ini, kSection), ReadRotorSettings(ini, kSection));
    }
}

TEST_F(SettingsKeysTest, WrittenKeysReadBackUnchanged)
{
    TProduktSettings p;
    p.useAhriEffectiveness = true;
    p.totalEffectiveness = true;
    p.energyEfficiencyClass = false;
    p.wetBulbOnDataSheet = true;
    p.mollier = false;
    p.airPressure = 898.485;
    p.airVolumeKind = 1;
    p.humidityKind = 7;
    p.useSeasons = true;
    p.inlets[AirInlet::Summer11] = {8000, 30.5, 45.25};
    TRotorSettings r{3, 3, 12, 2, 1750, 2500, 1630};
    TIniDatei& ini = File("");
    WriteProduktSettings(ini, kSection, p);
    WriteRotorSettings(ini, kSection, r);
    ASSERT_TRUE(ini.UpdateFile());
    TIniDatei again(QStringLiteral("keys.ini"), dir_.path());
    const TProduktSettings q = ReadProduktSettings(again, kSection);
    EXPECT_TRUE(q.useAhriEffectiveness && q.totalEffectiveness && q.wetBulbOnDataSheet && q.useSeasons);
    EXPECT_FALSE(q.energyEfficiencyClass || q.mollier);
    EXPECT_DOUBLE_EQ(q.airPressure, 898.485);
    EXPECT_EQ(q.airVolumeKind, 1);
    EXPECT_EQ(q.humidityKind, 7);
    EXPECT_EQ(q.inlets[AirInlet::Summer11].svol, 8000);
    EXPECT_EQ(q.inlets[AirInlet::Summer11].temp, 30.5);
    EXPECT_EQ(q.inlets[AirInlet::Summer11].humidity, 45.25);
    const TRotorSettings s = ReadRotorSettings(again, kSection);
    EXPECT_EQ(s.matrixType, 3);
    EXPECT_EQ(s.seriesIndex, 3);
    EXPECT_EQ(s.sizeIndex, 12);
    EXPECT_EQ(s.profileIndex, 2);
    EXPECT_EQ(s.height, 1750);
    EXPECT_EQ(s.width, 2500);
    EXPECT_EQ(s.diameter, 1630);
    EXPECT_EQ(again.ReadInteger(kSection, QStringLiteral("RotorType"), 0), 3); // the matrix code of K
    EXPECT_EQ(again.ReadInteger(kSection, QStringLiteral("Housing"), 0), 4);
}

TEST(PanelGeometry, TheDiameterIsReducedOnlyInAHousingThatCanBeBuilt)
{
    const auto kept = [](std::int64_t d, std::int64_t h, std::int64_t w, int series) {
        return KeptDiameter(d, h, w, series, ComputePanelGeometry(h, w, series));
    };
    EXPECT_EQ(kept(1880, 2000, 2000, 2), 1875);  // HXV
    EXPECT_EQ(kept(2500, 2000, 2000, 1), 1880);  // HXG
    EXPECT_EQ(kept(1500, 2000, 2000, 1), 1500);  // below the largest: kept
    EXPECT_EQ(kept(1880, 0, 0, 1), 1880);        // no housing yet
    EXPECT_EQ(kept(1880, 100, 100, 1), 1880);    // below the minimum housing
    EXPECT_EQ(kept(1880, 1000, 4000, 1), 1880);  // ratio outside 0.5 .. 2
    EXPECT_EQ(kept(4400, 4500, 4500, 1), 4400);  // above the HXG maximum
    EXPECT_EQ(kept(4400, 4500, 4500, 0), 4260);  // the same housing in aluminium

    EXPECT_EQ(KeptListIndex(20, 17), 16);
    EXPECT_EQ(KeptListIndex(-1, 17), 0);
    EXPECT_EQ(KeptListIndex(5, 0), -1);
    EXPECT_EQ(KeptListIndex(5, 17), 5);
}

} // namespace
} // namespace velmarsund
