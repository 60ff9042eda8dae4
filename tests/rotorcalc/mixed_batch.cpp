#include "mixed_batch.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace velmarsund::testing {

namespace {

// splitmix64: its sequence is fixed by its code, unlike the standard distributions.
class Sequence {
  public:
    explicit Sequence(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Uniform(double lo, double hi) {
        return lo + (hi - lo) * (static_cast<double>(Next() >> 11) * 0x1p-53);
    }
    int Int(int lo, int hi) {
        return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool Chance(double p) { return Uniform(0, 1) < p; }
    template <typename T, std::size_t N> const T& Pick(const std::array<T, N>& items) {
        return items[Next() % N];
    }

  private:
    std::uint64_t state_;
};

// Fixed decimals, independent of the locale.
std::string Num(double v, int decimals = 4) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return std::string(buf, r.ptr);
}

class Object {
  public:
    Object& Add(std::string_view key, const std::string& json) {
        text_ += text_.empty() ? "{" : ",";
        text_ += "\"";
        text_ += key;
        text_ += "\":";
        text_ += json;
        return *this;
    }
    Object& Add(std::string_view key, int v) { return Add(key, std::to_string(v)); }
    Object& Add(std::string_view key, double v, int decimals) { return Add(key, Num(v, decimals)); }
    Object& Text(std::string_view key, std::string_view v) { return Add(key, "\"" + std::string(v) + "\""); }
    std::string Json() const { return text_.empty() ? "{}" : text_ + "}"; }

