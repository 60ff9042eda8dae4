#include "weather_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>
#include <utility>

namespace velmarsund {
namespace {

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Trimmed(
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::optional<double> Number(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string Shown(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

bool StartsWithWord(std::string_view line, std::string_view word) {
    if (line.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(line[i])) != word[i]) return false;
    return true;
}

// Checks an hour's values against their physical ranges; the message names what is wrong, the
// fault's values hold the hour's values as `written` (temperature, humidity, pressure).
void CheckHour(const GivenHour& h, std::size_t line, const std::string& where,
               const std::array<std::string, 3>& written) {
    if (h.temp < kWeatherTempMin || h.temp > kWeatherTempMax)
        throw WeatherFileError(line, WeatherFault::Temperature,
                               {written[0], Shown(kWeatherTempMin), Shown(kWeatherTempMax)},
                               where + "dry-bulb temperature " + Shown(h.temp) + " degC lies outside " +
                                   Shown(kWeatherTempMin) + " .. " + Shown(kWeatherTempMax) + " degC");
    if (h.humidity < 0 || h.humidity > kWeatherHumidityMax)
        throw WeatherFileError(line, WeatherFault::Humidity, {written[1], Shown(kWeatherHumidityMax)},
                               where + "relative humidity " + Shown(h.humidity) + " % lies outside 0 .. " +
                                   Shown(kWeatherHumidityMax) + " %");
    if (h.pressure && (*h.pressure < kWeatherPressureMin || *h.pressure > kWeatherPressureMax))
        throw WeatherFileError(line, WeatherFault::Pressure,
                               {written[2], Shown(kWeatherPressureMin), Shown(kWeatherPressureMax)},
                               where + "station pressure " + Shown(*h.pressure) + " Pa lies outside " +
                                   Shown(kWeatherPressureMin) + " .. " + Shown(kWeatherPressureMax) + " Pa");
}

void CheckRowCount(std::size_t rows) {
    if (rows != kHoursOfYear && rows != kHoursOfLeapYear)
        throw WeatherFileError(0, WeatherFault::RowCount, {std::to_string(rows)},
                               "the weather year holds " + std::to_string(rows) + " hours, not 8760 or 8784");
}

std::string LineText(std::size_t line) {
    return "line " + std::to_string(line) + ": ";
}

} // namespace

WeatherFileError::WeatherFileError(std::size_t line, WeatherFault fault, std::vector<std::string> values,
                                   const std::string& reason)
    : std::runtime_error(line ? LineText(line) + reason : reason), line_(line), fault_(fault),
      values_(std::move(values)), reason_(reason) {}

WeatherFileError::WeatherFileError(const std::string& file, const WeatherFileError& fault)
    : std::runtime_error(file + (fault.line_ ? ", " + LineText(fault.line_) : std::string(": ")) +
                         fault.reason_),
      line_(fault.line_), fault_(fault.fault_), values_(fault.values_), reason_(fault.reason_) {}

int WeekdayNumber(std::string_view name) {
    static constexpr std::array<std::string_view, 7> kNames = {"MONDAY", "TUESDAY",  "WEDNESDAY", "THURSDAY",
                                                               "FRIDAY", "SATURDAY", "SUNDAY"};
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (name.size() == kNames[i].size() && StartsWithWord(name, kNames[i]))
            return static_cast<int>(i) + 1;
    return 0;
}

WeatherYear ReadEpw(std::string_view text) {
    WeatherYear year;
    std::size_t lineNumber = 0;
    bool dataPeriods = false;
    std::size_t pos = 0;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") pos = 3; // a byte order mark
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::vector<std::string_view> f = Fields(line);

        if (lineNumber == 1) {
            if (!StartsWithWord(line, "LOCATION") || f.size() < 10)
                throw WeatherFileError(1, WeatherFault::NoLocation, {},
                                       "an EPW file begins with its LOCATION line of ten fields");
            WeatherLocation& l = year.location;
            l.city = f[1], l.region = f[2], l.country = f[3], l.source = f[4], l.station = f[5];
            double* numbers[] = {&l.latitude, &l.longitude, &l.timeZone, &l.elevation};
            for (std::size_t i = 0; i < 4; ++i) {
                const auto value = Number(f[6 + i]);
                if (!value)
                    throw WeatherFileError(1, WeatherFault::LocationField, {std::to_string(7 + i)},
                                           "field " + std::to_string(7 + i) +
                                               " of the LOCATION line is no number");
                *numbers[i] = *value;
            }
            continue;
        }
        if (!dataPeriods) {
            if (StartsWithWord(line, "DATA PERIODS")) {
                if (f.size() < 5 || !(year.firstWeekday = WeekdayNumber(f[4])))
                    throw WeatherFileError(lineNumber, WeatherFault::NoStartWeekday, {},
                                           "the DATA PERIODS line names no start weekday in its fifth field");
                dataPeriods = true;
            } else if (!line.empty() &&
                       (std::isdigit(static_cast<unsigned char>(line.front())) || line.front() == '-')) {
                throw WeatherFileError(lineNumber, WeatherFault::RowBeforeDataPeriods, {},
                                       "an hour's row before the DATA PERIODS line");
            }
            continue;
        }
        if (Trimmed(line).empty()) {
            // Blank lines end the file; a row after one is malformed.
            if (Trimmed(text.substr(pos)).empty()) break;
            throw WeatherFileError(lineNumber, WeatherFault::EmptyLine, {}, "an empty line among the hours");
        }
        if (f.size() < 10)
            throw WeatherFileError(lineNumber, WeatherFault::TooFewFields, {std::to_string(f.size())},
                                   "an hour's row holds at least ten fields, this one " +
                                       std::to_string(f.size()));
        std::array<double, 10> v{};
        for (std::size_t i : {0, 1, 2, 3, 6, 8, 9}) {
            const auto value = Number(f[i]);
            if (!value)
                throw WeatherFileError(lineNumber, WeatherFault::FieldNoNumber, {std::to_string(i + 1)},
                                       "field " + std::to_string(i + 1) + " is no number");
            v[i] = *value;
        }
        WeatherHour h;
        h.month = static_cast<int>(v[1]);
        h.hour = static_cast<int>(v[3]);
        if (v[1] != h.month || h.month < 1 || h.month > 12)
            throw WeatherFileError(lineNumber, WeatherFault::Month, {std::string(f[1])},
                                   "month " + Shown(v[1]) + " is not 1 .. 12");
        if (v[3] != h.hour || h.hour < 1 || h.hour > 24)
            throw WeatherFileError(lineNumber, WeatherFault::Hour, {std::string(f[3])},
                                   "hour " + Shown(v[3]) + " is not 1 .. 24");
        const GivenHour given{v[6], v[8],
                              v[9] == kEpwMissingPressure ? std::nullopt : std::optional<double>(v[9])};
        CheckHour(given, lineNumber, "", {std::string(f[6]), std::string(f[8]), std::string(f[9])});
        h.temp = given.temp;
        h.humidity = given.humidity;
        h.pressure = given.pressure;
        year.hours.push_back(h);
        if (year.hours.size() > kHoursOfLeapYear)
            throw WeatherFileError(lineNumber, WeatherFault::TooManyHours, {},
                                   "more than 8784 hours: a weather year holds 8760 or 8784");
    }
    if (!dataPeriods)
        throw WeatherFileError(0, WeatherFault::NoDataPeriods, {}, "the file has no DATA PERIODS line");
    CheckRowCount(year.hours.size());
    return year;
}

WeatherYear WeatherYearOf(const std::vector<GivenHour>& hours, int firstWeekday) {
    CheckRowCount(hours.size());
    if (firstWeekday < 1 || firstWeekday > 7)
        throw WeatherFileError(0, WeatherFault::FirstWeekday, {std::to_string(firstWeekday)},
                               "the first weekday " + std::to_string(firstWeekday) +
                                   " is not 1 (Monday) .. 7 (Sunday)");
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    WeatherYear year;
    year.firstWeekday = firstWeekday;
    year.hours.reserve(hours.size());
    const bool leap = hours.size() == kHoursOfLeapYear;
    int month = 1, dayInMonth = 0;
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const GivenHour& h = hours[i];
        CheckHour(h, 0, "hour " + std::to_string(i) + ": ",
                  {Shown(h.temp), Shown(h.humidity), h.pressure ? Shown(*h.pressure) : std::string()});
        if (i > 0 && i % 24 == 0 && ++dayInMonth == kDays[month - 1] + (leap && month == 2 ? 1 : 0)) {
            dayInMonth = 0;
            ++month;
        }
        year.hours.push_back({h.temp, h.humidity, h.pressure, month, static_cast<int>(i % 24) + 1});
    }
    return year;
}

} // namespace velmarsund
