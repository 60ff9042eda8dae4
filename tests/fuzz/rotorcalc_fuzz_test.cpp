// Random and mutated requests through rotorcalc's reader and every mode. The contract: no crash,
// no hang (the test's time limit), a result or an error for every request of JSON input, exit 2
// for input that is not JSON. Run under the sanitizers, any undefined behaviour fails the test.

#include "batch.h"
#include "file_access.h"
#include "fuzz_scale.h"
#include "varied_requests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

using namespace velmarsund::rotorcalc;
using velmarsund::testing::FuzzCount;

namespace {

// Values that sit on the edges of every reader: the ends of the integer types, of a double, zero
// of both signs, fractions where whole numbers are meant, and what is no number at all.
const std::vector<std::string> kEdgeValues = {
    "0", "-0", "-0.0", "1", "-1", "0.5", "2147483647", "-2147483648", "2147483648", "-2147483649", "4294967296",
    "9223372036854775807", "-9223372036854775808", "18446744073709551615", "18446744073709551616",
    "1e15", "1e19", "-1e19", "1e300", "-1e300", "1.7976931348623157e308", "-1.7976931348623157e308", "1e400",
    "-1e400", "5e-324", "1e-400", "NaN", "Infinity", "-Infinity", "true", "false", "null", "\"\"", "\"E20\"",
    "\"E-E20\"", "\"x\"", "[]", "{}", "[1,2]", "\"Calculate\"", "\"Update\"",
};

const std::vector<std::string> kTokens = {
    "1e400", "-1e400", "1e99999999999999999999", "NaN", "Infinity", "-", ".", "e", "E+", "\"", "\\", "\\u0000",
    "\\ud800", "\xC3", "\xFF", std::string(1, '\0'), ",", ":", "[", "]", "{", "}", " ", "\n", "2147483648",
    "-2147483649", "1e-400", "0.0000001", "true", "null", "\"mode\":\"sizes\"", "{\"mode\":\"geometry\"}",
};

struct ModeFields {
    std::string mode;
    std::vector<std::string> fields;
};

const std::vector<ModeFields> kModes = {
    {"rotor", {"AirPressure", "HumidityKind", "VolumeKind", "MatrixType", "Diameter", "Profile", "FoilThickness",
               "ProfileHeight", "ProfilePitch", "Speed", "WheelDepth", "State11", "State21", "Operation", "EnergyClass"}},
    {"geometry", {"SeriesIndex", "Height", "Width", "Diameter", "MatrixType", "Profile"}},
    {"weight", {"HousingCode", "Height", "Width", "Diameter", "Profile", "ProfileHeight", "FoilThickness",
                "ProfilePitch", "MatrixType", "DepthOverride"}},
    {"leakage", {"Diameter", "ProfileCode", "V12", "V21", "HousingCode", "MatrixType", "Speed", "FanPosition1",
                 "FanPosition2", "P11", "P12", "P21", "P22", "PurgeSector", "GapCircumference", "GapSeparation",
                 "ZetaCircumference", "ZetaSeparation"}},
    {"sizes", {"AirPressure", "HumidityKind", "VolumeKind", "MatrixType", "Profile", "SeriesIndex",
               "UseAhriEffectiveness", "State11", "State21", "Speed", "WheelDepth"}},
};

const std::vector<std::string> kStateFields = {"SVol", "AVol", "Temp", "Humidity", "X", "DewPoint", "WetBulb",
                                               "Enthalpy", "Density", "DryMassFlow", "VapourMassFlow", "MassFlow"};

struct AirFunction {
    const char* name;
    int arity;
};

const std::vector<AirFunction> kAirFunctions = {
    {"SatPressure", 1}, {"XFromPhi", 3}, {"PhiFromX", 3}, {"TempFromSatPressure", 1}, {"DewPointOf", 2},
    {"TempFromXPhi", 3}, {"EnthalpyOf", 3}, {"TempOnEnthalpyLine", 4}, {"DensityOf", 3}, {"StdVolumeOf", 4},
    {"ActVolumeOf", 4}, {"PressureFromAltitude", 1}, {"AltitudeFromPressure", 1}, {"KinViscosity", 1},
    {"PrandtlNumber", 1}, {"ThermalConductivity", 1}, {"CpMoistAir", 2}, {"SmoothStep", 6}, {"MoistureFactor", 6}};

// The range a field's plausible values come from; codes and kinds from their few valid values.
struct FieldRange {
    const char* field;
    double low, high;
    bool whole;
};

const std::vector<FieldRange> kRanges = {
    {"SeriesIndex", 0, 3, true}, {"HumidityKind", 0, 3, true}, {"VolumeKind", 0, 3, true},
    {"FanPosition1", 0, 1, true}, {"FanPosition2", 0, 1, true}, {"PurgeSector", 0, 2, true},
    {"Height", 300, 5200, true}, {"Width", 300, 5200, true}, {"Diameter", 250, 5000, true},
    {"DepthOverride", 0, 600, true}, {"AirPressure", 600, 1100, false}, {"Speed", 0.5, 30, false},
    {"WheelDepth", 100, 300, true}, {"FoilThickness", 0.03, 0.2, false}, {"ProfileHeight", 1, 3.5, false},
    {"ProfilePitch", 2, 9, false}, {"V12", 0, 60000, false}, {"V21", 0, 60000, false}, {"P11", -2500, 2500, false},
    {"P12", -2500, 2500, false}, {"P21", -2500, 2500, false}, {"P22", -2500, 2500, false},
    {"GapCircumference", 0, 6, false}, {"GapSeparation", 0, 6, false}, {"ZetaCircumference", 0, 3, false},
    {"ZetaSeparation", 0, 3, false}, {"SVol", 0, 60000, false}, {"AVol", 0, 60000, false}, {"Temp", -45, 70, false},
    {"Humidity", 0, 105, false}, {"X", 0, 40, false}, {"DewPoint", -50, 40, false}, {"WetBulb", -40, 40, false},
    {"Enthalpy", -40, 120, false}, {"Density", 0.8, 1.5, false}, {"DryMassFlow", 0, 70000, false},
    {"VapourMassFlow", 0, 500, false}, {"MassFlow", 0, 70000, false},
};

class RequestMaker {
public:
    explicit RequestMaker(std::uint64_t seed) : random_(seed) {}

