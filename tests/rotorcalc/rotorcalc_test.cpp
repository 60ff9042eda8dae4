#include "batch.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmarsund::rotorcalc;

namespace {

Json RunText(std::string_view text)
{
    std::string message;
    const auto input = ParseInput(text, message);
    EXPECT_TRUE(input) << message;
    return input ? RunInput(*input) : Json();
}

constexpr std::string_view kReference =
    R"({"Diameter":1880,"Profile":"E20","State11":{"SVol":10000,"Temp":-12,"Humidity":90},)"
    R"("State21":{"SVol":10000,"Temp":22,"Humidity":40}})";

} // namespace

TEST(Rotorcalc, ReferenceSelection)
{
    const Json r = RunText(kReference);
    EXPECT_EQ(r["Status"], 0);
    EXPECT_NEAR(r["FaceVelocity1"].get<double>(), 1.776, 5e-4);
    EXPECT_NEAR(r["TempEff1"].get<double>(), 78.77, 5e-3);
    EXPECT_NEAR(r["State12"]["Temp"].get<double>(), 14.78, 5e-3);
    EXPECT_EQ(r["State12"].size(), 12u);
    EXPECT_EQ(r["HClassLabel"], "78.3% / H1");
    EXPECT_EQ(r["HClassText"], "H1");
    EXPECT_EQ(r["MotorPower"], 180);
    EXPECT_EQ(r["MotorCurrent"], 0.6);
    EXPECT_EQ(r["EnergyClassError"], false);
    EXPECT_EQ(r["ProfilePitch"], 3.8);
    EXPECT_EQ(r["Speed"], 10);
}

TEST(Rotorcalc, NumbersRoundTripAtFullPrecision)
{
    const Json r = RunText(kReference);
    const std::string text = WriteResult(r);
    std::string message;
    const Json back = *ParseInput(text, message);
    EXPECT_EQ(back["TempEff1"].get<double>(), r["TempEff1"].get<double>());
    EXPECT_EQ(back["State22"]["WetBulb"].get<double>(), r["State22"]["WetBulb"].get<double>());
}

// One malformed request among good ones answers with an error in its place only.
TEST(Rotorcalc, BatchWithMalformedRequests)
{
    const Json out = RunText(R"([
        {"mode":"air","fn":"SatPressure","args":[20]},
        {"Diameter":"1880"},
        {"mode":"leak-test"},
        42,
        {"mode":"air","fn":"XFromPhi","args":[20,50,1013]}
    ])");
    ASSERT_EQ(out.size(), 5u);
    EXPECT_NEAR(out[0]["result"].get<double>(), 2336.85, 5e-3);
    EXPECT_NE(out[1]["error"].get<std::string>().find("Diameter"), std::string::npos);
    EXPECT_NE(out[2]["error"].get<std::string>().find("mode"), std::string::npos);
    EXPECT_TRUE(out[3].contains("error"));
    EXPECT_NEAR(out[4]["result"].get<double>(), 7.2581, 5e-5);
}

TEST(Rotorcalc, FieldRules)
{
    struct Case {
        const char* request;
        const char* errorNames; // empty: the request must compute
    };
    const Case cases[] = {
        {R"({"Diameter":1880.0})", ""},
        {R"({"Diameter":1880.5})", "Diameter"},
        {R"({"Diameter":true})", "Diameter"},
        {R"({"AirPressure":NaN})", "AirPressure"},
        {R"({"Speed":Infinity})", "Speed"},
        {R"({"State11":{"Temp":-Infinity}})", "State11.Temp"},
        {R"({"AirPressure":1e999})", "AirPressure"},
        {R"({"State11":{"Temperature":5}})", "State11.Temperature"},
        {R"({"State11":[1,2]})", "State11"},
        {R"({"MatrixType":2})", "MatrixType"},
        {R"({"Profile":"E2"})", "Profile"},
        {R"({"Profile":20})", "Profile"},
        {R"({"Operation":"Run"})", "Operation"},
        {R"({"EnergyClass":1})", "EnergyClass"},
        {R"({"HumidityKind":256})", "HumidityKind"},
        {R"({"Diamter":1880})", "Diamter"},
        {R"({"mode":"air","fn":"SatPressure","args":[1,2]})", "args"},
        {R"({"mode":"air","fn":"SatPressure","args":[true]})", "args"},
        {R"({"mode":"air","fn":"Boil","args":[1]})", "fn"},
        {R"({"mode":5})", "mode"},
    };
    for (const Case& c : cases) {
        const Json r = RunText(c.request);
        if (*c.errorNames == '\0') {
            EXPECT_FALSE(r.contains("error")) << c.request << " -> " << r.dump();
            continue;
        }
        ASSERT_TRUE(r.contains("error")) << c.request;
        EXPECT_NE(r["error"].get<std::string>().find(c.errorNames), std::string::npos)
            << c.request << " -> " << r["error"];
    }
}

TEST(Rotorcalc, ProfileDefaultsOverridesAndOperations)
{
    const Json plain = RunText(R"({"Diameter":1880})");
    EXPECT_EQ(plain["FoilThickness"], 0.08);
    EXPECT_EQ(plain["ProfileHeight"], 1.9);
    EXPECT_EQ(plain["ProfilePitch"], 5.2);
    const Json over = RunText(R"({"Profile":"E20","ProfilePitch":4.0,"MatrixType":6})");
    EXPECT_EQ(over["FoilThickness"], 0.06);
    EXPECT_EQ(over["ProfilePitch"], 4.0);
    EXPECT_EQ(over["Speed"], 20) << "sorption rotor turns at 20/min by default";

    std::string ref(kReference);
    ref.insert(1, R"("Operation":"Update","EnergyClass":false,)");
    const Json updated = RunText(ref);
    EXPECT_EQ(updated["Status"], 0);
    EXPECT_EQ(updated["HClassText"], "");
    EXPECT_NEAR(updated["TempEff1"].get<double>(), 78.77, 5e-3);
}

TEST(Rotorcalc, FailedRunsAndRaisingFunctions)
{
    // No flow: the rotor run fails, and the energy class cannot be formed.
    const Json r = RunText(R"({"Diameter":1880})");
    EXPECT_EQ(r["Status"], 100);
    EXPECT_EQ(r["EnergyClassError"], true);
    const Json e = RunText(R"({"mode":"air","fn":"TempOnEnthalpyLine","args":[1200,5,1013,100]})");
    EXPECT_TRUE(e.contains("error"));
    const Json caught = RunText(R"({"mode":"air","fn":"XFromPhi","args":[250,100,39062.5]})");
    EXPECT_EQ(caught["result"], 0);
}

TEST(Rotorcalc, TextThatIsNotJson)
{
    std::string message;
    EXPECT_FALSE(ParseInput("{\"Diameter\": ", message));
    EXPECT_FALSE(message.empty());
    EXPECT_FALSE(ParseInput("", message));
    // The non-finite literals are recognised outside strings only.
    const auto quoted = ParseInput(R"({"mode":"air","fn":"NaN","args":[]})", message);
    ASSERT_TRUE(quoted);
    EXPECT_EQ((*quoted)["fn"], "NaN");
}
