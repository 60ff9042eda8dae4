#include "fixed_format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace velmarsund {

std::string FormatFixedPoint(double value, int decimals, char decimalSeparator, char thousandSeparator)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (decimals < 0) decimals = 0;

    // Decimal digits of |value| with 17 more decimals than wanted; to_chars rounds only at the
    // last of them. When they come out all zero a carry may have reached the deciding digit, so
    // the value is written again with every digit of its exact expansion.
    const bool negative = std::signbit(value);
    const auto fixedDigits = [&](int precision) {
        std::string buf(static_cast<std::size_t>(precision) + 400, '\0');
        const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                       std::chars_format::fixed, precision);
        buf.resize(static_cast<std::size_t>(res.ptr - buf.data()));
        return buf;
    };
    std::string digits = fixedDigits(decimals + 17);
    if (digits.find_first_not_of('0', digits.size() - 16) == std::string::npos)
        digits = fixedDigits(decimals + 1100);
    std::string intPart = digits.substr(0, digits.find('.'));
    std::string frac = digits.substr(digits.find('.') + 1);

    // Cut: the next digit 5 or above rounds away from zero.
    std::string kept = intPart + frac.substr(0, decimals);
    const bool up = frac[decimals] >= '5';
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    intPart = kept.substr(0, kept.size() - decimals);
    frac = kept.substr(kept.size() - decimals);

    if (thousandSeparator != '\0') {
        for (int pos = static_cast<int>(intPart.size()) - 3; pos > 0; pos -= 3)
            intPart.insert(static_cast<std::size_t>(pos), 1, thousandSeparator);
    }
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string out = negative && !zero ? "-" : "";
    out += intPart;
    if (decimals > 0) {
        out += decimalSeparator;
        out += frac;
    }
    return out;
}

} // namespace velmarsund
