#pragma once
// Varied, deterministic rotor requests for rotorcalc: the batch the benchmarks and the streaming
// tests feed it.

#include <string>

namespace velmarsund::testing {

inline std::string VariedRotorRequest(int i)
{
    static const char* profiles[] = {"E20", "E18", "E16", "E14"};
    static const int types[] = {0, 1, 3, 6};
    return "{\"MatrixType\":" + std::to_string(types[i % 4]) + ",\"Diameter\":" + std::to_string(900 + (i * 37) % 4000) +
           ",\"Profile\":\"" + profiles[(i / 4) % 4] + "\",\"AirPressure\":" + std::to_string(900 + i % 150) +
           ",\"State11\":{\"SVol\":" + std::to_string(2000 + (i * 131) % 30000) +
           ",\"Temp\":" + std::to_string(-25 + (i * 7) % 60) + ",\"Humidity\":" + std::to_string(20 + (i * 11) % 75) +
           "},\"State21\":{\"SVol\":" + std::to_string(2000 + (i * 97) % 30000) +
           ",\"Temp\":" + std::to_string(18 + (i % 9)) + ",\"Humidity\":" + std::to_string(25 + (i * 3) % 50) + "}}";
}

inline std::string VariedRotorBatch(int count)
{
    std::string text = "[";
    for (int i = 0; i < count; ++i) {
        if (i) text += ",\n";
        text += VariedRotorRequest(i);
    }
    return text + "]";
}

// Air-mode requests over the moist-air functions with arguments from a fixed generator: cold and
// hot, dry and saturated, fog, and pressures from 600 to 1100 mbar.
inline std::string VariedAirBatch(int count)
{
    static const char* fns[] = {"DewPointOf", "TempOnEnthalpyLine", "TempFromXPhi", "TempFromSatPressure",
                                "EnthalpyOf", "PhiFromX", "XFromPhi", "SatPressure"};
    std::string text = "[";
    for (int i = 0; i < count; ++i) {
        const int f = i % 8;
        const double t = -45 + (i * 7919 % 14000) / 100.0;           // -45 … 95 °C
        const double x = (i * 104729 % 40000) / 1000.0;              // 0 … 40 g/kg
        const double p = 600 + (i * 31 % 500);                       // mbar
        const double phi = 1 + (i * 53 % 1000) / 10.0;               // 1 … 101 %
        const double pv = 0.5 + (i * 8191 % 700000) / 100.0;         // Pa
        std::string args;
        switch (f) {
        case 0: args = std::to_string(x) + "," + std::to_string(p); break;
        case 1: args = std::to_string(t) + "," + std::to_string(x) + "," + std::to_string(p) + "," + std::to_string(phi); break;
        case 2: args = std::to_string(x) + "," + std::to_string(p) + "," + std::to_string(phi); break;
        case 3: args = std::to_string(pv); break;
        case 7: args = std::to_string(t); break;
        case 6: args = std::to_string(t) + "," + std::to_string(phi) + "," + std::to_string(p); break;
        default: args = std::to_string(t) + "," + std::to_string(x) + "," + std::to_string(p); break;
        }
        if (i) text += ",\n";
        text += std::string("{\"mode\":\"air\",\"fn\":\"") + fns[f] + "\",\"args\":[" + args + "]}";
    }
    return text + "]";
}

} // namespace velmarsund::testing
