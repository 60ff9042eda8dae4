// Speed of the rotor weight over the whole catalogue and of the leakage calculation.

#include "daten_rwt.h"
#include "housing_series.h"
#include "rot_leakage.h"
#include "rotor_data.h"
#include "rotor_weight.h"
#include "size_evaluation.h"
#include "size_tables.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace velmarsund;

namespace {

struct StandardSize {
    int HousingCode;
    SizeRow Row;
};

std::vector<StandardSize> AllStandardSizes() {
    std::vector<StandardSize> sizes;
    for (const HousingSeries& series : kHousingSeries)
        for (const std::string& text : LoadSizeTable(series.Index))
            if (const auto row = ParseSizeRow(text)) sizes.push_back({series.HousingCode, *row});
    return sizes;
}

// Every standard size of every series with an E20 enthalpy matrix, as the main window weighs it.
void BM_RotorWeightAllStandardSizes(benchmark::State& state) {
    const std::vector<StandardSize> sizes = AllStandardSizes();
    const ProfileData e20 = *DecodeProfile("E20");
    for (auto _ : state) {
        long total = 0;
        for (const StandardSize& s : sizes)
            total += RotorWeight(s.HousingCode, s.Row.Height, s.Row.Width, s.Row.Diameter, e20.ProfileHeight,
                                 e20.FoilThickness, 0, MatrixE, e20.ProfilePitch);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(sizes.size()));
}
BENCHMARK(BM_RotorWeightAllStandardSizes);

// The leakage window's case with a "2 x 5" purge sector: the purge face velocity iterates.
void BM_CalcLeakagePurgeSector(benchmark::State& state) {
    for (auto _ : state) {
        TDatenRotLeakage r;
        r.Diameter = 1880;
        r.ProfileCode = "E-E20";
        r.MatrixType = MatrixE;
        r.Speed = 10;
        r.V12 = 10000;
        r.V21 = 10000;
        r.P12 = -300;
        r.P22 = -300;
        r.GapCircumference = r.GapSeparation = DefaultGapWidth(1, 1880);
        r.PurgeSector = 2;
        r.CalcLeakage();
        benchmark::DoNotOptimize(r.EATR);
    }
}
BENCHMARK(BM_CalcLeakagePurgeSector);

} // namespace

// The preselection of the largest size table (HXL, 26 sizes) at 10 000 m³/h on both sides.
static void BM_EvaluateSizesHxl(benchmark::State& state) {
    TDatenRWT r;
    r.VolumeKind = 1;
    r.State11.AVol = r.State21.AVol = 10000;
    r.State11.Temp = -12;
    r.State11.Humidity = 90;
    r.State21.Temp = 22;
    r.State21.Humidity = 40;
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateSizes(r, 0, "E20", false).selected);
}
BENCHMARK(BM_EvaluateSizesHxl)->Unit(benchmark::kMillisecond);
