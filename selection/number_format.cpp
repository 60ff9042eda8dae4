#include "number_format.h"

#include "fixed_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace velmarsund {
namespace {

constexpr int kMaxPrecision = 17;

// Writes '.' and ',' of an ASCII number as the program's separators.
QString WithSeparators(const std::string& ascii, const NumberSeparators& separators)
{
    QString out;
    out.reserve(static_cast<qsizetype>(ascii.size()));
    for (char c : ascii) {
        if (c == '.')
            out += separators.decimal;
        else if (c == ',')
            out += separators.thousand;
        else
            out += QLatin1Char(c);
    }
    return out;
}

// Number of significant digits shown in a plain fixed-point text, and where they start: the
// count of integer digits (0 below 1) and the count of zeros after the point before the first
// non-zero decimal.
struct Significance {
    int total = 0;
    int integerDigits = 0;
    int leadingDecimalZeros = 0;
};

Significance Measure(const std::string& text)
{
    Significance s;
    const std::size_t point = text.find('.');
    const std::string intPart = text.substr(0, point);
    const std::string frac = point == std::string::npos ? std::string() : text.substr(point + 1);
    const std::size_t firstInt = intPart.find_first_not_of("-0");
    if (firstInt != std::string::npos) {
        s.integerDigits = static_cast<int>(intPart.size() - firstInt);
        s.total = s.integerDigits + static_cast<int>(frac.size());
    } else {
        const std::size_t firstFrac = frac.find_first_not_of('0');
        s.leadingDecimalZeros = firstFrac == std::string::npos ? static_cast<int>(frac.size())
                                                               : static_cast<int>(firstFrac);
        s.total = static_cast<int>(frac.size()) - s.leadingDecimalZeros;
    }
    return s;
}

std::string FixedAscii(double value, int digits, int precision, bool grouped)
{
    digits = std::max(0, digits);
    precision = std::clamp(precision, 1, kMaxPrecision);
    std::string plain = FormatFixedPoint(value, digits, '.', '\0');
    if (!std::isfinite(value)) return plain;
    const Significance s = Measure(plain);
    if (s.total > precision) {
        const int kept = s.integerDigits > 0 ? std::max(0, precision - s.integerDigits)
                                             : s.leadingDecimalZeros + precision;
        if (kept < digits) {
            std::string shorter = FormatFixedPoint(value, kept, '.', '\0');
            if (kept == 0) shorter += '.';
            shorter.append(static_cast<std::size_t>(digits - kept), '0');
            plain = shorter;
        }
    }
    if (!grouped) return plain;
    // Group the integer digits of the finished text.
    const std::size_t start = plain[0] == '-' ? 1 : 0;
    const std::size_t end = std::min(plain.find('.'), plain.size());
    for (std::ptrdiff_t pos = static_cast<std::ptrdiff_t>(end) - 3; pos > static_cast<std::ptrdiff_t>(start); pos -= 3)
        plain.insert(static_cast<std::size_t>(pos), 1, ',');
    return plain;
}

} // namespace

QString FormatFixed(double value, int digits, int precision, const NumberSeparators& separators)
{
    return WithSeparators(FixedAscii(value, digits, precision, false), separators);
}

QString FormatNumber(double value, int digits, int precision, const NumberSeparators& separators)
{
    NumberSeparators s = separators;
    std::string ascii = FixedAscii(value, digits, precision, !s.thousand.isNull());
    return WithSeparators(ascii, s);
}

QString FormatGeneral(double value, int precision, const NumberSeparators& separators)
{
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0) return QStringLiteral("0");
    precision = std::clamp(precision, 1, kMaxPrecision);

    // d.ddddde±XX, correctly rounded to `precision` significant digits.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                                   precision - 1);
    const std::string sci(buf, res.ptr);
    const std::size_t ePos = sci.find('e');
    std::string mantissa = sci.substr(0, ePos);
    mantissa.erase(std::remove(mantissa.begin(), mantissa.end(), '.'), mantissa.end());
    const int exponent = std::stoi(sci.substr(ePos + 1)); // digits written by to_chars, not user text
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= precision || exponent < -5) {
        out += mantissa[0];
        if (mantissa.size() > 1) out += '.' + mantissa.substr(1);
        out += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    } else {
        const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= intDigits) {
            out += mantissa + std::string(intDigits - mantissa.size(), '0');
        } else {
            out += mantissa.substr(0, intDigits) + '.' + mantissa.substr(intDigits);
        }
    }
    return WithSeparators(out, separators);
}

QString FormatFloat(NumberFormat format, double value, int precision, int digits,
                    const NumberSeparators& separators)
{
    switch (format) {
    case NumberFormat::General: return FormatGeneral(value, precision, separators);
    case NumberFormat::Number: return FormatNumber(value, digits, precision, separators);
    case NumberFormat::Fixed: break;
    }
    return FormatFixed(value, digits, precision, separators);
}

} // namespace velmarsund
