#include "plausibility_check.h"

#include "daten.h"
#include "number_format.h"
#include "number_rounding.h"
#include "text_format.h"
#include "text_table.h"

#include <cmath>
#include <limits>

namespace velmarsund {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The smaller and the larger of two values; not a number when either is none.
double Lower(double a, double b) { return std::isnan(a) || std::isnan(b) ? kNaN : std::min(a, b); }
double Higher(double a, double b) { return std::isnan(a) || std::isnan(b) ? kNaN : std::max(a, b); }

// Written as "not inside", so that a value that is no number counts as outside.
bool Outside(double lower, double higher, double min, double max) { return !(lower >= min) || !(higher <= max); }

QString MessageWithRange(TextId id, const QString& from, const QString& to)
{
    return FormatText(LoadText(id), {from, to});
}

} // namespace

bool IsWarningMessage(int number)
{
    return number == CheckMessage::VelocityWarning || number == CheckMessage::RatioWarning ||
           number == CheckMessage::PressureDropWarning;
}

bool OnlyWarnings(const CheckMessages& messages)
{
    for (std::size_t n = 0; n < messages.size(); ++n)
        if (messages.test(n) && !IsWarningMessage(static_cast<int>(n))) return false;
    return true;
}

CheckMessages TestRecord(const TDatenII& r, double pressureDropLimit)
{
    using namespace CheckMessage;
    CheckMessages m;
    const double t1 = r.State11.Temp, t2 = r.State21.Temp;
    if (!(Lower(t1, t2) >= -30)) m.set(TemperatureLow);
    if (!(Higher(t1, t2) <= 80)) m.set(TemperatureHigh);

    const double phi1 = r.State11.Humidity, phi2 = r.State21.Humidity;
    if (!(Lower(phi1, phi2) >= 0)) m.set(HumidityLow);
    if (!(Higher(phi1, phi2) <= 100.0001)) m.set(HumidityHigh);

    if (Outside(Lower(r.State11.X, r.State21.X), Higher(r.State11.X, r.State21.X), 0, 150)) m.set(HumidityRatio);

    const double wLow = Lower(r.FaceVelocity1, r.FaceVelocity2), wHigh = Higher(r.FaceVelocity1, r.FaceVelocity2);
    if (Outside(wLow, wHigh, 1, 5)) m.set(VelocityWarning);
    if (Outside(wLow, wHigh, 0.3, 5.5)) {
        m.set(VelocityError);
        m.reset(VelocityWarning);
    }

    const double ratio = r.State11.SVol / r.State21.SVol;
    if (Outside(ratio, ratio, 0.6666666, 1.5)) m.set(RatioWarning);
    if (Outside(ratio, ratio, 0.5, 2)) {
        m.set(RatioError);
        m.reset(RatioWarning);
    }

    const double dp = Higher(r.DeltaP1, r.DeltaP2);
    if (!(dp <= pressureDropLimit)) m.set(PressureDropWarning);
    if (!(dp <= RoundTo(pressureDropLimit * 1.4, 0))) {
        m.set(PressureDropError);
        m.reset(PressureDropWarning);
    }
    return m;
}

QString CheckMessageText(int number, UnitSystem system)
{
    using namespace CheckMessage;
    switch (number) {
    case TemperatureLow:
    case TemperatureHigh:
        return UnitChoice(system, MessageWithRange(106, QStringLiteral("-30"), QStringLiteral("80") + LoadText(411)),
                          MessageWithRange(106, QStringLiteral("-22"), QStringLiteral("176") + LoadText(412)));
    case HumidityLow:
    case HumidityHigh:
        return MessageWithRange(107, QStringLiteral("0"), QStringLiteral("100%"));
    case VelocityWarning:
    case VelocityError:
        return UnitChoice(system, MessageWithRange(108, FormatFixed(1, 1), FormatFixed(5, 1) + QStringLiteral(" m/s")),
                          MessageWithRange(108, QStringLiteral("200"), QStringLiteral("984 fmp")));
    case RatioWarning:
    case RatioError:
        return MessageWithRange(110, FormatFixed(0.66, 2), FormatFixed(1.5, 1));
    case PressureDropWarning:
    case PressureDropError:
        return LoadText(109);
    case HumidityRatio:
        return UnitChoice(system, MessageWithRange(474, QStringLiteral("0"), QStringLiteral("150 g/kg")),
                          MessageWithRange(474, QStringLiteral("0"), QStringLiteral("1050 gr/lb")));
    default:
        return {};
    }
}

namespace {

QString MessagesText(const CheckMessages& messages, UnitSystem system)
{
    QString text;
    for (std::size_t n = 0; n < messages.size(); ++n) {
        if (!messages.test(n)) continue;
        if (!text.isEmpty()) text += kMessageBreak;
        text += CheckMessageText(static_cast<int>(n), system);
    }
    return text;
}

} // namespace

PlausibilityReport BuildPlausibilityReport(const CheckMessages& winter, const std::optional<CheckMessages>& summer,
                                           const QString& winterCaption, const QString& summerCaption,
                                           UnitSystem system)
{
    PlausibilityReport report;
    report.messages = winter;
    report.onlyWarnings = OnlyWarnings(winter);
    report.text = MessagesText(winter, system);
    if (summer) {
        if (!report.text.isEmpty()) report.text = winterCaption + QStringLiteral(":") + kMessageBreak + report.text;
        if (summer->any()) {
            if (!report.text.isEmpty())
                report.text += kMessageBreak + QString(22, QLatin1Char('-')) + kMessageBreak;
            report.text += summerCaption + QStringLiteral(":");
            for (std::size_t n = 0; n < summer->size(); ++n)
                if (summer->test(n)) report.text += kMessageBreak + CheckMessageText(static_cast<int>(n), system);
        }
        report.messages |= *summer;
        report.onlyWarnings = report.onlyWarnings && OnlyWarnings(*summer);
    }
    report.caption = LoadText(report.onlyWarnings ? 103 : 104) + QStringLiteral("!");
    return report;
}

} // namespace velmarsund
