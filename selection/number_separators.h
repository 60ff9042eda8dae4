#pragma once
// The program-wide decimal and thousand separators, used by every conversion between numbers and
// text, shown and typed alike. They start from the system locale; the settings file and the
// settings window override them.

#include <QChar>

namespace velmarsund {

struct NumberSeparators {
    QChar decimal = QLatin1Char('.');
    QChar thousand = QLatin1Char(','); // a null character means no grouping
};

// The separators of the operating system's locale.
NumberSeparators SystemSeparators();

// The separators in force; the system's until SetProgramSeparators is called.
const NumberSeparators& ProgramSeparators();

// Makes `separators` the program's after MakeUsableSeparators.
void SetProgramSeparators(NumberSeparators separators);

// A pair that keeps numbers readable and parsable: a decimal separator that is a digit, a sign,
// an exponent letter, a space or a control character becomes `fallback.decimal`; a thousand
// separator that is a digit, a sign, an exponent letter or equal to the decimal separator
// becomes the one of "." and "," that the decimal separator is not.
NumberSeparators MakeUsableSeparators(NumberSeparators separators, NumberSeparators fallback);

} // namespace velmarsund
