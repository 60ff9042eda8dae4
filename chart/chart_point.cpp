#include "chart_point.h"

#include "convert_unit.h"
#include "math_error.h"
#include "moist_air.h"
#include "number_format.h"
#include "text_table.h"

#include <algorithm>

namespace velmarsund {

std::optional<ChartState> StateAt(const ChartScale& scale, const QPointF& picture)
{
    const auto [y, x] = scale.ChartPointOf(picture);
    const ChartRanges& r = scale.Ranges();
    if (x < r.xMin || x > r.xMax || y < r.tMin - 1 || y > scale.Ht()) return std::nullopt;
    try {
        // The ordinate grows with the temperature at a given x, also in the fog: halve the interval.
        double low = -100;
        double high = 200;
        for (int i = 0; i < 60; ++i) {
            const double middle = (low + high) / 2;
            (scale.Ordinate(middle, x) < y ? low : high) = middle;
        }
        const double t = (low + high) / 2;
        if (t < r.tMin - 1 || t > r.tMax + 1) return std::nullopt;
        const double p = scale.Settings().pressure;
        const double phi = std::min(100.0, PhiFromX(t, x, p));
        return ChartState{t, x, phi, EnthalpyOf(t, x, p)};
    } catch (const MathError&) {
        return std::nullopt;
    }
}

QString StateHint(const ChartState& s, UnitSystem system)
{
    using namespace Unit;
    const QString t = FormatFixed(ConvertUnit(Quantity::Temperature, Celsius, UnitChoice(system, Celsius, Fahrenheit), s.t), 1) +
                      QLatin1Char(' ') + LoadText(UnitChoice(system, 411, 412));
    const QString x = FormatFixed(ConvertUnit(Quantity::HumidityRatio, GramPerKilogram,
                                              UnitChoice(system, GramPerKilogram, GrainPerPound), s.x),
                                  UnitChoice(system, 2, 1)) +
                      UnitChoice(system, QStringLiteral(" g/kg"), QStringLiteral(" gr/lb"));
    const QString h = FormatFixed(ConvertUnit(Quantity::Enthalpy, KilojoulePerKilogram,
                                              UnitChoice(system, KilojoulePerKilogram, BtuPerPound), s.h),
                                  1) +
                      UnitChoice(system, QStringLiteral(" kJ/kg"), QStringLiteral(" BTU/lb"));
    return LoadText(12) + QStringLiteral(": ") + t + QLatin1Char('\n') + LoadText(14) + QStringLiteral(": ") + x +
           QLatin1Char('\n') + LoadText(13) + QStringLiteral(": ") + FormatFixed(s.phi, 1) + QStringLiteral(" %\n") +
           LoadText(25) + QStringLiteral(": ") + h;
}

} // namespace velmarsund
