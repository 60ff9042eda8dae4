#pragma once
// The rotor's weight and its drive motor's power and current as the data sheet prints them, in the
// user's unit system: weight in kg or lb, power in W or HP, current in A. The rotor panel shows the
// same texts.

#include "number_separators.h"
#include "unit_system.h"

#include <QString>

namespace velmarsund {

// The controller's single-phase mains supply in volts, as the data sheet prints it; the controller
// descriptions of every language state the same.
inline constexpr int kControllerSupplyVolts = 220;

struct DriveTexts {
    QString weight;      // whole kg or lb
    QString weightUnit;  // "kg" or "lb"
    QString power;       // whole W, or HP with 2 decimals
    QString powerUnit;   // "Watt" or "HP"
    QString current;     // A with 2 decimals
};

// `weightKg` as the weight model gives it; the motor follows from the wheel diameter and the
// matrix type.
DriveTexts DriveTextsOf(int weightKg, int diameter, int matrixType, UnitSystem units,
                        const NumberSeparators& separators);

} // namespace velmarsund
