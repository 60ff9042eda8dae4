#pragma once
// The annual block of a selection and a rotorcalc request ("Annual"), the annual results as JSON
// and the weather file read from its path. Plain C++.

#include "annual_energy.h"
#include "request_reader.h"

#include <filesystem>

namespace velmarsund::request {

// The fields of the annual block.
inline constexpr std::string_view kAnnualFields[] = {"Weather",       "Schedule",   "SupplySetpoint",
                                                     "FanEfficiency", "HeatPrice",  "ElectricityPrice",
                                                     "CoolingCop",    "Investment", "Currency"};

// Reads and checks the annual block (`where` is "Annual."); raises RequestError naming the field.
AnnualInputs ReadAnnualInputs(const RequestReader& annual);

// The annual block as a selection file stores it.
Json AnnualInputsJson(const AnnualInputs& inputs);

// The figures under their rotorcalc names, at full precision; with both prices the money saved.
Json AnnualFiguresJson(const AnnualFigures& figures, const AnnualInputs& inputs);
// {"Year": {...}, "Months": [12 x {...}]}; the year adds "Payback" (years) with an investment that
// pays back.
Json AnnualResultsJson(const AnnualResults& results, const AnnualInputs& inputs);

// The weather file an annual block names: a relative path is taken from `folder`, the folder of
// the selection or request file that names it (the current folder when empty), so that a project
// folder with its selections and weather files can move as a whole.
std::filesystem::path WeatherPathOf(const std::string& weather, const std::filesystem::path& folder);

// The weather file at `path` (UTF-8): read as a regular file of at most 64 MiB and checked as an
// EPW file. Raises WeatherFileError with the path in its message.
WeatherYear ReadWeatherFile(const std::filesystem::path& path);

} // namespace velmarsund::request
