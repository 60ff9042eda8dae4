#include "panel_weight.h"

#include "daten_rwt.h"
#include "rotor_data.h"
#include "rotor_weight.h"

#include <stdexcept>

namespace velmarsund {

int PanelRotorWeight(int housingCode, std::int64_t height, std::int64_t width, std::int64_t depth,
                     std::int64_t diameter, const TDatenRWT& r)
{
    try {
        return RotorWeight(housingCode, height, width, diameter, r.ProfileHeight, r.FoilThickness, depth,
                           r.MatrixType, ProfilePitchOf(r.ProfileHeight));
    } catch (const std::exception&) {
        return 0;
    }
}

} // namespace velmarsund
