#include "annual_request.h"

#include "file_access.h"

#include <sstream>

namespace velmarsund::request {
namespace {

// The longest currency symbol text a selection keeps.
constexpr std::size_t kCurrencyBytes = 16;

double Ranged(const RequestReader& r, std::string_view name, double fallback, double lowest, double highest,
              const std::string& unit) {
    const double value = r.Number(name, fallback);
    if (value < lowest || value > highest) {
        std::ostringstream low, high;
        low << lowest;
        high << highest;
        throw FieldError(RequestProblem::OutOfRange, r.FieldName(name),
                         "must lie between " + low.str() + " and " + high.str() + unit,
                         {low.str(), high.str()});
    }
    return value;
}

std::optional<double> OptRanged(const RequestReader& r, std::string_view name, double lowest, double highest,
                                const std::string& unit) {
    if (!r.Has(name)) return std::nullopt;
    return Ranged(r, name, 0, lowest, highest, unit);
}

} // namespace

AnnualInputs ReadAnnualInputs(const RequestReader& r) {
    r.RejectUnknownOf(kAnnualFields);
    AnnualInputs in;
    in.weather = r.OptString("Weather").value_or(std::string());
    if (const auto schedule = r.OptObject("Schedule")) {
        schedule->RejectUnknown({"From", "To", "Days"});
        in.scheduleFrom = static_cast<int>(schedule->Integer("From", in.scheduleFrom, 0, 23));
        in.scheduleTo = static_cast<int>(schedule->Integer("To", in.scheduleTo, 1, 24));
        if (in.scheduleTo <= in.scheduleFrom)
            throw FieldError(RequestProblem::Invalid, schedule->FieldName("To"),
                             "must lie after " + schedule->FieldName("From") + " (" +
                                 std::to_string(in.scheduleFrom) + ")");
        in.scheduleDays = static_cast<int>(schedule->Integer("Days", in.scheduleDays, 5, 7));
        if (in.scheduleDays == 6)
            throw FieldError(RequestProblem::NotOffered, schedule->FieldName("Days"),
                             "must be 5 (Monday to Friday) or 7 (every day)", {"5", "7"});
    }
    in.supplySetpoint = Ranged(r, "SupplySetpoint", in.supplySetpoint, -20, 40, " degC");
    in.fanEfficiency = Ranged(r, "FanEfficiency", in.fanEfficiency, 0.2, 0.9, "");
    in.heatPrice = OptRanged(r, "HeatPrice", 0, 1000, " per kWh");
    in.electricityPrice = OptRanged(r, "ElectricityPrice", 0, 1000, " per kWh");
    in.coolingCop = Ranged(r, "CoolingCop", in.coolingCop, 0.5, 20, "");
    in.investment = OptRanged(r, "Investment", 0, 1e12, "");
    in.currency = r.OptString("Currency").value_or(std::string());
    if (in.currency.size() > kCurrencyBytes)
        throw FieldError(RequestProblem::TooLong, r.FieldName("Currency"),
                         "is longer than " + std::to_string(kCurrencyBytes) + " bytes",
                         {std::to_string(kCurrencyBytes)});
    return in;
}

Json AnnualInputsJson(const AnnualInputs& in) {
    Json j = Json::object();
    j["Weather"] = in.weather;
    j["Schedule"] = {{"From", in.scheduleFrom}, {"To", in.scheduleTo}, {"Days", in.scheduleDays}};
    j["SupplySetpoint"] = in.supplySetpoint;
    j["FanEfficiency"] = in.fanEfficiency;
    if (in.heatPrice) j["HeatPrice"] = *in.heatPrice;
    if (in.electricityPrice) j["ElectricityPrice"] = *in.electricityPrice;
    j["CoolingCop"] = in.coolingCop;
    if (in.investment) j["Investment"] = *in.investment;
    if (!in.currency.empty()) j["Currency"] = in.currency;
    return j;
}

Json AnnualFiguresJson(const AnnualFigures& f, const AnnualInputs& in) {
    Json j = Json::object();
    AppendField(j, "Scheduled", f.scheduled);
    AppendField(j, "Heating", f.heating);
    AppendField(j, "Cooling", f.cooling);
    AppendField(j, "Idle", f.idle);
    AppendField(j, "Frost", f.frost);
    AppendField(j, "Failed", f.failed);
    AppendField(j, "HeatingSensible", f.heatingSensible);
    AppendField(j, "HeatingLatent", f.heatingLatent);
    AppendField(j, "HeatingTotal", f.heatingTotal);
    AppendField(j, "CoolingTotal", f.coolingTotal);
    AppendField(j, "FanEnergy", f.fanEnergy);
    AppendField(j, "DriveEnergy", f.driveEnergy);
    AppendField(j, "WaterRecovered", f.waterRecovered);
    if (const auto saved = MoneySaved(f, in)) AppendField(j, "MoneySaved", *saved);
    return j;
}

Json AnnualResultsJson(const AnnualResults& results, const AnnualInputs& in) {
    Json year = AnnualFiguresJson(results.year, in);
    if (const auto payback = PaybackYears(results.year, in)) AppendField(year, "Payback", *payback);
    Json months = Json::array();
    for (const AnnualFigures& m : results.months)
        months.push_back(AnnualFiguresJson(m, in));
    Json j = Json::object();
    AppendField(j, "Year", std::move(year));
    AppendField(j, "Months", std::move(months));
    return j;
}

std::filesystem::path WeatherPathOf(const std::string& weather, const std::filesystem::path& folder) {
    const std::filesystem::path path = std::filesystem::u8path(weather);
    return path.is_relative() && !folder.empty() ? folder / path : path;
}

WeatherYear ReadWeatherFile(const std::filesystem::path& path) {
    constexpr std::size_t kLargest = 64u << 20;
    const FileRead read = ReadRegularFile(path, kLargest);
    // The whole path: the file's name is at its end, and a cut path would not say which file it is.
    const std::string file = "the weather file '" + path.string() + "'";
    if (!read.Ok())
        throw WeatherFileError(
            file,
            read.fault == ReadFault::TooLarge
                ? WeatherFileError(0, WeatherFault::TooLarge, {std::to_string(kLargest >> 20)},
                                   "cannot be read: larger than " + std::to_string(kLargest >> 20) + " MiB")
                : WeatherFileError(0, WeatherFault::Unreadable, {read.reason},
                                   "cannot be read: " + read.reason));
    try {
        return ReadEpw(read.bytes);
    } catch (const WeatherFileError& e) {
        throw WeatherFileError(file, e);
    }
}

} // namespace velmarsund::request
