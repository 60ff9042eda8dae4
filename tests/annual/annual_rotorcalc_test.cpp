// rotorcalc's "annual" mode: the same figures as the selection's year for the same inputs, the
// weather as an EPW file or hour by hour alike, and a clear message for a weather it cannot use.

#include "annual_request.h"
#include "annual_selection.h"
#include "batch.h"
#include "generated_epw.h"
#include "selection_json.h"
#include "text_table.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace velmarsund {
namespace {

using request::Json;
using rotorcalc::RunRequest;
using testing::EpwHour;

// A year that heats, idles and cools: a seasonal and a daily swing, the pressure missing at night.
EpwHour Varied(std::size_t i) {
    const double day = static_cast<double>(i) / 24, hour = static_cast<double>(i % 24);
    const double t =
        9 - 12 * std::cos(2 * M_PI * (day - 15) / 365) - 5 * std::cos(2 * M_PI * (hour - 3) / 24);
    return {std::round(t * 10) / 10, std::round(70 + 15 * std::cos(2 * M_PI * (hour - 3) / 24)),
            i % 24 < 6 ? std::nullopt : std::optional<double>(100500 + static_cast<double>(i % 7) * 100)};
}

// The request as a script writes it from a selection file: the rotor fields, the summer case and
// the annual block.
Json AnnualRequest(const Json& selectionFile) {
    Json request = {{"mode", "annual"}};
    for (const char* field : {"AirPressure", "HumidityKind", "VolumeKind", "MatrixType", "Diameter",
                              "Profile", "State11", "State21", "Summer", "ShowSummer", "Annual"})
        if (selectionFile.contains(field)) request[field] = selectionFile[field];
    return request;
}

void ExpectFigures(const Json& figures, const AnnualFigures& expected) {
    EXPECT_EQ(figures["Scheduled"], expected.scheduled);
    EXPECT_EQ(figures["Heating"], expected.heating);
    EXPECT_EQ(figures["Cooling"], expected.cooling);
    EXPECT_EQ(figures["Idle"], expected.idle);
    EXPECT_EQ(figures["Frost"], expected.frost);
    EXPECT_EQ(figures["Failed"], expected.failed);
    // Full precision: the same doubles.
    EXPECT_EQ(figures["HeatingSensible"].get<double>(), expected.heatingSensible);
    EXPECT_EQ(figures["HeatingLatent"].get<double>(), expected.heatingLatent);
    EXPECT_EQ(figures["HeatingTotal"].get<double>(), expected.heatingTotal);
    EXPECT_EQ(figures["CoolingTotal"].get<double>(), expected.coolingTotal);
    EXPECT_EQ(figures["FanEnergy"].get<double>(), expected.fanEnergy);
    EXPECT_EQ(figures["DriveEnergy"].get<double>(), expected.driveEnergy);
    EXPECT_EQ(figures["WaterRecovered"].get<double>(), expected.waterRecovered);
}

TEST(AnnualMode, GivesTheSelectionsFiguresForTheSameInputsFromAFileOrHourByHour) {
    SetCurrentLanguage(Language::English);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string epw = dir.filePath(QStringLiteral("Testhafen.epw")).toStdString();
    std::ofstream(epw) << testing::GeneratedEpw(Varied, "Tuesday");

    Selection selection =
        SelectionFromJson(Json::parse(R"({"Height":2000,"Width":2000,"Diameter":1880,"Profile":"E18",
        "AirPressure":990,"State11":{"SVol":9000,"Temp":-12,"Humidity":90},"State21":{"SVol":10000,"Temp":22,"Humidity":40},
        "Summer":{"State11":{"SVol":9000,"Temp":32,"Humidity":40},"State21":{"SVol":10000,"Temp":25,"Humidity":50}},
        "Annual":{"Schedule":{"From":5,"To":22,"Days":5},"SupplySetpoint":17,"FanEfficiency":0.55,
                  "HeatPrice":0.09,"ElectricityPrice":0.3,"Investment":9000}})"));
    selection.annual->weather = epw;
    const WeatherYear year = request::ReadWeatherFile(epw);
    const AnnualResults expected = CalculateAnnualEnergy(selection, year);
    ASSERT_GT(expected.year.heating, 0);
    ASSERT_GT(expected.year.cooling, 0);
    ASSERT_GT(expected.year.idle, 0);

    Json fromFile = AnnualRequest(SelectionJson(selection));
    Json inline_ = fromFile;
    inline_["Annual"].erase("Weather");
    inline_["FirstWeekday"] = 2;
    inline_["Hours"] = Json::array();
    for (const WeatherHour& h : year.hours)
        inline_["Hours"].push_back({h.temp, h.humidity, h.pressure ? Json(*h.pressure) : Json(nullptr)});

    for (const Json& request : {fromFile, inline_}) {
        const Json r = RunRequest(request);
        ASSERT_FALSE(r.contains("error")) << r["error"];
        ExpectFigures(r["Year"], expected.year);
        ASSERT_EQ(r["Months"].size(), 12u);
        for (std::size_t m = 0; m < 12; ++m)
            ExpectFigures(r["Months"][m], expected.months[m]);
        EXPECT_EQ(r["Year"]["MoneySaved"].get<double>(), *MoneySaved(expected.year, *selection.annual));
        EXPECT_EQ(r["Year"]["Payback"].get<double>(), *PaybackYears(expected.year, *selection.annual));
    }
}

TEST(AnnualMode, RefusesAWeatherItCannotUseWithTheReason) {
    QTemporaryDir dir;
    const std::string hot = dir.filePath(QStringLiteral("hot.epw")).toStdString();
    std::ofstream(hot) << testing::GeneratedEpw([](std::size_t i) {
        return EpwHour{i == 40 ? 200.0 : 10.0, 50, {}};
    });
    const Json base = Json::parse(R"({"mode":"annual","Diameter":1880,"Profile":"E18",
        "State11":{"SVol":10000,"Temp":-12,"Humidity":90},"State21":{"SVol":10000,"Temp":22,"Humidity":40}})");
    const auto with = [&](Json patch) {
        Json request = base;
        request.merge_patch(patch);
        return RunRequest(request).value("error", std::string());
    };
    const Json hours = Json::array({Json::array({10, 50, nullptr})});
    struct Case {
        Json patch;
        const char* says;
    };
    const Case cases[] = {
        {Json::object(), "'Annual.Weather' (an EPW file) or 'Hours'"},
        {{{"Annual", {{"Weather", hot}}}}, "line 49: dry-bulb temperature 200"},
        {{{"Annual", {{"Weather", dir.path().toStdString()}}}}, "cannot be read: "},
        {{{"Hours", hours}}, "holds 1 hours, not 8760 or 8784"},
        {{{"Hours", hours}, {"Annual", {{"Weather", hot}}}}, "exclude each other"},
        {{{"Hours", Json::array({"warm"})}}, "field 'Hours[0]'"},
        {{{"Annual", {{"FanEfficiency", 1}}}}, "field 'Annual.FanEfficiency' must lie between 0.2 and 0.9"},
    };
    for (const Case& c : cases) {
        const std::string error = with(c.patch);
        EXPECT_NE(error.find(c.says), std::string::npos) << c.patch.dump() << ": " << error;
    }
}

} // namespace
} // namespace velmarsund
