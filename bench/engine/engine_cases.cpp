// The engine's speed cases, compiled twice: against today's engine ("now") and against the
// previous one ("was", the engine's namespace renamed), so one run shows both side by side.

#include "daten_rwt.h"
#include "moist_air.h"
#include "rotor_data.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#ifndef ENGINE_CASES_LABEL
#define ENGINE_CASES_LABEL "now"
#endif

using namespace velmarsund;

namespace {

// Varied states, so that no remembered result answers a call.
struct SearchCase {
    double t, x, p, target;
};

std::vector<SearchCase> VariedSearchCases() {
    std::vector<SearchCase> cases;
    for (int i = 0; i < 1024; ++i) {
        const double t = -25 + (i * 37 % 600) / 10.0;  // -25 … 35 °C
        const double phi = 20 + (i * 53 % 800) / 10.0; // 20 … 100 %
        const double p = 900 + (i * 11 % 200);         // mbar
        cases.push_back({t, XFromPhi(t, phi, p), p, i % 3 ? 100.0 : 95.0});
    }
    return cases;
}

void TempOnEnthalpyLineVaried(benchmark::State& state) {
    const auto cases = VariedSearchCases();
    std::size_t i = 0;
    for (auto _ : state) {
        const SearchCase& c = cases[i++ % cases.size()];
        benchmark::DoNotOptimize(TempOnEnthalpyLine(c.t, c.x, c.p, c.target));
    }
}

void DewPointOfVaried(benchmark::State& state) {
    const auto cases = VariedSearchCases();
    std::size_t i = 0;
    for (auto _ : state) {
        const SearchCase& c = cases[i++ % cases.size()];
        benchmark::DoNotOptimize(DewPointOf(c.x, c.p));
    }
}

// The reference selection: Calculate and the energy class, as the calculate command runs them.
void ReferenceCalculateAndEnergyClass(benchmark::State& state) {
    for (auto _ : state) {
        TDatenRWT r;
        r.AirPressure = 1013;
        r.Diameter = 1880;
        const ProfileData e20 = *DecodeProfile("E20");
        r.FoilThickness = e20.FoilThickness;
        r.ProfileHeight = e20.ProfileHeight;
        r.ProfilePitch = e20.ProfilePitch;
        r.State11.SVol = 10000;
        r.State11.Temp = -12;
        r.State11.Humidity = 90;
        r.State21.SVol = 10000;
        r.State21.Temp = 22;
        r.State21.Humidity = 40;
        r.Calculate();
        r.CalcEnergyClass();
        benchmark::DoNotOptimize(r.HClass);
    }
}

const bool registered = [] {
    const std::string label = ENGINE_CASES_LABEL;
    benchmark::RegisterBenchmark(("BM_TempOnEnthalpyLine/" + label).c_str(), TempOnEnthalpyLineVaried);
    benchmark::RegisterBenchmark(("BM_DewPointOf/" + label).c_str(), DewPointOfVaried);
    benchmark::RegisterBenchmark(("BM_ReferenceCalculateAndEnergyClass/" + label).c_str(),
                                 ReferenceCalculateAndEnergyClass);
    return true;
}();

} // namespace
