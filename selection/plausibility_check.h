#pragma once
// The check of the air data before a calculation: every violated limit of a record's inlet states,
// face velocities and pressure drops adds a numbered message; warnings (5, 7, 11) are shown and
// let the command go on, every other number stops it.

#include "unit_system.h"

#include <QString>

#include <bitset>
#include <optional>

namespace velmarsund {

class TDatenII;

using CheckMessages = std::bitset<256>;

namespace CheckMessage {
constexpr int TemperatureLow = 1, TemperatureHigh = 2, HumidityLow = 3, HumidityHigh = 4, VelocityWarning = 5,
              VelocityError = 6, RatioWarning = 7, RatioError = 8, PressureDropWarning = 11,
              PressureDropError = 12, HumidityRatio = 30;
}

// The recommended maximum pressure drop of the rotor window, Pa.
constexpr double kPressureDropLimit = 250;

bool IsWarningMessage(int number);
// True when the set holds no error number (also for an empty set).
bool OnlyWarnings(const CheckMessages& messages);

// The numbers of the limits that the inlet states, face velocities and pressure drops of a record
// violate. A value that is not a number violates its limit.
CheckMessages TestRecord(const TDatenII& record, double pressureDropLimit = kPressureDropLimit);

// The message of one number in the current language, its ranges in the given unit system; empty
// for a number that has none.
QString CheckMessageText(int number, UnitSystem system);

// An empty line between two messages.
inline const QString kMessageBreak = QStringLiteral("\n\r\n\r");

struct PlausibilityReport {
    CheckMessages messages;   // every number of both seasons
    bool onlyWarnings = true;
    QString text;             // the text of the message box
    QString caption;          // "Attention!" or "Error!"

    bool ShowsMessage() const { return messages.any(); }
    // The command may go on: no number, or warnings only.
    bool Proceeds() const { return messages.none() || onlyWarnings; }
};

// The report of the winter set alone, or, with a summer set, of both seasons under their captions
// with a line of hyphens between them.
PlausibilityReport BuildPlausibilityReport(const CheckMessages& winter, const std::optional<CheckMessages>& summer,
                                           const QString& winterCaption, const QString& summerCaption,
                                           UnitSystem system);

} // namespace velmarsund
