// Speed of the moist-air searches, one full selection and rotorcalc's batch path.

#include "batch.h"
#include "daten_rwt.h"
#include "moist_air.h"
#include "rotor_data.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace velmarsund;

namespace {

void BM_TempOnEnthalpyLine(benchmark::State& state)
{
    const double x = XFromPhi(22, 40, 1013);
    for (auto _ : state) benchmark::DoNotOptimize(TempOnEnthalpyLine(22, x, 1013, 100));
}
BENCHMARK(BM_TempOnEnthalpyLine);

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

// 10 000 varied selections as one rotorcalc input: parse, compute, write.
std::string VariedBatch(int count)
{
    static const char* profiles[] = {"E20", "E18", "E16", "E14"};
    static const int types[] = {0, 1, 3, 6};
    std::string text = "[";
    for (int i = 0; i < count; ++i) {
        if (i) text += ",";
        text += "{\"MatrixType\":" + std::to_string(types[i % 4]) + ",\"Diameter\":" + std::to_string(900 + (i * 37) % 4000) +
                ",\"Profile\":\"" + profiles[(i / 4) % 4] + "\",\"AirPressure\":" + std::to_string(900 + i % 150) +
                ",\"State11\":{\"SVol\":" + std::to_string(2000 + (i * 131) % 30000) +
                ",\"Temp\":" + std::to_string(-25 + (i * 7) % 60) + ",\"Humidity\":" + std::to_string(20 + (i * 11) % 75) +
                "},\"State21\":{\"SVol\":" + std::to_string(2000 + (i * 97) % 30000) +
                ",\"Temp\":" + std::to_string(18 + (i % 9)) + ",\"Humidity\":" + std::to_string(25 + (i * 3) % 50) + "}}";
    }
    return text + "]";
}

void BM_RotorcalcBatch10000(benchmark::State& state)
{
    const std::string input = VariedBatch(10000);
    for (auto _ : state) {
        std::string message;
        const auto parsed = rotorcalc::ParseInput(input, message);
        const std::string out = rotorcalc::WriteResult(rotorcalc::RunInput(*parsed));
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK(BM_RotorcalcBatch10000)->Unit(benchmark::kMillisecond);

} // namespace
