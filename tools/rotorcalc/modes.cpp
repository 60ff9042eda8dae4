#include "modes.h"

#include <array>

namespace velmarsund::rotorcalc {

const Mode* FindMode(std::string_view name)
{
    static constexpr std::array<Mode, 2> kModes{{
        {"rotor", &RunRotorMode},
        {"air", &RunAirMode},
    }};
    for (const Mode& m : kModes)
        if (m.name == name) return &m;
    return nullptr;
}

} // namespace velmarsund::rotorcalc