    // Half of the numbers plausible (so that the calculations run deep), half from the edges.
    std::string Value(const std::string& field)
    {
        if (field == "State11" || field == "State21") return State();
        if (field == "Profile") return Pick({"\"E20\"", "\"E18\"", "\"P14\"", "\"K16\"", "\"N22\"", "\"Z99\"", "\"\""});
        if (field == "ProfileCode") return Pick({"\"E-E20\"", "\"P-P14\"", "\"N-N22\"", "\"E20\"", "\"\""});
        if (field == "Operation") return Pick({"\"Calculate\"", "\"Update\"", "\"x\""});
        if (Edge()) return kEdgeValues[random_() % kEdgeValues.size()];
        if (field == "HousingCode") return Pick({"1", "2", "3", "10"});
        if (field == "MatrixType") return Pick({"0", "1", "3", "6"});
        if (field == "EnergyClass" || field == "UseAhriEffectiveness") return Pick({"true", "false"});
        return Plausible(field);
    }

    // Half of the requests are plausible throughout, so that they reach the end of the
    // calculations; in the other half any field may hold an edge value or be left out.
    std::string Request()
    {
        edgy_ = Chance(2);
        if (Chance(8)) return Air();
        const ModeFields& m = kModes[random_() % kModes.size()];
        std::string text = "{";
        if (m.mode != "rotor" || Chance(2)) text += "\"mode\":\"" + m.mode + "\"";
        for (const std::string& f : m.fields) {
            if (Chance(edgy_ ? 8 : 40)) continue;
            if (text.size() > 1) text += ",";
            text += "\"" + f + "\":" + Value(f);
        }
        if (Chance(20)) text += std::string(text.size() > 1 ? "," : "") + "\"Unknown\":1";
        return text + "}";
    }

private:
    bool Chance(int oneIn) { return random_() % oneIn == 0; }
    bool Edge() { return edgy_ && Chance(4); }
    std::string Pick(std::initializer_list<const char*> options)
    {
        return *(options.begin() + random_() % options.size());
    }
    std::string Plausible(const std::string& field = {})
    {
        FieldRange range{"", -50, 5000, false};
        for (const FieldRange& r : kRanges)
            if (field == r.field) range = r;
        std::uniform_real_distribution<double> within(range.low, range.high);
        const double v = within(random_);
        if (range.whole) return std::to_string(static_cast<long long>(std::llround(v)));
        std::ostringstream out;
        out.precision(17);
        out << v;
        return out.str();
    }
    std::string State()
    {
        if (Edge()) return kEdgeValues[random_() % kEdgeValues.size()];
        std::string text = "{";
        for (int i = 0; i < 3; ++i) {
            if (i) text += ",";
            const std::string& f = kStateFields[random_() % kStateFields.size()];
            text += "\"" + f + "\":" + (Edge() ? kEdgeValues[random_() % kEdgeValues.size()] : Plausible(f));
        }
        return text + "}";
    }
    std::string Air()
    {
        const AirFunction& f = kAirFunctions[random_() % kAirFunctions.size()];
        std::string text = "{\"mode\":\"air\",\"fn\":\"" + std::string(f.name) + "\",\"args\":[";
        const int n = Chance(8) ? static_cast<int>(random_() % 7) : f.arity;
        for (int i = 0; i < n; ++i) text += std::string(i ? "," : "") + (Edge() ? kEdgeValues[random_() % kEdgeValues.size()] : Plausible());
        return text + "]}";
    }

