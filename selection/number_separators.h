#pragma once
// The program-wide decimal and thousand separators, used by every conversion between numbers and
// text, shown and typed alike. They start from the system locale; the settings file and the
// settings window override them.

#include <QChar>

namespace velmarsund {

struct NumberSeparators {
    QChar decimal = QLatin1Char('.');
    QChar thousand = QLatin1Char(','); // a null character means no grouping

    bool operator==(const NumberSeparators&) const = default;
};

// The separators of the operating system's locale.
NumberSeparators SystemSeparators();

// The separators in force; the system's until SetProgramSeparators is called.
const NumberSeparators& ProgramSeparators();

// Makes `separators` the program's after MakeUsableSeparators.
void SetProgramSeparators(NumberSeparators separators);

// The separators a number may be written with, each one visible character: "." "," "'" for the
// decimal separator; these, a space, a no-break space (U+00A0), a narrow no-break space (U+202F)
// or none (a null character) for the thousand separator.
bool IsDecimalSeparator(QChar c);
bool IsThousandSeparator(QChar c);
// The allowed ones as a request or a message names them.
inline constexpr const char* kDecimalSeparatorNames[] = {"\".\"", "\",\"", "\"'\""};
inline constexpr const char* kThousandSeparatorNames[] = {"\".\"",  "\",\"",  "\"'\"", "\" \"",
                                                          "U+00A0", "U+202F", "\"\""};

// A pair that keeps numbers readable and parsable: a decimal separator that is not allowed
// becomes `fallback.decimal` (or "." when that is not allowed either); a thousand separator that
// is not allowed or equal to the decimal separator becomes the one of "." and "," that the
// decimal separator is not.
NumberSeparators MakeUsableSeparators(NumberSeparators separators, NumberSeparators fallback);

} // namespace velmarsund
