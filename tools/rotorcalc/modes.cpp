#include "modes.h"

#include <array>

namespace velmarsund::rotorcalc {

const Mode* FindMode(std::string_view name)
{
    static constexpr std::array<Mode, 7> kModes{{
        {"rotor", &RunRotorMode},
        {"air", &RunAirMode},
        {"geometry", &RunGeometryMode},
        {"weight", &RunWeightMode},
        {"leakage", &RunLeakageMode},
        {"sizes", &RunSizesMode},
        {"annual", &RunAnnualMode},
    }};
    for (const Mode& m : kModes)
        if (m.name == name) return &m;
    return nullptr;
}

} // namespace velmarsund::rotorcalc
