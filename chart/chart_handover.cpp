#include "chart_handover.h"

#include "daten_rwt.h"
#include "text_table.h"

#include <algorithm>

namespace velmarsund {
namespace {

ProcessLine Line(const AirStreamState& from, const AirStreamState& to, const QColor& colour, int style,
                 const QString& fromName, const QString& toName, int fromNumber)
{
    return {{from.Temp, from.X, colour, colour, style, fromName, fromNumber},
            {to.Temp, to.X, colour, colour, style, toName, fromNumber + 1}};
}

QString Named(TextId state, const QString& season)
{
    return season.isEmpty() ? LoadText(state) : LoadText(state) + QStringLiteral(" (") + season + QLatin1Char(')');
}

} // namespace

std::vector<ProcessLine> ProcessLinesOf(const TDatenRWT& winter, const TDatenRWT* summer, bool resultsValid,
                                        const QString& winterCaption, const QString& summerCaption)
{
    if (!resultsValid) return {ProcessLine{}, ProcessLine{}};
    std::vector<ProcessLine> lines;
    const auto season = [&](const TDatenRWT& r, int style, const QString& caption) {
        lines.push_back(
            Line(r.State21, r.State22, kExhaustLineColour, style, Named(4, caption), Named(6, caption), 21));
        lines.push_back(
            Line(r.State11, r.State12, kSupplyLineColour, style, Named(5, caption), Named(3, caption), 11));
    };
    season(winter, 0, summer ? winterCaption : QString());
    if (summer) season(*summer, 2, summerCaption);
    return lines;
}

void GrowRanges(ChartSettings& settings, const std::vector<ProcessLine>& lines)
{
    double xMax = -1e300;
    double tMax = -1e300;
    double tMin = 1e300;
    for (const ProcessLine& line : lines)
        for (const ProcessPoint& p : line) {
            xMax = std::max(xMax, p.x);
            tMax = std::max(tMax, p.t);
            tMin = std::min(tMin, p.t);
        }
    // Downwards in steps of ten degrees of the unit system until the coldest point lies inside, at
    // least a kelvin above the lowest isotherm, which carries the axis labels below it (as far as
    // ten steps at most); never shrinking, like the growth upwards.
    constexpr double kAboveLowest = 1;
    while (settings.lowerSteps < 10 && tMin < RangesOf(settings).tMin + kAboveLowest)
        ++settings.lowerSteps;
    constexpr double kHumidityLimits[] = {20, 30, 40, 50};
    constexpr double kTemperatureLimits[] = {60, 80, 100, 120};
    for (int k = 0; k < 4; ++k) {
        if (xMax > kHumidityLimits[k] && settings.humidityRange < k + 1) settings.humidityRange = k + 1;
        if (tMax > kTemperatureLimits[k] && settings.temperatureRange < k + 1) settings.temperatureRange = k + 1;
    }
}

} // namespace velmarsund