  private:
    std::string text_;
};

// Temperatures that sit on the branch boundaries of the saturation fit or close to them.
double EdgeTemp(Sequence& s) {
    static constexpr std::array<double, 10> kEdges{0.0,   -1e-9, 1e-9,  -0.05, 0.05,
                                                   99.99, 100.0, -40.0, 60.0,  0.1};
    const double edge = s.Pick(kEdges);
    return s.Chance(0.5) ? edge : edge + s.Uniform(-0.2, 0.2);
}

double Pressure(Sequence& s) {
    if (s.Chance(0.1)) return s.Chance(0.5) ? s.Uniform(300, 600) : s.Uniform(1100, 1250);
    return s.Uniform(600, 1100);
}

std::string State(Sequence& s, double tLo, double tHi) {
    const double t = s.Chance(0.1) ? EdgeTemp(s) : s.Uniform(tLo, tHi);
    const double phi =
        s.Chance(0.1) ? s.Pick(std::array<double, 5>{100.0, 99.9, 100.5, 120.0, 1.0}) : s.Uniform(5, 98);
    Object o;
    o.Add("SVol", s.Uniform(800, 40000), 1).Add("Temp", t, 3).Add("Humidity", phi, 3);
    o.Add("X", s.Chance(0.1) ? s.Uniform(20, 80) : s.Uniform(0.2, 18), 4);
    o.Add("DewPoint", t - s.Uniform(0, 25), 3).Add("WetBulb", t - s.Uniform(0, 12), 3);
    o.Add("Enthalpy", s.Uniform(-30, 120), 3);
    o.Add("AVol", s.Uniform(800, 40000), 1).Add("DryMassFlow", s.Uniform(1000, 45000), 1);
    o.Add("MassFlow", s.Uniform(1000, 45000), 1);
    return o.Json();
}

std::string RotorRequest(Sequence& s, bool sizes) {
    static constexpr std::array<int, 4> kTypes{0, 1, 3, 6};
    static constexpr std::array<std::string_view, 9> kProfiles{"E20", "E18", "E16", "E14", "A25",
                                                               "B19", "C15", "D17", "E22"};
    Object o;
    if (sizes) o.Text("mode", "sizes").Add("SeriesIndex", s.Int(0, 3));
    o.Add("AirPressure", sizes ? s.Uniform(600, 1100) : Pressure(s), 2);
    o.Add("HumidityKind", s.Chance(0.5) ? 0 : s.Int(0, 12));
    o.Add("VolumeKind", s.Chance(0.6) ? 0 : s.Int(0, 3));
    o.Add("MatrixType", s.Pick(kTypes));
    if (!sizes) o.Add("Diameter", s.Int(500, 5200));
    o.Text("Profile", s.Pick(kProfiles));
    if (s.Chance(0.15)) o.Add("Speed", s.Uniform(2, 25), 2);
    if (s.Chance(0.1)) o.Add("WheelDepth", s.Int(150, 250));
    const bool winter = s.Chance(0.7);
    o.Add("State11", winter ? State(s, -32, 15) : State(s, 18, 45));
    o.Add("State21", winter ? State(s, 15, 30) : State(s, 18, 30));
    if (!sizes) {
        if (s.Chance(0.2)) o.Text("Operation", "Update");
        if (s.Chance(0.1)) o.Add("EnergyClass", "false");
    } else if (s.Chance(0.5)) {
        o.Add("UseAhriEffectiveness", "true");
    }
    return o.Json();
}

std::string Args(std::initializer_list<std::string> values) {
    std::string a = "[";
    for (const std::string& v : values)
        a += (a.size() > 1 ? "," : "") + v;
    return a + "]";
}

std::string AirRequest(Sequence& s) {
    static constexpr std::array<std::string_view, 19> kFunctions{
        "SatPressure",          "XFromPhi",           "PhiFromX",
        "TempFromSatPressure",  "DewPointOf",         "TempFromXPhi",
        "EnthalpyOf",           "TempOnEnthalpyLine", "DensityOf",
        "StdVolumeOf",          "ActVolumeOf",        "PressureFromAltitude",
        "AltitudeFromPressure", "KinViscosity",       "PrandtlNumber",
        "ThermalConductivity",  "CpMoistAir",         "SmoothStep",
        "MoistureFactor"};
    // The searches are asked far more often than the closed formulas.
    const int pick = s.Int(0, 29);
    const std::string_view fn =
        pick < 19 ? kFunctions[pick] : kFunctions[std::array<int, 5>{3, 4, 5, 6, 7}[pick % 5]];
    const auto t = [&] { return Num(s.Chance(0.2) ? EdgeTemp(s) : s.Uniform(-45, 130), 5); };
    const auto x = [&] {
        return Num(s.Chance(0.1) ? s.Uniform(0, 1e-3) : s.Uniform(0, s.Chance(0.2) ? 400 : 30), 5);
    };
    const auto p = [&] { return Num(Pressure(s), 3); };
    const auto phi = [&] {
        return Num(
            s.Chance(0.2) ? s.Pick(std::array<double, 5>{0, 100, 95, 100.5, 150}) : s.Uniform(0.5, 100), 3);
    };

    Object o;
    o.Text("mode", "air").Text("fn", fn);
    if (fn == "SatPressure")
        o.Add("args", Args({s.Chance(0.1) ? Num(s.Uniform(240, 400), 3) : t()}));
    else if (fn == "XFromPhi")
        o.Add("args", Args({t(), phi(), p()}));
    else if (fn == "PhiFromX" || fn == "EnthalpyOf" || fn == "DensityOf")
        o.Add("args", Args({t(), x(), p()}));
    else if (fn == "TempFromSatPressure") {
        // Across the three start-value fits and their boundaries (ln pv = 6, 11, 15).
        const double L = s.Chance(0.2) ? s.Pick(std::array<double, 3>{6, 11, 15}) + s.Uniform(-1e-3, 1e-3)
                                       : s.Uniform(3, 16);
        o.Add("args", Args({Num(std::exp(L), 6)}));
    } else if (fn == "DewPointOf")
        o.Add("args", Args({x(), p()}));
    else if (fn == "TempFromXPhi")
        o.Add("args", Args({x(), p(), phi()}));
    else if (fn == "TempOnEnthalpyLine") {
        const std::string target =
            s.Chance(0.3) ? Num(s.Pick(std::array<double, 4>{100, 95, 0, 120}), 1) : phi();
        if (s.Chance(0.3))
            o.Add("args",
                  Args({Num(s.Uniform(-30, 110), 4), "0", p(), target})); // a temperature from an enthalpy
        else
            o.Add("args", Args({t(), x(), p(), target}));
    } else if (fn == "StdVolumeOf" || fn == "ActVolumeOf")
        o.Add("args", Args({Num(s.Uniform(100, 50000), 1), t(), x(), p()}));
    else if (fn == "PressureFromAltitude")
        o.Add("args", Args({Num(s.Uniform(-500, 5000), 2)}));
    else if (fn == "AltitudeFromPressure")
        o.Add("args", Args({p()}));
    else if (fn == "CpMoistAir")
        o.Add("args", Args({Num(s.Uniform(0, 40000), 2), Num(s.Uniform(0, 400), 3)}));
    else if (fn == "SmoothStep")
        o.Add("args",
              Args({Num(s.Uniform(0, 2), 3), Num(s.Uniform(0, 1), 3), Num(s.Uniform(-10, 10), 3),
                    Num(s.Uniform(5, 15), 2), Num(s.Uniform(-35, -25), 2), Num(s.Uniform(-40, 20), 3)}));
    else if (fn == "MoistureFactor")
        o.Add("args", Args({std::to_string(s.Pick(std::array<int, 4>{0, 1, 3, 6})),
                            Num(s.Uniform(1.2, 2.6), 2), Num(s.Uniform(0.5, 5), 3), Num(s.Uniform(2, 30), 2),
                            Num(s.Uniform(-1, 2), 3), Num(s.Uniform(-40, 20), 3)}));
    else
        o.Add("args", Args({t()}));
    return o.Json();
}

std::string OtherRequest(Sequence& s) {
    switch (s.Int(0, 2)) {
    case 0:
        return Object()
            .Text("mode", "geometry")
            .Add("SeriesIndex", s.Int(0, 3))
            .Add("Height", s.Int(600, 6000))
            .Add("Width", s.Int(600, 6000))
            .Add("Diameter", s.Int(500, 5500))
            .Add("MatrixType", 1)
            .Text("Profile", "E20")
            .Json();
    case 1:
        return Object()
            .Text("mode", "weight")
            .Add("HousingCode", std::array<int, 4>{1, 2, 3, 10}[s.Int(0, 3)])
            .Add("Height", s.Int(800, 5000))
            .Add("Width", s.Int(800, 5000))
            .Add("Diameter", s.Int(600, 4800))
            .Text("Profile", "E18")
            .Add("MatrixType", 1)
            .Json();
    default:
        return Object()
            .Text("mode", "leakage")
            .Add("Diameter", s.Int(600, 5000))
            .Text("ProfileCode", "E-E20")
            .Add("V12", s.Int(1000, 40000))
            .Add("V21", s.Int(1000, 40000))
            .Add("PurgeSector", s.Int(0, 2))
            .Json();
    }
}

} // namespace

std::string MixedBatch(int count) {
    Sequence s(20261210);
    std::string text = "[";
    for (int i = 0; i < count; ++i) {
        if (i) text += ",\n";
        const int kind = s.Int(0, 99);
        if (kind < 60)
            text += RotorRequest(s, false);
        else if (kind < 62)
            text += RotorRequest(s, true);
        else if (kind < 97)
            text += AirRequest(s);
        else
            text += OtherRequest(s);
    }
    return text + "]\n";
}

} // namespace velmarsund::testing
