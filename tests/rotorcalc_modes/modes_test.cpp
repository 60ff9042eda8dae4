// The "geometry", "weight" and "leakage" requests of rotorcalc.

#include "batch.h"

#include <gtest/gtest.h>

using velmarsund::request::Json;
using velmarsund::rotorcalc::RunRequest;

namespace {

Json Answer(const char* text) {
    return RunRequest(Json::parse(text));
}

bool IsError(const Json& result) {
    return result.size() == 1 && result.contains("error");
}

} // namespace

TEST(GeometryMode, CatalogueExamples) {
    const Json hxl = Answer(R"({"mode":"geometry","SeriesIndex":0,"Height":3000,"Width":3000,"Diameter":2800,
                             "MatrixType":1,"Profile":"E20"})");
    EXPECT_EQ(hxl, Json::parse(R"({"HousingCode":1,"ProfileSizeByShortSide":80,"MaxWheelDiameter":2800,
        "MinWheelDiameter":1680,"HousingDepth":510,"GeometryFinding":0,"DesignationPrefix":"HXL-E-E20",
        "ModelDesignation":"HXL-E-E20-3000/3000-2800"})"));

    EXPECT_EQ(
        Answer(R"({"mode":"geometry","SeriesIndex":2,"Height":3000,"Width":1000,"Diameter":800,"MatrixType":0,
                      "Profile":"E14"})")["GeometryFinding"],
        0);
    const Json tooLarge =
        Answer(R"({"mode":"geometry","SeriesIndex":0,"Height":6401,"Width":6000,"Diameter":9000,
                                  "MatrixType":6,"Profile":"E16"})");
    EXPECT_EQ(tooLarge["GeometryFinding"], 5);
    EXPECT_EQ(tooLarge["HousingCode"], 1);
    EXPECT_EQ(tooLarge["ModelDesignation"], "HXL-N-E16-6401/6000-9000");
    EXPECT_EQ(
        Answer(
            R"({"mode":"geometry","SeriesIndex":3,"Height":1000.0,"Width":1000,"Diameter":900,"MatrixType":3,
                      "Profile":"E20"})")["HousingCode"],
        10);
}

TEST(GeometryMode, RejectedRequests) {
    for (
        const char* text : {
            R"({"mode":"geometry","SeriesIndex":4,"Height":3000,"Width":3000,"Diameter":2800,"MatrixType":1,"Profile":"E20"})",
            R"({"mode":"geometry","SeriesIndex":0,"Height":3000.5,"Width":3000,"Diameter":2800,"MatrixType":1,"Profile":"E20"})",
            R"({"mode":"geometry","SeriesIndex":0,"Height":3000,"Width":3000,"Diameter":2800,"MatrixType":2,"Profile":"E20"})",
            R"({"mode":"geometry","SeriesIndex":0,"Height":3000,"Width":3000,"Diameter":2800,"MatrixType":1})",
            R"({"mode":"geometry","SeriesIndex":0,"Width":3000,"Diameter":2800,"MatrixType":1,"Profile":"E20"})",
            R"({"mode":"geometry","SeriesIndex":0,"Height":3000,"Width":3000,"Diameter":2800,"MatrixType":1,"Profile":"E20","Depth":5})",
        })
        EXPECT_TRUE(IsError(Answer(text))) << text;
}

TEST(WeightMode, ProfileOrItsDimensions) {
    const Json byCode = Answer(R"({"mode":"weight","HousingCode":1,"Height":2000,"Width":2000,"Diameter":1920,
                                "Profile":"E20","MatrixType":1})");
    EXPECT_EQ(byCode, Json::parse(R"({"Weight":227})"));
    // The same profile given by its dimensions; the pitch follows from the wave height.
    EXPECT_EQ(Answer(R"({"mode":"weight","HousingCode":1,"Height":2000,"Width":2000,"Diameter":1920,
                      "ProfileHeight":2.0,"FoilThickness":0.06,"MatrixType":1})"),
              byCode);
    EXPECT_EQ(Answer(R"({"mode":"weight","HousingCode":1,"Height":2000,"Width":2000,"Diameter":1920,
                      "Profile":"E20","ProfilePitch":3.8,"MatrixType":1,"DepthOverride":0})"),
              byCode);
    EXPECT_NE(Answer(R"({"mode":"weight","HousingCode":1,"Height":2000,"Width":2000,"Diameter":1920,
                      "Profile":"E20","MatrixType":1,"DepthOverride":700})"),
              byCode);
    EXPECT_EQ(Answer(R"({"mode":"weight","HousingCode":10,"Height":2076,"Width":2076,"Diameter":1916,
                      "Profile":"E20","MatrixType":1})")["Weight"],
              254);
}

