// Speed of the moist-air searches and of one full selection.

#include "daten_rwt.h"
#include "moist_air.h"
#include "moist_air_oracle.h"
#include "rotor_data.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace velmarsund;

namespace {

// The searches over varied states, the code as it was (the oracle of the identity tests) beside
// the code as it is: a run shows both. Varied so that no remembered result answers a call.
struct SearchCase {
    double t, x, p, target;
};

std::vector<SearchCase> VariedSearchCases()
{
    std::vector<SearchCase> cases;
    for (int i = 0; i < 1024; ++i) {
        const double t = -25 + (i * 37 % 600) / 10.0;     // -25 … 35 °C
        const double phi = 20 + (i * 53 % 800) / 10.0;    // 20 … 100 %
        const double p = 900 + (i * 11 % 200);            // mbar
        cases.push_back({t, oracle::XFromPhi(t, phi, p), p, i % 3 ? 100.0 : 95.0});
    }
    return cases;
}

template <double (*Search)(double, double, double, double)>
void BM_TempOnEnthalpyLine(benchmark::State& state)
{
    const auto cases = VariedSearchCases();
    std::size_t i = 0;
    for (auto _ : state) {
        const SearchCase& c = cases[i++ % cases.size()];
        benchmark::DoNotOptimize(Search(c.t, c.x, c.p, c.target));
    }
}
BENCHMARK(BM_TempOnEnthalpyLine<oracle::TempOnEnthalpyLine>)->Name("BM_TempOnEnthalpyLine/was");
BENCHMARK(BM_TempOnEnthalpyLine<TempOnEnthalpyLine>)->Name("BM_TempOnEnthalpyLine/now");

template <double (*DewPoint)(double, double)>
void BM_DewPointOf(benchmark::State& state)
{
    const auto cases = VariedSearchCases();
    std::size_t i = 0;
    for (auto _ : state) {
        const SearchCase& c = cases[i++ % cases.size()];
        benchmark::DoNotOptimize(DewPoint(c.x, c.p));
    }
}
BENCHMARK(BM_DewPointOf<oracle::DewPointOf>)->Name("BM_DewPointOf/was");
BENCHMARK(BM_DewPointOf<DewPointOf>)->Name("BM_DewPointOf/now");

// The reference selection: Calculate and the energy class, as the calculate command runs them.
void BM_ReferenceCalculateAndEnergyClass(benchmark::State& state)
{
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
BENCHMARK(BM_ReferenceCalculateAndEnergyClass);


} // namespace
