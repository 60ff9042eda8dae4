// The moist-air searches spare most of their evaluations (a remembered saturation pressure, the
// sign of a bisection's function known away from its root); their results must stay the same to
// the last bit. Each function is compared with the oracle, the code as it was, over a grid and
// random arguments with fixed seeds, including the edges: the ice/water boundary, saturation and
// fog, very low and very high pressures, and pressures right at the points the 0.1 K bracket
// walk and the 5 K steps stop at.

#include "moist_air.h"
#include "math_error.h"
#include "moist_air_oracle.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <vector>

namespace velmarsund {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kCount = 100'000; // the sanitizers make each call ten times slower
#else
constexpr int kCount = 1'000'000;
#endif

// The bits of a result, or no value when the call raises.
template <typename F>
std::optional<std::uint64_t> Bits(F f)
{
    try {
        return std::bit_cast<std::uint64_t>(f());
    } catch (const MathError&) {
        return std::nullopt;
    }
}

class Arguments {
public:
    explicit Arguments(std::uint64_t seed) : random_(seed) {}
    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    double LogUniform(double low, double high) { return std::exp(Uniform(std::log(low), std::log(high))); }
    // Now and then a value from the edges instead.
    double Or(double value, const std::vector<double>& edges)
    {
        return random_() % 16 == 0 ? edges[random_() % edges.size()] : value;
    }

private:
    std::mt19937_64 random_;
};

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Counts the differences and shows the first few.
class Differences {
public:
    template <typename... A>
    void Check(const std::optional<std::uint64_t>& now, const std::optional<std::uint64_t>& was, A... args)
    {
        if (now == was) return;
        if (++count_ <= 5) {
            std::string text;
            ((text += std::to_string(args) + " "), ...);
            ADD_FAILURE() << "differs at " << text;
        }
    }
    int Count() const { return count_; }

private:
    int count_ = 0;
};

TEST(MoistAirIdentity, SatPressure)
{
    Arguments a(1);
    Differences d;
    const std::vector<double> edges = {0.0, -0.0, 1e-300, -1e-300, 100, std::nextafter(100.0, 0.0), 250,
                                       std::nextafter(250.0, 0.0), -273.15, 1e6, -1e6, kNaN, kInf, -kInf};
    for (int i = 0; i < kCount; ++i) {
        const double t = i % 2 ? a.Or(a.Uniform(-150, 300), edges) : -150 + 450.0 * i / kCount;
        d.Check(Bits([&] { return SatPressure(t); }), Bits([&] { return oracle::SatPressure(t); }), t);
    }
    EXPECT_EQ(d.Count(), 0);
}

TEST(MoistAirIdentity, TempFromSatPressureAndDewPoint)
{
    Arguments a(2);
    Differences d;
    const std::vector<double> pvEdges = {611, std::nextafter(611.0, 0.0), std::nextafter(611.0, 1e9), 0, -1, 1e-300,
                                         1e-9, 2e5, 1e6, kInf, kNaN};
    for (int i = 0; i < kCount; ++i) {
        double pv;
        switch (i % 4) {
        case 0: pv = a.Or(a.LogUniform(1e-6, 2e5), pvEdges); break;
        // Right at a pressure of the fit: the root on a 0.1 K step of the bracket walk or near it.
        case 1: pv = oracle::SatPressure(std::round(a.Uniform(-100, 150) * 10) / 10) * (1 + a.Uniform(-1e-12, 1e-12)); break;
        case 2: pv = oracle::SatPressure(a.Uniform(-100, 100)); break;
        default: pv = 1e-3 + 7e5 * i / kCount; break;
        }
        d.Check(Bits([&] { return TempFromSatPressure(pv); }), Bits([&] { return oracle::TempFromSatPressure(pv); }), pv);
        const double x = i % 3 ? a.Uniform(0, 60) : a.Or(a.LogUniform(1e-6, 1e3), {0, -1, 1e-4, 9.99e-5, -1e-4});
        const double p = i % 5 ? a.Uniform(600, 1100) : a.Or(a.LogUniform(100, 1e4), {0, -1013, kInf, 1e-3});
        d.Check(Bits([&] { return DewPointOf(x, p); }), Bits([&] { return oracle::DewPointOf(x, p); }), x, p);
        const double phi = a.Or(a.Uniform(0.5, 120), {0, -5, 100, 0.01});
        d.Check(Bits([&] { return TempFromXPhi(x, p, phi); }), Bits([&] { return oracle::TempFromXPhi(x, p, phi); }), x,
                p, phi);
    }
    // Far outside any air-handling unit: searches that walk for long, give up or raise.
    for (double pv : {1e9, 1e12, 1e30, 1e300}) {
        d.Check(Bits([&] { return TempFromSatPressure(pv); }), Bits([&] { return oracle::TempFromSatPressure(pv); }), pv);
    }
    for (double p : {1e-6, 1e6, 1e12}) {
        d.Check(Bits([&] { return DewPointOf(20, p); }), Bits([&] { return oracle::DewPointOf(20, p); }), 20.0, p);
    }
    d.Check(Bits([] { return TempFromXPhi(5, 1013, 1e-300); }), Bits([] { return oracle::TempFromXPhi(5, 1013, 1e-300); }));
    EXPECT_EQ(d.Count(), 0);
}

TEST(MoistAirIdentity, TempOnEnthalpyLine)
{
    Arguments a(3);
    Differences d;
    const auto check = [&](double t, double x, double p, double target) {
        d.Check(Bits([&] { return TempOnEnthalpyLine(t, x, p, target); }),
                Bits([&] { return oracle::TempOnEnthalpyLine(t, x, p, target); }), t, x, p, target);
    };
    for (int i = 0; i < kCount; ++i) {
        const double t = a.Or(a.Uniform(-50, 60), {0.0, -0.0, -100, 1000, 1001, -300});
        // Dry to saturated and beyond it (fog), with the wet bulb's and the usual targets.
        const double x = i % 4 ? a.Uniform(0, 40) : a.Or(a.LogUniform(1e-5, 200), {0, -1, 1e-4});
        const double p = i % 7 ? a.Uniform(600, 1100) : a.Or(a.LogUniform(300, 1e4), {1013, 0.5, 1e5});
        double target;
        switch (i % 5) {
        case 0: target = 100; break;
        case 1: target = 95; break;
        default: target = a.Or(a.Uniform(0.1, 110), {0, -1, 100, 100.0001, 1e-9}); break;
        }
        check(t, x, p, target);
    }
    // Hot air near the boiling point at low pressure, where the search runs its 5 K steps to
    // the end and gives up (a thousand times slower than a usual call, so fewer of them).
    for (int i = 0; i < kCount / 1000; ++i)
        check(a.Uniform(60, 130), a.Uniform(0, 120), a.Uniform(150, 900), a.Uniform(0.1, 110));
    EXPECT_EQ(d.Count(), 0);
}

TEST(MoistAirIdentity, FunctionsOfTheSaturationPressure)
{
    Arguments a(4);
    Differences d;
    for (int i = 0; i < kCount; ++i) {
        // Far below any real state the fit's pressure underflows (about -510 °C); far above it
        // overflows: where the searches walk when a line never reaches its humidity.
        const double t = a.Or(a.Uniform(-60, 260), {0.0, -0.0, 100, 250, a.Uniform(-560, -480), -1e6, 1e77, 1e300, kNaN});
        const double x = a.Or(a.Uniform(0, 80), {0, -1, 1e306, kInf});
        const double p = a.Or(a.Uniform(600, 1100), {0, 1e-9, kInf});
        const double phi = a.Or(a.Uniform(0, 110), {0, 100});
        d.Check(Bits([&] { return EnthalpyOf(t, x, p); }), Bits([&] { return oracle::EnthalpyOf(t, x, p); }), t, x, p);
        d.Check(Bits([&] { return XFromPhi(t, phi, p); }), Bits([&] { return oracle::XFromPhi(t, phi, p); }), t, phi, p);
        d.Check(Bits([&] { return PhiFromX(t, x, p); }), Bits([&] { return oracle::PhiFromX(t, x, p); }), t, x, p);
    }
    EXPECT_EQ(d.Count(), 0);
}

} // namespace
} // namespace velmarsund