TEST(WeightMode, RejectedRequests) {
    for (
        const char* text : {
            R"({"mode":"weight","HousingCode":4,"Height":2000,"Width":2000,"Diameter":1920,"Profile":"E20","MatrixType":1})",
            R"({"mode":"weight","HousingCode":1,"Height":2000,"Width":2000,"Diameter":1920,"Profile":"E2","MatrixType":1})",
            R"({"mode":"weight","HousingCode":1,"Height":2000,"Width":2000,"Diameter":1920,"ProfileHeight":2.0,"MatrixType":1})",
            R"({"mode":"weight","HousingCode":1,"Height":2000,"Width":2000,"Diameter":1920,"Profile":"E20","MatrixType":5})",
            R"({"mode":"weight","HousingCode":1,"Height":2000,"Width":2000,"Diameter":1920,"Profile":"E20","MatrixType":1,"DepthOverride":true})",
            // Arithmetic errors.
            R"({"mode":"weight","HousingCode":1,"Height":2000,"Width":2000,"Diameter":1920,"ProfileHeight":0,"FoilThickness":0.06,"MatrixType":1})",
            R"({"mode":"weight","HousingCode":2,"Height":-2000,"Width":2000,"Diameter":1920,"Profile":"E20","MatrixType":1})",
        })
        EXPECT_TRUE(IsError(Answer(text))) << text;
}

TEST(LeakageMode, DefaultsAndResultFields) {
    const Json r =
        Answer(R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":10000,"V21":10000})");
    ASSERT_FALSE(r.contains("error")) << r.dump();
    const char* fields[] = {
        "DeltaP1",     "DeltaP2",    "P11",        "P12",        "P21",         "P22",         "PMean",
        "PMeanPurge",  "V11",        "V22",        "RimLeak11",  "RimLeak12",   "RimLeak21",   "RimLeak22",
        "LeakSeal11",  "LeakSeal22", "LeakSeal12", "LeakSeal21", "CarryOver11", "CarryOver22", "CarryOver12",
        "CarryOver21", "Purge11",    "Purge22",    "OACF",       "EATR"};
    EXPECT_EQ(r.size(), std::size(fields));
    for (const char* f : fields)
        EXPECT_TRUE(r.contains(f)) << f;
    // Both fans drawing through at -300 Pa; no purge sector.
    EXPECT_EQ(r["P12"], -300.0);
    EXPECT_EQ(r["P22"], -300.0);
    EXPECT_EQ(r["P11"].get<double>(), -300 + r["DeltaP1"].get<double>());
    EXPECT_EQ(r["Purge22"], 0.0);

    // Spelled out, the defaults give the same answer: type E at 10 1/min, 2 mm gaps, zeta 1.
    EXPECT_EQ(
        Answer(R"({"mode":"leakage","HousingCode":1,"Diameter":1920,"ProfileCode":"E-E20","MatrixType":1,
                      "Speed":10,"V12":10000,"V21":10000,"FanPosition1":0,"FanPosition2":0,"P12":-300,"P22":-300,
                      "PurgeSector":0,"GapCircumference":2,"GapSeparation":2,"ZetaCircumference":1,
                      "ZetaSeparation":1})"),
        r);
}

TEST(LeakageMode, GapWidthFollowsHousingAndDiameter) {
    const auto leak = [](const std::string& extra) {
        return Answer((R"({"mode":"leakage","Diameter":2381,"ProfileCode":"E-E20","V12":10000,"V21":9000)" +
                       extra + "}")
                          .c_str())["LeakSeal22"];
    };
    EXPECT_EQ(leak(""), leak(R"(,"GapSeparation":3)"));
    EXPECT_EQ(leak(R"(,"HousingCode":10)"), leak(R"(,"GapSeparation":1)"));
    EXPECT_NE(leak(R"(,"HousingCode":10)"), leak(""));
    const Json at2380 =
        Answer(R"({"mode":"leakage","Diameter":2380,"ProfileCode":"E-E20","V12":10000,"V21":9000})");
    const Json at2380gap2 = Answer(
        R"({"mode":"leakage","Diameter":2380,"ProfileCode":"E-E20","V12":10000,"V21":9000,"GapSeparation":2,
                "GapCircumference":2})");
    EXPECT_EQ(at2380, at2380gap2);
}

TEST(LeakageMode, EnteredPressureFollowsTheFan) {
    const Json blow =
        Answer(R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":10000,"V21":10000,
                              "FanPosition1":1,"P11":300,"FanPosition2":1,"P21":100,"PurgeSector":1})");
    ASSERT_FALSE(blow.contains("error")) << blow.dump();
    EXPECT_EQ(blow["P11"], 300.0);
    EXPECT_EQ(blow["P12"].get<double>(), 300 - blow["DeltaP1"].get<double>());
    EXPECT_EQ(blow["P22"].get<double>(), 100 - blow["DeltaP2"].get<double>());
    EXPECT_LT(blow["Purge11"].get<double>(), 0);
}

TEST(LeakageMode, RejectedRequests) {
    for (
        const char* text : {
            R"({"mode":"leakage","ProfileCode":"E-E20","V12":10000,"V21":10000})",
            R"({"mode":"leakage","Diameter":1920,"V12":10000,"V21":10000})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V21":10000})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E2","V12":10000,"V21":10000})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":10000,"V21":10000,"P11":-200})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":10000,"V21":10000,"FanPosition2":1,"P22":-200})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":10000,"V21":10000,"PurgeSector":3})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":10000,"V21":10000,"FanPosition1":2})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":10000,"V21":10000,"HousingCode":4})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":10000,"V21":10000,"MatrixType":2})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":"10000","V21":10000})",
            // Arithmetic errors of the calculation.
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":0,"V21":10000})",
            R"({"mode":"leakage","Diameter":1920,"ProfileCode":"E-E20","V12":10000,"V21":10000,"ZetaCircumference":0})",
        })
        EXPECT_TRUE(IsError(Answer(text))) << text;
}
