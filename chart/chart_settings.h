#pragma once
// The settings of the psychrometric chart: air pressure, unit system, orientation and the two
// ranges, with the range table and the values it gives in SI for drawing.

#include "language.h"
#include "number_separators.h"
#include "unit_system.h"

#include <QColor>
#include <QString>

#include <array>
#include <vector>

namespace velmarsund {

constexpr int kChartRangeCount = 5;

struct ChartSettings {
    double pressure = 1013; // mbar
    UnitSystem units = UnitSystem::SI;
    bool carrier = false;   // the turned chart; Mollier otherwise
    int temperatureRange = 1;
    int humidityRange = 0;
    // Steps of 10 K (SI) or 10 °F (IP) the temperature range reaches below its lower end (-20 °C,
    // 0 °F), for process points colder than that.
    int lowerSteps = 0;
    bool exportMode = false;
    // The language of the titles and the separators of the numbers.
    LanguageNumber language = Language::English;
    NumberSeparators separators;

    bool operator==(const ChartSettings&) const = default;
};

// The values of the ranges and grid steps in SI (IP values converted), for drawing.
struct ChartRanges {
    double tMin;     // °C
    double tMax;     // °C
    double xMin;     // g/kg
    double xMax;     // g/kg
    double xStep;    // g/kg
    double hStep;    // in the display unit: kJ/kg or BTU/lb
    double tStep;    // K between isotherms
    double tMajor;   // display degrees between the emphasised isotherms
};
ChartRanges RangesOf(const ChartSettings& settings);

// The items of the two range lists in the unit system: "-20 .. 80°C" or "0 .. 180°F", "0 .. 20 g/kg"
// or "0 .. 140 gr/lb".
std::array<QString, kChartRangeCount> TemperatureRangeItems(UnitSystem system);
std::array<QString, kChartRangeCount> HumidityRangeItems(UnitSystem system);

// One point of a process line: the state and how it is drawn.
struct ProcessPoint {
    double t = 0; // °C
    double x = 0; // g/kg
    QColor fill;
    QColor pen;
    int penStyle = 0; // 0 solid, 2 dotted
    QString name;     // what the state is, for the pointer's hint on screen
    int number = 0;   // the state's number as EN 308 counts them (11, 12, 21, 22); 0 unnumbered

    bool operator==(const ProcessPoint&) const = default;
};
using ProcessLine = std::vector<ProcessPoint>;

} // namespace velmarsund
