// Mutated rotorsheet requests through reading, checking, calculating and drawing every page. The
// contract: no crash, no hang, and for input that is JSON either the pages of every request or
// a refusal that names the request; a refused batch draws nothing.

#include "batch.h"
#include "fuzz_scale.h"
#include "page_documents.h"
#include "recording_canvas.h"
#include "sheet_batch.h"

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;
using request::Json;

const std::vector<std::string> kSeeds = {
    R"({"SeriesIndex":1,"Height":2000,"Width":2000,"Diameter":1880,"Profile":"E18","Language":"de","Units":"IP",)"
    R"("State11":{"SVol":10000,"Temp":-12,"Humidity":90},"State21":{"SVol":10000,"Temp":22,"Humidity":40},)"
    R"("Summer":{"State11":{"SVol":10000,"Temp":32,"Humidity":40},"State21":{"SVol":10000,"Temp":22,"Humidity":50}},)"
    R"("Pages":["datasheet","leakage","chart"],"Leakage":{"FanPosition1":1,"Pressure1":1.5,"Pressure2":-1,"PurgeSector":1}})",
    R"({"SeriesIndex":3,"Height":1300,"Width":1300,"Profile":"E18","Language":"ru","Header":["A","B"],"PrintHeader":true,)"
    R"("Notes":["n"],"Pages":["datasheet","chart"],"Mollier":false,"ChartNotes":["c"],"DecimalSeparator":",",)"
    R"("ThousandSeparator":" ","UseAhriEffectiveness":true,"TotalEffectiveness":true,"WetBulbOnDataSheet":true})",
    R"([{"SeriesIndex":0,"Height":1200,"Width":1400,"Language":"zh","MatrixType":0,"Profile":"E18","State11":{"SVol":5000},"State21":{"SVol":5000}},)"
    R"({"SeriesIndex":2,"Height":2400,"Width":2500,"Language":"pl","State11":{"AVol":20000,"Temp":-30,"X":0.2},"State21":{"SVol":20000}}])",
};

const std::vector<std::string> kTokens = {
    "1e400", "-1e400", "NaN", "2147483648", "-2147483649", "0", "-0", "1e-300", "5000", "-5000", "99999",
    "\"\"", "\"xx\"", "\"\\u0000\"", "true", "null", "[]", "{}", "\"product\"", "\"controller\"", ",", "\"",
    std::string(1, '\0'), "\xFF", "\xE2\x80\x8B", "\xC2\xAD", "\xCC\x81",
};

const std::vector<std::string> kValues = {
    "0", "-0.0", "1", "-1", "0.5", "2147483647", "-2147483648", "2147483648", "1e300", "-1e300", "5e-324", "8", "-8",
    "2000", "-2000", "2001", "30000", "-45", "100", "101", "true", "false", "null", "\"\"", "\"E20\"", "\"de\"",
    "\"IP\"", "\",\"", "\".\"", "\"\\u0000\"", "[]", "{}", "[\"datasheet\",\"product\",\"controller\"]",
    "[\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\"]",
    // Separators that cannot be seen, and texts longer than their place.
    "\"\\u200B\"", "\"\\u00AD\"", "\"\\u0301\"", "\"\\u00A0\"", "\"'\"", "\"" + std::string(301, 'x') + "\"",
    "[\"" + std::string(2000, 'x') + "\"]",
};

// One value of the request, anywhere in it, replaced or removed: the request mostly stays JSON
// and reaches the checks and the drawing with one field at an edge.
void MutateValue(Json& json, std::mt19937_64& random)
{
    Json* node = &json;
    while ((node->is_object() || node->is_array()) && !node->empty() && random() % 4 != 0) {
        auto it = node->begin();
        std::advance(it, static_cast<long>(random() % node->size()));
        if (!it->is_object() && !it->is_array()) {
            if (node->is_object() && random() % 6 == 0) {
                node->erase(it.key());
                return;
            }
            *it = Json::parse(kValues[random() % kValues.size()]);
            return;
        }
        node = &*it;
    }
    if (node->is_object() && random() % 3 == 0) (*node)["Unknown"] = 1;
}

} // namespace

