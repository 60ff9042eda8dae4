#pragma once
// A year of hourly weather: the EnergyPlus weather file (EPW) as published for thousands of
// locations, and a year given hour by hour. Per hour the dry-bulb temperature, the relative
// humidity and the station pressure (missing in many files: the selection's air pressure stands
// in), with the hour's month, its hour field and the weekday of the year's first day. Plain C++.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velmarsund {

// The hours a weather year may hold: a common year or a leap year.
inline constexpr std::size_t kHoursOfYear = 8760;
inline constexpr std::size_t kHoursOfLeapYear = 8784;

// The physical ranges a weather hour is checked against.
inline constexpr double kWeatherTempMin = -70;        // degC
inline constexpr double kWeatherTempMax = 70;         // degC
inline constexpr double kWeatherHumidityMax = 100;    // %
inline constexpr double kWeatherPressureMin = 31000;  // Pa
inline constexpr double kWeatherPressureMax = 120000; // Pa
// The EPW's code for a missing station pressure.
inline constexpr double kEpwMissingPressure = 999999;

struct WeatherHour {
    double temp = 0;                // dry bulb, degC
    double humidity = 0;            // relative humidity, %
    std::optional<double> pressure; // station pressure, Pa; none when the file does not know it
    int month = 1;                  // 1 .. 12
    int hour = 1;                   // the hour field: 1 covers 00:00 to 01:00, 24 covers 23:00 to 24:00
};

struct WeatherLocation {
    std::string city, region, country, source, station;
    double latitude = 0, longitude = 0, timeZone = 0, elevation = 0; // degrees, hours from UTC, m
};

struct WeatherYear {
    WeatherLocation location;
    int firstWeekday = 1;           // the weekday of the first row's day: 1 Monday .. 7 Sunday
    std::vector<WeatherHour> hours; // 8760 or 8784, from 1 January 00:00

    // The weekday of an hour, 1 Monday .. 7 Sunday, counted from the first day.
    int WeekdayOf(std::size_t index) const {
        return static_cast<int>((firstWeekday - 1 + index / 24) % 7) + 1;
    }
};

// What a refused weather file is faulted for; each kind has its values (as text, numbers as the
// file writes them) in the order listed, so that a window can say the reason in its own words.
enum class WeatherFault {
    Temperature,          // the value, the lowest and the highest allowed (degC)
    Humidity,             // the value, the highest allowed (%)
    Pressure,             // the value, the lowest and the highest allowed (Pa)
    RowCount,             // the hours the year holds
    NoLocation,           // the first line is no LOCATION line of ten fields
    LocationField,        // the number of the LOCATION line's field that is no number
    NoStartWeekday,       // the DATA PERIODS line names no weekday in its fifth field
    RowBeforeDataPeriods, // an hour's row before the DATA PERIODS line
    EmptyLine,            // an empty line among the hours
    TooFewFields,         // the fields the row holds
    FieldNoNumber,        // the number of the field that is no number
    Month,                // the month field
    Hour,                 // the hour field
    TooManyHours,         // more than 8784 rows
    NoDataPeriods,        // no DATA PERIODS line at all
    FirstWeekday,         // the first weekday given, not 1 .. 7
    Unreadable,           // the system's reason
    TooLarge,             // the largest size read, MiB
};

// A weather file refused: the message names the line (1 is the first) when one is at fault.
class WeatherFileError : public std::runtime_error {
  public:
    // `reason` is the English text of the fault, e.g. "field 7 is no number".
    WeatherFileError(std::size_t line, WeatherFault fault, std::vector<std::string> values,
                     const std::string& reason);
    // The same fault in the named file: "<file>, line N: <reason>".
    WeatherFileError(const std::string& file, const WeatherFileError& fault);
    std::size_t Line() const { return line_; }            // 0 when no line is at fault (e.g. the row count)
    const std::string& Reason() const { return reason_; } // without the line
    WeatherFault Fault() const { return fault_; }
    const std::vector<std::string>& Values() const { return values_; }

  private:
    std::size_t line_;
    WeatherFault fault_;
    std::vector<std::string> values_;
    std::string reason_;
};

// Reads an EPW file's text: the LOCATION line first, the header lines up to DATA PERIODS (whose
// start weekday gives the calendar), then one row per hour with the month (field 2), the hour
// (field 4), the dry bulb (field 7), the relative humidity (field 9) and the station pressure
// (field 10, 999999 missing). Raises WeatherFileError for a malformed line, a value out of its
// physical range or a row count other than 8760 or 8784.
WeatherYear ReadEpw(std::string_view text);

// A year given hour by hour from 1 January 00:00 (8760 or 8784 hours, months by the common or the
// leap year's calendar); checks the row count and the ranges as the EPW reader does, naming the
// hour's index (from 0) in the message.
struct GivenHour {
    double temp = 0;
    double humidity = 0;
    std::optional<double> pressure; // Pa
};
WeatherYear WeatherYearOf(const std::vector<GivenHour>& hours, int firstWeekday);

// The weekday by its English name ("Monday" .. "Sunday", case-insensitive), 1 .. 7; 0 otherwise.
int WeekdayNumber(std::string_view name);

} // namespace velmarsund
