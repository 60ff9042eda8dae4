#include "number_parse.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace velmarsund {
namespace {

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(QStringLiteral("'%1' is not a valid number").arg(text).toStdString()), text_(text)
{
}

std::optional<double> TryTextToNumber(const QString& text, const NumberSeparators& separators)
{
    const QString t = text.trimmed();
    // Rewritten as ASCII with '.' for from_chars, which knows no locale.
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(t.size()));
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        if (t[i] == QLatin1Char('-')) ascii += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && IsAsciiDigit(t[i])) {
        ascii += static_cast<char>(t[i++].unicode());
        ++mantissaDigits;
    }
    if (i < n && t[i] == separators.decimal) {
        ascii += '.';
        ++i;
        while (i < n && IsAsciiDigit(t[i])) {
            ascii += static_cast<char>(t[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < n && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) ascii += static_cast<char>(t[i++].unicode());
        int exponentDigits = 0;
        while (i < n && IsAsciiDigit(t[i])) {
            ascii += static_cast<char>(t[i++].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;

    double value = 0;
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

double TextToNumber(const QString& text, const NumberSeparators& separators)
{
    if (const auto value = TryTextToNumber(text, separators)) return *value;
    throw ConversionError(text);
}

std::optional<int> TryTextToInteger(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) negative = t[i++] == QLatin1Char('-');
    if (i == t.size()) return std::nullopt;
    long long value = 0;
    for (; i < t.size(); ++i) {
        if (!IsAsciiDigit(t[i])) return std::nullopt;
        value = value * 10 + (t[i].unicode() - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

int TextToInteger(const QString& text)
{
    if (const auto value = TryTextToInteger(text)) return *value;
    throw ConversionError(text);
}

} // namespace velmarsund
