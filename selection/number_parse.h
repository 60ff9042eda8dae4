#pragma once
// Text to number with the program-wide decimal separator. User text is never read with the C or
// the global locale: a point typed where the program uses a comma is an error, not a silent
// misreading.

#include "number_separators.h"

#include <QString>

#include <optional>
#include <stdexcept>

namespace velmarsund {

// A text that is not a number of the expected kind.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text);
    const QString& Text() const { return text_; }

private:
    QString text_;
};

// An optionally signed decimal number with the given decimal separator and an optional exponent
// ("-12,5", "1,5E-3"), surrounding white space ignored; nothing for anything else, including
// thousand separators and numbers outside the range of a double.
std::optional<double> TryTextToNumber(const QString& text,
                                      const NumberSeparators& separators = ProgramSeparators());

// TryTextToNumber, or ConversionError.
double TextToNumber(const QString& text, const NumberSeparators& separators = ProgramSeparators());

// An optionally signed integer of decimal digits within 32 bits, surrounding white space ignored.
std::optional<int> TryTextToInteger(const QString& text);

// TryTextToInteger, or ConversionError.
int TextToInteger(const QString& text);

} // namespace velmarsund
