#include "modes.h"

#include <array>

namespace velmarsund::rotorcalc {

const Mode* FindMode(std::string_view name)
{
    static constexpr std::array<Mode, 6> kModes{{
        {"rotor", &RunRotorMode},
        {"air", &RunAirMode},
        {"geometry", &RunGeometryMode},
        {"weight", &RunWeightMode},
        {"leakage", &RunLeakageMode},
        {"sizes", &RunSizesMode},
    }};
    for (const Mode& m : kModes)
        if (m.name == name) return &m;
    return nullptr;
}

} // namespace velmarsund::rotorcalc
