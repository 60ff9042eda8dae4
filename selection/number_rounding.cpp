#include "number_rounding.h"

#include <cmath>

namespace velmarsund {

double RoundTo(double value, int decimals)
{
    if (!std::isfinite(value)) return value;
    const double factor = std::pow(10.0, -decimals);
    const double quotient = value / factor;
    if (!std::isfinite(quotient)) return value;
    double nearest = std::round(quotient); // halves away from zero
    if (std::fabs(quotient - std::trunc(quotient)) == 0.5 && std::fmod(nearest, 2.0) != 0.0)
        nearest -= std::copysign(1.0, quotient);
    return nearest * factor;
}

} // namespace velmarsund
