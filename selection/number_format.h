#pragma once
// Number to text in the program's three formats, with the program-wide separators.

#include "number_separators.h"

#include <QString>

namespace velmarsund {

enum class NumberFormat {
    General, // shortest text with up to `precision` significant digits, no grouping
    Fixed,   // exactly `digits` decimals, no grouping
    Number,  // like Fixed, integer digits grouped in threes
};

// Minus sign when negative, the integer digits, the decimal separator and exactly `digits`
// decimals (none and no separator for 0). The value is cut to `digits` decimals with halves away
// from zero; digits past the `precision`-th significant one show as zeros.
QString FormatFixed(double value, int digits, int precision = 10,
                    const NumberSeparators& separators = ProgramSeparators());

// FormatFixed with the integer digits grouped in threes by the thousand separator.
QString FormatNumber(double value, int digits, int precision = 10,
                     const NumberSeparators& separators = ProgramSeparators());

// The shortest text that shows the value with up to `precision` significant digits, without
// trailing zeros or grouping; written with an exponent ("1.5E-7") when the value is below
// 0.00001 or has more integer digits than `precision`.
QString FormatGeneral(double value, int precision = 10,
                      const NumberSeparators& separators = ProgramSeparators());

QString FormatFloat(NumberFormat format, double value, int precision, int digits,
                    const NumberSeparators& separators = ProgramSeparators());

} // namespace velmarsund
