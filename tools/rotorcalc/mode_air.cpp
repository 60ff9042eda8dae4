// "air": one moist-air function by name.

#include "math_error.h"
#include "modes.h"
#include "moist_air.h"
#include "moisture_factor.h"

#include <array>
#include <cmath>
#include <functional>
#include <span>
#include <vector>

namespace velmarsund::rotorcalc {

namespace {

struct AirFunction {
    std::string_view name;
    std::size_t arity;
    double (*call)(std::span<const double> a);
};

constexpr std::array<AirFunction, 19> kAirFunctions{{
    {"SatPressure", 1, [](std::span<const double> a) { return SatPressure(a[0]); }},
    {"XFromPhi", 3, [](std::span<const double> a) { return XFromPhi(a[0], a[1], a[2]); }},
    {"PhiFromX", 3, [](std::span<const double> a) { return PhiFromX(a[0], a[1], a[2]); }},
    {"TempFromSatPressure", 1, [](std::span<const double> a) { return TempFromSatPressure(a[0]); }},
    {"DewPointOf", 2, [](std::span<const double> a) { return DewPointOf(a[0], a[1]); }},
    {"TempFromXPhi", 3, [](std::span<const double> a) { return TempFromXPhi(a[0], a[1], a[2]); }},
    {"EnthalpyOf", 3, [](std::span<const double> a) { return EnthalpyOf(a[0], a[1], a[2]); }},
    {"TempOnEnthalpyLine", 4, [](std::span<const double> a) { return TempOnEnthalpyLine(a[0], a[1], a[2], a[3]); }},
    {"DensityOf", 3, [](std::span<const double> a) { return DensityOf(a[0], a[1], a[2]); }},
    {"StdVolumeOf", 4, [](std::span<const double> a) { return StdVolumeOf(a[0], a[1], a[2], a[3]); }},
    {"ActVolumeOf", 4, [](std::span<const double> a) { return ActVolumeOf(a[0], a[1], a[2], a[3]); }},
    {"PressureFromAltitude", 1, [](std::span<const double> a) { return PressureFromAltitude(a[0]); }},
    {"AltitudeFromPressure", 1, [](std::span<const double> a) { return AltitudeFromPressure(a[0]); }},
    {"KinViscosity", 1, [](std::span<const double> a) { return KinViscosity(a[0]); }},
    {"PrandtlNumber", 1, [](std::span<const double> a) { return PrandtlNumber(a[0]); }},
    {"ThermalConductivity", 1, [](std::span<const double> a) { return ThermalConductivity(a[0]); }},
    {"CpMoistAir", 2, [](std::span<const double> a) { return CpMoistAir(a[0], a[1]); }},
    {"SmoothStep", 6, [](std::span<const double> a) { return SmoothStep(a[0], a[1], a[2], a[3], a[4], a[5]); }},
    {"MoistureFactor", 6,
     [](std::span<const double> a) {
         // The first argument is the matrix type, an integer.
         if (std::trunc(a[0]) != a[0] || a[0] < kInt32Min || a[0] > kInt32Max)
             throw RequestError("field 'args': the first argument of MoistureFactor must be a whole number");
         return MoistureFactor(static_cast<int>(a[0]), a[1], a[2], a[3], a[4], a[5]);
     }},
}};

} // namespace

Json RunAirMode(const RequestReader& request)
{
    request.RejectUnknown({"mode", "fn", "args"});
    const auto fn = request.OptString("fn");
    if (!fn) throw RequestError("field 'fn' is required");
    const AirFunction* f = nullptr;
    for (const AirFunction& candidate : kAirFunctions)
        if (candidate.name == *fn) f = &candidate;
    if (!f) throw RequestError("field 'fn': unknown moist-air function " + QuotedForMessage(*fn));

    const Json* args = request.OptArray("args");
    if (!args) throw RequestError("field 'args' is required");
    if (args->size() != f->arity)
        throw RequestError("field 'args' must hold " + std::to_string(f->arity) + " number(s) for " + *fn);
    std::vector<double> values;
    for (const Json& a : *args) {
        const auto d = RequestReader::AsFiniteNumber(a);
        if (!d) throw RequestError("field 'args' must hold finite numbers only");
        values.push_back(*d);
    }
    try {
        return Json{{"result", f->call(values)}};
    } catch (const MathError& e) {
        return Json{{"error", std::string(*fn) + " raised an arithmetic error: " + e.what()}};
    }
}

} // namespace velmarsund::rotorcalc
