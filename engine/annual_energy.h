#pragma once
// A rotor through a year of weather, hour by hour: the heat and coolth it recovers and the fan
// and drive energy it costs. Each scheduled hour's record is the selection's rotor between the
// hour's outside air and the selection's extract air, calculated at full speed; the rule that
// turns the record into the hour's figures is the one README "Annual energy" documents. Plain C++.

#include "daten_rwt.h"
#include "weather_file.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmarsund {

// What a selection adds for its annual figures.
struct AnnualInputs {
    std::string weather;                    // path of the EPW file, UTF-8, as given
    int scheduleFrom = 6;                   // the first hour of operation, 0 .. 23
    int scheduleTo = 20;                    // the hour operation ends, 1 .. 24, after scheduleFrom
    int scheduleDays = 5;                   // 5 Monday to Friday, 7 every day
    double supplySetpoint = 18;             // degC
    double fanEfficiency = 0.6;             // of both fans, 0.2 .. 0.9
    std::optional<double> heatPrice;        // per kWh
    std::optional<double> electricityPrice; // per kWh
    double coolingCop = 3;                  // of the chiller the rotor relieves
    std::optional<double> investment;       // for the simple payback
    std::string currency;                   // the user's currency symbol, as text

    bool operator==(const AnnualInputs&) const = default;
};

// The figures of a month or a year. Hours count, energies in kWh, water in kg.
struct AnnualFigures {
    std::int64_t scheduled = 0;
    std::int64_t heating = 0;
    std::int64_t cooling = 0;
    std::int64_t idle = 0;
    std::int64_t frost = 0; // heating hours with frost risk
    std::int64_t failed = 0;
    double heatingSensible = 0;
    double heatingLatent = 0;
    double heatingTotal = 0;
    double coolingTotal = 0;
    double fanEnergy = 0;
    double driveEnergy = 0;
    double waterRecovered = 0;

    AnnualFigures& operator+=(const AnnualFigures& other);
};

// What an hour of the weather year was under the hour rule.
enum class HourKind : std::uint8_t { OutsideSchedule, Heating, Cooling, Idle, Failed };

struct AnnualResults {
    std::array<AnnualFigures, 12> months; // January .. December
    AnnualFigures year;                   // the sum of the months
    std::vector<HourKind> hours;          // one per hour of the weather year, in its order
};

// Told now and then how many of the year's hours are done: (done, total).
using AnnualProgress = std::function<void(std::size_t, std::size_t)>;

// `report` for a calculation that runs longer than `delay` from now: nothing before, then each
// whole percent once, and the end when anything was reported before it.
AnnualProgress DelayedProgress(AnnualProgress report,
                               std::chrono::milliseconds delay = std::chrono::milliseconds(500));

// The air a year is calculated with, taken from the selection's calculated records.
struct AnnualAir {
    TDatenRWT rotor;               // the calculated winter record: the rotor, the flows and the extract air
    double airPressure = 0;        // mbar, for hours without a station pressure
    double coolingExtractTemp = 0; // degC: the summer case's extract air, else the winter case's
    double coolingExtractHumidity = 0; // %
};

// The air of a year from the calculated winter record and, when the summer case is shown, the
// calculated summer record.
AnnualAir AnnualAirOf(const TDatenRWT& winter, const TDatenRWT* summer);

// The record of one hour, before its calculation: the rotor of `air`, relative humidity and
// standard volume, the hour's pressure, the hour's outside air at the winter flow of stream 1,
// the extract air of the winter case (of the cooling case in a cooling hour) at the winter flow of
// stream 2.
TDatenRWT HourRecordOf(const AnnualAir& air, const WeatherHour& hour, bool coolingHour);

// The year hour by hour under the inputs' schedule and setpoint.
// `progress`, when given, hears of every hundredth of the year and of its end.
AnnualResults CalculateAnnualEnergy(const AnnualAir& air, const AnnualInputs& inputs,
                                    const WeatherYear& weather, const AnnualProgress& progress = {});

// The money saved over the figures when both prices are given: HeatingTotal · HeatPrice +
// CoolingTotal / CoolingCop · ElectricityPrice − (FanEnergy + DriveEnergy) · ElectricityPrice.
std::optional<double> MoneySaved(const AnnualFigures& figures, const AnnualInputs& inputs);
// The simple payback in years: the investment over the money saved in a year; none without an
// investment or when the year saves nothing.
std::optional<double> PaybackYears(const AnnualFigures& year, const AnnualInputs& inputs);

} // namespace velmarsund
