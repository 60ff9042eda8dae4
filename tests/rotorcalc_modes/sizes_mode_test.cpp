// rotorcalc's "sizes" mode: every standard size of a series at the air conditions of a request.

#include "batch.h"
#include "daten_rwt.h"
#include "size_evaluation.h"

#include <gtest/gtest.h>

#include <cstring>

using velmarsund::request::Json;
using velmarsund::rotorcalc::RunRequest;

namespace {

// 10 000 m³/h actual on both sides, winter air.
Json Sizes(const char* patch = "{}")
{
    Json request = Json::parse(R"({"mode":"sizes","SeriesIndex":0,"Profile":"E20","VolumeKind":1,
        "State11":{"AVol":10000,"Temp":-12,"Humidity":90},"State21":{"AVol":10000,"Temp":22,"Humidity":40}})");
    request.merge_patch(Json::parse(patch));
    return RunRequest(request);
}

TEST(SizesMode, TheSuitableRangeOf10000CubicMetresPerHour)
{
    const Json r = Sizes();
    ASSERT_FALSE(r.contains("error")) << r.dump();
    EXPECT_EQ(r["DLow"], 1189);
    EXPECT_EQ(r["DHigh"], 2660);
    std::vector<int> suitable;
    for (const Json& row : r["Rows"]) {
        if (row["Suitable"]) {
            suitable.push_back(row["Diameter"]);
            for (const char* field : {"VMax", "DpMax", "Phi1", "T12", "Psi1"}) EXPECT_TRUE(row.contains(field)) << field;
        } else {
            EXPECT_FALSE(row.contains("VMax"));
        }
    }
    EXPECT_EQ(suitable, (std::vector<int>{1420, 1670, 1920, 2130, 2380, 2630}));
    const Json& proposed = r["Rows"][r["Selected"].get<std::size_t>()];
    EXPECT_EQ(proposed["Designation"], "HXL-E-E20-2750/2750-2630");
    EXPECT_EQ(proposed["Height"], 2750);
    EXPECT_EQ(r["Rows"][0]["Designation"], "HXL-E-E20-600/750-505");
    EXPECT_EQ(r["Rows"].size(), 26u);
}

TEST(SizesMode, NoSuitableSizeProposesTheFirstRow)
{
    // 150 000 m³/h: every wheel of the HXK series is too small.
    const Json r = Sizes(R"({"SeriesIndex":3,"State11":{"AVol":150000},"State21":{"AVol":150000}})");
    ASSERT_FALSE(r.contains("error")) << r.dump();
    EXPECT_EQ(r["Selected"], 0);
    for (const Json& row : r["Rows"]) EXPECT_FALSE(row["Suitable"]);
}

TEST(SizesMode, TheAhriOptionSwitchesPhi1)
{
    const Json en308 = Sizes();
    const Json ahri = Sizes(R"({"UseAhriEffectiveness":true})");
    const std::size_t k = en308["Selected"];
    EXPECT_NE(en308["Rows"][k]["Phi1"], ahri["Rows"][k]["Phi1"]);
    EXPECT_EQ(en308["Rows"][k]["Psi1"], ahri["Rows"][k]["Psi1"]);
    // Phi1 is the temperature efficiency of the rotor mode at that diameter.
    const Json rotor = RunRequest(Json::parse(R"({"Diameter":2630,"Profile":"E20","VolumeKind":1,"EnergyClass":false,
        "State11":{"AVol":10000,"Temp":-12,"Humidity":90},"State21":{"AVol":10000,"Temp":22,"Humidity":40}})"));
    EXPECT_EQ(en308["Rows"][k]["Phi1"], rotor["TempEff1"]);
    EXPECT_EQ(ahri["Rows"][k]["Phi1"], rotor["AhriSensible1"]);
}

TEST(SizesMode, WrongRequests)
{
    EXPECT_EQ(RunRequest(Json::parse(R"({"mode":"sizes","SeriesIndex":0})"))["error"],
              "field 'Profile' is required: it names the sizes");
    EXPECT_EQ(RunRequest(Json::parse(R"({"mode":"sizes","Profile":"E20"})"))["error"], "field 'SeriesIndex' is required");
    EXPECT_EQ(Sizes(R"({"SeriesIndex":4})")["error"], "field 'SeriesIndex' must lie between 0 and 3");
    EXPECT_EQ(Sizes(R"({"Diameter":1880})")["error"], "unknown field 'Diameter'");
}

TEST(SizeEvaluation, TheRecordItselfStaysAsItWas)
{
    velmarsund::TDatenRWT r;
    r.VolumeKind = 1;
    r.State11.AVol = r.State21.AVol = 10000;
    r.State11.Temp = -12;
    r.State11.Humidity = 90;
    r.State21.Temp = 22;
    r.State21.Humidity = 40;
    r.Diameter = 1880;
    r.Calculate();
    const velmarsund::TDatenRWT before = r;
    velmarsund::EvaluateSizes(r, 0, "E20", false);
    EXPECT_EQ(std::memcmp(&r.State12, &before.State12, sizeof r.State12), 0);
    EXPECT_EQ(r.Diameter, before.Diameter);
    EXPECT_EQ(r.TempEff1, before.TempEff1);
}

} // namespace