TEST(RotorsheetFuzz, MutatedRequestsGivePagesOrANamedRefusal)
{
    std::mt19937_64 random(308);
    const int count = FuzzCount(400);
    int drawn = 0, refused = 0;
    for (int i = 0; i < count; ++i) {
        std::string input = kSeeds[random() % kSeeds.size()];
        if (random() % 5 == 0) {
            input = Mutate(input, random, kTokens);
        } else {
            Json json = Json::parse(input);
            for (int k = 1 + static_cast<int>(random() % 3); k > 0; --k) MutateValue(json, random);
            input = json.dump();
        }
        std::string message;
        const auto json = rotorcalc::ParseInput(input, message);
        if (!json) continue;
        const rotorsheet::SheetBatch batch = rotorsheet::PrepareBatch(*json);
        if (!batch.errors.empty()) {
            ++refused;
            for (const std::string& e : batch.errors) {
                EXPECT_FALSE(e.empty()) << input;
            }
            continue;
        }
        ASSERT_FALSE(batch.pages.empty()) << input;
        ++drawn;
        RecordingCanvas canvas;
        for (const PageProcedure& page : batch.pages) page(canvas, 1);
        // Now and then the whole way to a PDF, which measures every text with its font.
        if (i % 25 == 0) {
            EXPECT_TRUE(PdfDocument(batch.pages).startsWith("%PDF")) << input;
        }
    }
    RecordProperty("drawn", drawn);
    RecordProperty("refused", refused);
    EXPECT_GT(drawn, 0);
    EXPECT_GT(refused, 0);
}

// Inputs of an outside fault hunt: each refused with the request and the field named, quickly,
// and nothing drawn.
TEST(RotorsheetFuzz, InputsOfTheFaultHuntAreRefusedWithTheField) {
    const std::string base = R"({"Height":2000,"Width":2000,)";
    const std::string megabyte(1 << 20, 'x');
    struct Case {
        std::string input;
        const char* named;
    };
    const Case cases[] = {
        {base + R"("DecimalSeparator":"\u200B"})", "request: field 'DecimalSeparator'"},
        {base + R"("DecimalSeparator":"\u00AD"})", "request: field 'DecimalSeparator'"},
        {base + R"("DecimalSeparator":"\u0301"})", "request: field 'DecimalSeparator'"},
        {base + R"("ThousandSeparator":"\u200B"})", "request: field 'ThousandSeparator'"},
        {base + R"("Header":[")" + megabyte + R"("]})", "request: field 'Header[0]' is longer than 300"},
        {base + R"("Notes":["a","b",")" + megabyte + R"("]})",
         "request: field 'Notes[2]' is longer than 300"},
        {base + R"("ChartNotes":[")" + megabyte + R"("]})", "request: field 'ChartNotes[0]'"},
        {base + R"("SummerCaption":")" + megabyte + R"("})", "request: field 'SummerCaption'"},
        {"[{}," + base + R"("WinterCaption":")" + megabyte + R"("}])", "request[1]: field 'WinterCaption'"},
    };
    for (const Case& c : cases) {
        std::string message;
        const auto json = rotorcalc::ParseInput(c.input, message);
        ASSERT_TRUE(json) << message;
        const rotorsheet::SheetBatch batch = rotorsheet::PrepareBatch(*json);
        ASSERT_FALSE(batch.errors.empty()) << c.named;
        bool named = false;
        for (const std::string& e : batch.errors)
            named = named || e.starts_with(c.named);
        EXPECT_TRUE(named) << c.named << "\n  got: " << batch.errors.back().substr(0, 200);
        for (const std::string& e : batch.errors)
            EXPECT_LT(e.size(), 300u);
    }
}

} // namespace velmarsund
