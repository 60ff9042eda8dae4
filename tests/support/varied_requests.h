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

} // namespace velmarsund::testing
