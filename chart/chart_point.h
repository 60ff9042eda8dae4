#pragma once
// The state under a point of the chart picture, for the pointer's hint on screen.

#include "chart_picture.h"

#include <QString>

#include <optional>

namespace velmarsund {

struct ChartState {
    double t;   // °C
    double x;   // g/kg
    double phi; // %, 100 in the fog region
    double h;   // kJ/kg
};

// The state at a picture point, or none outside the drawn temperature and humidity ranges.
std::optional<ChartState> StateAt(const ChartScale& scale, const QPointF& picture);

// The hint text of a state in the unit system: temperature, humidity ratio, relative humidity and
// enthalpy, one a line.
QString StateHint(const ChartState& state, UnitSystem system);

} // namespace velmarsund
