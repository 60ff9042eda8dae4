// "annual": a rotor through a year of weather, given as an EPW file or hour by hour, under the
// annual block of a selection; the core's CalculateAnnualEnergy does the work.

#include "annual_energy.h"
#include "annual_request.h"
#include "daten_rwt.h"
#include "modes.h"
#include "rotor_request.h"
#include "weather_file.h"

#include <vector>

namespace velmarsund::rotorcalc {

namespace {

// The hours given inline: [t, rh, p or null] each.
std::vector<GivenHour> ReadHours(const Json& hours) {
    std::vector<GivenHour> given;
    given.reserve(hours.size());
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const Json& row = hours[i];
        const std::string field = "Hours[" + std::to_string(i) + "]";
        if (!row.is_array() || row.size() != 3)
            throw FieldError(RequestProblem::Invalid, field,
                             "must be [temperature, relative humidity, pressure or null]");
        const auto t = RequestReader::AsFiniteNumber(row[0]);
        const auto rh = RequestReader::AsFiniteNumber(row[1]);
        const auto p = row[2].is_null() ? std::optional<double>(0) : RequestReader::AsFiniteNumber(row[2]);
        if (!t || !rh || !p)
            throw FieldError(RequestProblem::NotNumber, field,
                             "must hold finite numbers (the pressure may be null)");
        given.push_back({*t, *rh, row[2].is_null() ? std::nullopt : p});
    }
    return given;
}

WeatherYear ReadWeather(const RequestReader& request, const AnnualInputs& inputs) {
    const Json* hours = request.OptArray("Hours");
    if (hours && !inputs.weather.empty())
        throw FieldError(RequestProblem::Invalid, "Hours",
                         "and 'Annual.Weather' exclude each other: give one weather");
    if (hours) {
        const int firstWeekday = static_cast<int>(request.Integer("FirstWeekday", 1, 1, 7));
        try {
            return WeatherYearOf(ReadHours(*hours), firstWeekday);
        } catch (const WeatherFileError& e) {
            throw FieldError(RequestProblem::Invalid, "Hours", std::string("is refused: ") + e.what());
        }
    }
    if (request.Has("FirstWeekday"))
        throw FieldError(RequestProblem::Invalid, "FirstWeekday",
                         "belongs to 'Hours': an EPW file has its own calendar");
    if (inputs.weather.empty())
        throw RequestError(RequestProblem::Required, "Annual.Weather",
                           "an annual request needs its weather: 'Annual.Weather' (an EPW file) or 'Hours'");
    try {
        return ReadWeatherFile(inputs.weather);
    } catch (const WeatherFileError& e) {
        throw FieldError(RequestProblem::Invalid, "Annual.Weather", std::string("is refused: ") + e.what());
    }
}

} // namespace

Json RunAnnualMode(const RequestReader& request) {
    request.RejectUnknown({"mode", "AirPressure", "HumidityKind", "VolumeKind", "MatrixType", "Diameter",
                           "Profile", "FoilThickness", "ProfileHeight", "ProfilePitch", "Speed", "WheelDepth",
                           "State11", "State21", "Summer", "ShowSummer", "Annual", "Hours", "FirstWeekday"});
    TDatenRWT winter;
    ReadRotorRecord(request, winter);
    std::optional<TDatenRWT> summer;
    if (const auto object = request.OptObject("Summer"); object && request.Boolean("ShowSummer", true)) {
        object->RejectUnknown({"State11", "State21"});
        summer = winter;
        summer->State11 = summer->State21 = AirStreamState{};
        summer->State11.SVol = summer->State21.SVol = 10000;
        summer->State11.Temp = 32, summer->State11.Humidity = 40;
        summer->State21.Temp = 22, summer->State21.Humidity = 50;
        ReadState(*object, "State11", summer->State11);
        ReadState(*object, "State21", summer->State21);
    }
    AnnualInputs inputs;
    if (const auto annual = request.OptObject("Annual")) inputs = ReadAnnualInputs(*annual);
    const WeatherYear weather = ReadWeather(request, inputs);

    // The seasons as the selection calculates them: their extract air and flows complete.
    winter.Update();
    if (winter.Status != 0)
        throw RequestError("the winter case does not calculate (Status " + std::to_string(winter.Status) +
                           ")");
    if (summer) {
        summer->Update();
        if (summer->Status != 0)
            throw RequestError("the summer case does not calculate (Status " +
                               std::to_string(summer->Status) + ")");
    }
    const AnnualResults results =
        CalculateAnnualEnergy(AnnualAirOf(winter, summer ? &*summer : nullptr), inputs, weather);
    return AnnualResultsJson(results, inputs);
}

} // namespace velmarsund::rotorcalc
