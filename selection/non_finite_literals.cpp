#include "non_finite_literals.h"

#include <charconv>
#include <cstdint>

namespace velmarsund::request {

namespace {

constexpr std::string_view kNonFiniteMark = "\x01non-finite:";
constexpr std::string_view kMarkInJson = "\"\\u0001non-finite:";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t DigitsAt(std::string_view text, std::size_t i)
{
    std::size_t n = 0;
    while (i + n < text.size() && IsDigit(text[i + n])) ++n;
    return n;
}

// Decimal exponent of the literal's leading significant digit, saturated far beyond the range of
// a double so that no exponent of any length can overflow the sum.
std::int64_t DecimalMagnitude(std::string_view literal)
{
    constexpr std::int64_t kSaturated = 1'000'000'000'000;
    std::size_t i = literal.starts_with('-') ? 1 : 0;
    const std::size_t intDigits = DigitsAt(literal, i);
    std::int64_t magnitude = 0;
    bool found = false;
    for (std::size_t k = 0; k < intDigits; ++k) {
        if (!found && literal[i + k] != '0') {
            found = true;
            magnitude = static_cast<std::int64_t>(intDigits - k);
        }
    }
    i += intDigits;
    if (i < literal.size() && literal[i] == '.') {
        const std::size_t fracDigits = DigitsAt(literal, i + 1);
        for (std::size_t k = 0; k < fracDigits && !found; ++k) {
            if (literal[i + 1 + k] != '0') {
                found = true;
                magnitude = -static_cast<std::int64_t>(k);
            }
        }
        i += 1 + fracDigits;
    }
    if (!found) return -kSaturated; // zero
    if (i < literal.size() && (literal[i] == 'e' || literal[i] == 'E')) {
        ++i;
        const bool negative = i < literal.size() && literal[i] == '-';
        if (i < literal.size() && (literal[i] == '-' || literal[i] == '+')) ++i;
        std::int64_t exponent = 0;
        for (; i < literal.size() && IsDigit(literal[i]); ++i)
            exponent = std::min(kSaturated, exponent * 10 + (literal[i] - '0'));
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

} // namespace

std::size_t JsonNumberLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    if (i >= text.size() || !IsDigit(text[i])) return 0;
    if (text[i] == '0')
        ++i;
    else
        i += DigitsAt(text, i);
    if (i < text.size() && text[i] == '.') {
        const std::size_t frac = DigitsAt(text, i + 1);
        if (frac == 0) return 0;
        i += 1 + frac;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exp = DigitsAt(text, j);
        if (exp == 0) return 0;
        i = j + exp;
    }
    return i;
}

bool OverflowsDouble(std::string_view literal)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(literal.data(), literal.data() + literal.size(), value);
    // Out of range is either too large or too small for a double; only the first is an error, an
    // underflow reads as zero or a subnormal like any JSON reader does.
    return ec == std::errc::result_out_of_range && DecimalMagnitude(literal) > 0;
}

bool MayHoldNonFiniteLiterals(std::string_view text)
{
    // Outside strings: a letter N or I, an exponent, or a run of digits long enough to pass the
    // largest double. Anything else cannot hold a literal to mark.
    bool inString = false;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == 'N' || c == 'I') {
            return true;
        } else if ((c == 'e' || c == 'E') && i > 0 && (IsDigit(text[i - 1]) || text[i - 1] == '.')) {
            return true;
        }
        digits = IsDigit(c) ? digits + 1 : 0;
        if (digits > 300) return true;
    }
    return false;
}

std::string MarkNonFiniteLiterals(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < text.size())
                out += text[++i];
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
            out += c;
            continue;
        }
        if (c == '-' || IsDigit(c)) {
            // Only a whole literal of the JSON grammar, ended by a delimiter, is looked at: "1e400-5"
            // is no number and stays as it is, for the reader to refuse.
            const std::size_t n = JsonNumberLength(text.substr(i));
            const bool ended = i + n >= text.size() ||
                               std::string_view(" \t\r\n,]}").find(text[i + n]) != std::string_view::npos;
            if (n > 0 && ended) {
                const std::string_view literal = text.substr(i, n);
                if (OverflowsDouble(literal)) {
                    out += kMarkInJson;
                    out += literal;
                    out += '"';
                } else {
                    out += literal;
                }
                i += n - 1;
                continue;
            }
        }
        bool replaced = false;
        for (std::string_view token : {"-Infinity", "Infinity", "NaN"}) {
            if (text.substr(i, token.size()) == token) {
                out += kMarkInJson;
                out += token;
                out += '"';
                i += token.size() - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced) out += c;
    }
    return out;
}

bool IsMarkedNonFinite(const nlohmann::ordered_json& v)
{
    return v.is_string() && v.get_ref<const std::string&>().starts_with(kNonFiniteMark);
}

} // namespace velmarsund::request
