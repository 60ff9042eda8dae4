#include "weather_file.h"

#include "generated_epw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace velmarsund {
namespace {

using testing::EpwHour;
using testing::EpwLineOf;
using testing::GeneratedEpw;

TEST(WeatherFile, ReadsLocationCalendarAndTheThreeFieldsOfEachHour) {
    const std::string text = GeneratedEpw(
        [](std::size_t i) {
            return EpwHour{-20 + static_cast<double>(i % 50), static_cast<double>(i % 101),
                           i % 2 ? std::optional<double>(100000 + static_cast<double>(i)) : std::nullopt};
        },
        "Wednesday");
    const WeatherYear year = ReadEpw(text);
    EXPECT_EQ(year.location.city, "Testhafen");
    EXPECT_EQ(year.location.country, "Testland");
    EXPECT_DOUBLE_EQ(year.location.latitude, 54);
    EXPECT_DOUBLE_EQ(year.location.elevation, 12);
    ASSERT_EQ(year.hours.size(), 8760u);
    EXPECT_EQ(year.firstWeekday, 3);
    const WeatherHour& h = year.hours[1001];
    EXPECT_DOUBLE_EQ(h.temp, -20 + 1001 % 50);
    EXPECT_DOUBLE_EQ(h.humidity, 1001 % 101);
    ASSERT_TRUE(h.pressure);
    EXPECT_DOUBLE_EQ(*h.pressure, 101001);
    EXPECT_FALSE(year.hours[1000].pressure) << "999999 is the missing-value code";
    EXPECT_EQ(h.month, 2); // day 42
    EXPECT_EQ(h.hour, 1001 % 24 + 1);
    EXPECT_EQ(year.hours.back().month, 12);
    EXPECT_EQ(year.WeekdayOf(0), 3);
    EXPECT_EQ(year.WeekdayOf(24 * 4), 7);
    EXPECT_EQ(year.WeekdayOf(24 * 5 + 23), 1);
}

TEST(WeatherFile, TakesALeapYearAndWindowsLineEnds) {
    std::string text = GeneratedEpw([](std::size_t) { return EpwHour{5, 80, 101325}; }, "sunday", true);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, "\r");
    const WeatherYear year = ReadEpw(text);
    EXPECT_EQ(year.hours.size(), 8784u);
    EXPECT_EQ(year.firstWeekday, 7);
    EXPECT_EQ(year.hours[24 * 59].month, 2) << "29 February";
    EXPECT_EQ(year.hours[24 * 60].month, 3);
}

std::string Replaced(std::string text, const std::string& what, const std::string& by,
                     std::size_t occurrence) {
    std::size_t at = 0;
    for (std::size_t i = 0; i <= occurrence; ++i)
        at = text.find(what, i ? at + 1 : 0);
    return text.replace(at, what.size(), by);
}

TEST(WeatherFile, RefusesAFileWithTheLineNumber) {
    const auto mild = [](std::size_t) { return EpwHour{10, 60, std::nullopt}; };
    const std::string good = GeneratedEpw(mild);
    // Row 100 of the generated file, as text, to spoil.
    const std::size_t row = 100;
    const std::string rowStart = "2001,1,5,5,60,";
    ASSERT_EQ(good.find(rowStart), good.find("\n2001,1,5,5,") + 1);
    const auto lineOf = [&](const std::string& text) {
        return static_cast<std::size_t>(std::count(text.begin(), text.begin() + text.find(rowStart), '\n')) +
               1;
    };
    ASSERT_EQ(lineOf(good), EpwLineOf(row));

    struct Case {
        const char* what;
        std::string text;
        std::size_t line;
        const char* says;
    };
    const auto spoiltRow = [&](const std::string& field, const std::string& by) {
        const std::size_t at = good.find(rowStart);
        const std::size_t end = good.find('\n', at);
        std::string line = good.substr(at, end - at);
        line = Replaced(line, field, by, 0);
        return good.substr(0, at) + line + good.substr(end);
    };
    const Case cases[] = {
        {"a temperature of 200 degC", spoiltRow(",10,5,60,", ",200,5,60,"), EpwLineOf(row),
         "dry-bulb temperature 200"},
        {"a humidity of 130 %", spoiltRow(",10,5,60,", ",10,5,130,"), EpwLineOf(row),
         "relative humidity 130"},
        {"a pressure of 5 Pa", spoiltRow(",999999,", ",5,"), EpwLineOf(row), "station pressure 5"},
        {"a word for a number", spoiltRow(",10,5,60,", ",ten,5,60,"), EpwLineOf(row), "field 7 is no number"},
        {"a cut row",
         good.substr(0, good.find(",10,5,60,", good.find(rowStart))) + "\n" +
             good.substr(good.find('\n', good.find(rowStart)) + 1),
         EpwLineOf(row), "at least ten fields"},
        {"hour 25", spoiltRow("2001,1,5,5,", "2001,1,5,25,"), EpwLineOf(row), "hour 25"},
        {"no location line", good.substr(good.find('\n') + 1), 1, "LOCATION"},
        {"no start weekday", Replaced(good, "Monday", "Someday", 0), 8, "weekday"},
        {"a row too few", good.substr(0, good.rfind("2001,12,31,24")), 0, "8759 hours, not 8760 or 8784"},
        {"a row too many", good + good.substr(good.rfind("2001,12,31,24")), 0, "8761 hours"},
        {"a day of rows too many", GeneratedEpw(mild, "Monday", false, 8784 + 24), EpwLineOf(8784),
         "more than 8784 hours"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            ReadEpw(c.text);
            ADD_FAILURE() << "read";
        } catch (const WeatherFileError& e) {
            EXPECT_EQ(e.Line(), c.line) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
            if (c.line) {
                EXPECT_EQ(std::string(e.what()).rfind("line " + std::to_string(c.line) + ": ", 0), 0u)
                    << e.what();
            }
        }
    }
}

TEST(WeatherFile, AYearGivenHourByHourFollowsTheCalendarAndIsCheckedAlike) {
    std::vector<GivenHour> hours(8784, GivenHour{0, 50, std::nullopt});
    const WeatherYear leap = WeatherYearOf(hours, 6);
    EXPECT_EQ(leap.hours[24 * 59].month, 2);
    EXPECT_EQ(leap.hours.back().month, 12);
    EXPECT_EQ(leap.hours[25].hour, 2);
    EXPECT_EQ(leap.WeekdayOf(24), 7);
    hours.resize(8760);
    EXPECT_EQ(WeatherYearOf(hours, 1).hours[24 * 59].month, 3);
    hours[17].temp = 200;
    EXPECT_THROW(WeatherYearOf(hours, 1), WeatherFileError);
    hours[17].temp = 0;
    EXPECT_THROW(WeatherYearOf(hours, 8), WeatherFileError);
    hours.pop_back();
    EXPECT_THROW(WeatherYearOf(hours, 1), WeatherFileError);
}

} // namespace
} // namespace velmarsund