    std::mt19937_64 random_;
    bool edgy_ = false;
};

struct Outcome {
    int status;
    std::string out;
};

Outcome Stream(const std::string& text)
{
    std::istringstream in(text);
    std::ostringstream out;
    std::string message;
    const int status = RunStream(in, out, message);
    if (status == 2) {
        EXPECT_FALSE(message.empty());
    }
    return {status, out.str()};
}

// Every answer is an object: a result, or an error with its text.
void ExpectAnswers(const Json& answers, std::size_t count, const std::string& input)
{
    ASSERT_TRUE(answers.is_array()) << input;
    ASSERT_EQ(answers.size(), count) << input;
    for (const Json& a : answers) {
        ASSERT_TRUE(a.is_object()) << input;
        if (a.contains("error")) {
            EXPECT_TRUE(a["error"].is_string() && !a["error"].get<std::string>().empty()) << input;
        }
    }
}

} // namespace

TEST(RotorcalcFuzz, RandomRequestsOfEveryModeAreEachAnswered)
{
    RequestMaker maker(20261210);
    const int batches = FuzzCount(200);
    for (int b = 0; b < batches; ++b) {
        std::string batch = "[";
        constexpr int kPerBatch = 25;
        for (int i = 0; i < kPerBatch; ++i) batch += (i ? "," : "") + maker.Request();
        batch += "]";
        const Outcome o = Stream(batch);
        ASSERT_EQ(o.status, 0) << batch;
        std::string message;
        const auto answers = ParseInput(o.out, message);
        ASSERT_TRUE(answers) << message << "\n" << batch;
        ExpectAnswers(*answers, kPerBatch, batch);
        if (HasFatalFailure()) return;

    }
}

TEST(RotorcalcFuzz, MutatedInputsAreAnsweredOrRefusedAsNotJson)
{
    RequestMaker maker(7);
    std::vector<std::string> seeds = {velmarsund::testing::VariedRotorBatch(3),
                                      R"({"mode":"air","fn":"DewPointOf","args":[7.2581,1013]})",
                                      R"({"AirPressure":1e99999999999999999999})", R"({"AirPressure":1e400-5})"};
    for (int i = 0; i < 12; ++i) seeds.push_back("[" + maker.Request() + "," + maker.Request() + "]");
    std::mt19937_64 random(42);
    const int count = FuzzCount(3000);
    int answered = 0;
    for (int i = 0; i < count; ++i) {
        const std::string input = velmarsund::testing::Mutate(seeds[random() % seeds.size()], random, kTokens);
        const Outcome o = Stream(input);
        ASSERT_TRUE(o.status == 0 || o.status == 2) << input;
        std::string message;
        const auto whole = ParseInput(input, message);
        // The streaming reader and the whole-document reader agree on what is JSON.
        ASSERT_EQ(o.status == 0, whole.has_value()) << input << "\n" << message;
        if (o.status != 0) continue;
        ++answered;
        const auto answers = ParseInput(o.out, message);
        ASSERT_TRUE(answers) << input;
        if (whole->is_array()) ExpectAnswers(*answers, whole->size(), input);
        else ASSERT_TRUE(answers->is_object()) << input;
    }
    RecordProperty("answered", answered);
}

// Inputs of an outside fault hunt that ended the program with an uncaught exception: a read error
// of the input (a folder, /proc/self/mem) ends the stream without one, and the error is kept for
// the message.
TEST(RotorcalcFuzz, ReadErrorsOfTheInputEndItWithoutAnException) {
    struct Case {
        const char* path;
        int flags;
        int error;
    };
    const Case cases[] = {{"/proc/self/mem", O_RDONLY, EIO}, {"/tmp", O_RDONLY | O_DIRECTORY, EISDIR}};
    for (const Case& c : cases) {
        const int fd = ::open(c.path, c.flags);
        ASSERT_GE(fd, 0) << c.path;
        velmarsund::DescriptorBuffer buffer(fd);
        std::istream in(&buffer);
        std::ostringstream out;
        std::string message;
        int status = -1;
        EXPECT_NO_THROW(status = RunStream(in, out, message)) << c.path;
        EXPECT_EQ(status, 2) << c.path;
        EXPECT_EQ(buffer.Error(), c.error) << c.path;
        ::close(fd);
    }
}
