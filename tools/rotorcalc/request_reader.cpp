#include "request_reader.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace velmarsund::rotorcalc {

namespace {

constexpr std::string_view kNonFiniteMark = "\x01non-finite:";

// True for a JSON number literal too large for a double (it would parse as infinity).
bool OverflowsDouble(std::string_view token)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc::result_out_of_range) return false;
    // Out of range: too large or too small. Decimal magnitude = integer digits + exponent.
    std::size_t i = token.starts_with('-') ? 1 : 0;
    long magnitude = 0;
    bool significant = false;
    for (; i < token.size() && token[i] != 'e' && token[i] != 'E'; ++i) {
        if (token[i] == '.') break;
        significant = significant || token[i] != '0';
        if (significant) ++magnitude;
    }
    const std::size_t e = token.find_first_of("eE");
    if (e != std::string_view::npos) magnitude += std::strtol(std::string(token.substr(e + 1)).c_str(), nullptr, 10);
    return magnitude > 0;
}

} // namespace

RequestError FieldError(RequestProblem problem, const std::string& field, const std::string& tail,
                        std::vector<std::string> values)
{
    return RequestError(problem, field, "field '" + field + "' " + tail, std::move(values));
}

RequestReader::RequestReader(const Json& object, std::string where) : object_(object), where_(std::move(where)) {}

const Json* RequestReader::Find(std::string_view name) const
{
    const auto it = object_.find(std::string(name));
    return it == object_.end() ? nullptr : &*it;
}

bool RequestReader::Has(std::string_view name) const { return Find(name) != nullptr; }

std::optional<double> RequestReader::AsFiniteNumber(const Json& v)
{
    if (!v.is_number()) return std::nullopt;
    const double d = v.get<double>();
    if (!std::isfinite(d)) return std::nullopt;
    return d;
}

std::optional<double> RequestReader::OptNumber(std::string_view name) const
{
    const Json* v = Find(name);
    if (!v) return std::nullopt;
    const auto d = AsFiniteNumber(*v);
    if (!d) throw FieldError(RequestProblem::NotNumber, FieldName(name), "must be a finite number");
    return d;
}

double RequestReader::Number(std::string_view name, double fallback) const
{
    return OptNumber(name).value_or(fallback);
}

double RequestReader::RequiredNumber(std::string_view name) const
{
    const auto d = OptNumber(name);
    if (!d) throw FieldError(RequestProblem::Required, FieldName(name), "is required");
    return *d;
}

std::optional<std::int64_t> RequestReader::OptInteger(std::string_view name, std::int64_t min,
                                                      std::int64_t max) const
{
    const Json* v = Find(name);
    if (!v) return std::nullopt;
    const auto d = AsFiniteNumber(*v);
    if (!d || std::trunc(*d) != *d)
        throw FieldError(RequestProblem::NotWholeNumber, FieldName(name), "must be a whole number");
    if (*d < static_cast<double>(min) || *d > static_cast<double>(max))
        throw FieldError(RequestProblem::OutOfRange, FieldName(name),
                         "must lie between " + std::to_string(min) + " and " + std::to_string(max),
                         {std::to_string(min), std::to_string(max)});
    return static_cast<std::int64_t>(*d);
}

std::int64_t RequestReader::Integer(std::string_view name, std::int64_t fallback, std::int64_t min,
                                    std::int64_t max) const
{
    return OptInteger(name, min, max).value_or(fallback);
}

std::int64_t RequestReader::RequiredInteger(std::string_view name, std::int64_t min, std::int64_t max) const
{
    const auto i = OptInteger(name, min, max);
    if (!i) throw FieldError(RequestProblem::Required, FieldName(name), "is required");
    return *i;
}

bool RequestReader::Boolean(std::string_view name, bool fallback) const
{
    const Json* v = Find(name);
    if (!v) return fallback;
    if (!v->is_boolean()) throw FieldError(RequestProblem::NotBoolean, FieldName(name), "must be true or false");
    return v->get<bool>();
}

std::optional<std::string> RequestReader::OptString(std::string_view name) const
{
    const Json* v = Find(name);
    if (!v) return std::nullopt;
    if (!v->is_string() || IsMarkedNonFinite(*v))
        throw FieldError(RequestProblem::NotString, FieldName(name), "must be a string");
    return v->get<std::string>();
}

std::optional<RequestReader> RequestReader::OptObject(std::string_view name) const
{
    const Json* v = Find(name);
    if (!v) return std::nullopt;
    if (!v->is_object()) throw FieldError(RequestProblem::NotObject, FieldName(name), "must be an object");
    return RequestReader(*v, FieldName(name) + ".");
}

const Json* RequestReader::OptArray(std::string_view name) const
{
    const Json* v = Find(name);
    if (v && !v->is_array()) throw FieldError(RequestProblem::NotArray, FieldName(name), "must be an array");
    return v;
}

void RequestReader::RejectUnknown(std::initializer_list<std::string_view> known) const { RejectUnknownOf(known); }

bool IsMarkedNonFinite(const Json& v)
{
    return v.is_string() && v.get_ref<const std::string&>().starts_with(kNonFiniteMark);
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
            if (c == '\\' && i + 1 < text.size()) {
                out += text[++i];
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
            out += c;
            continue;
        }
        if (c == '-' || (c >= '0' && c <= '9')) {
            std::size_t end = i + 1;
            while (end < text.size() && std::string_view("0123456789.eE+-").find(text[end]) != std::string_view::npos)
                ++end;
            const std::string_view token = text.substr(i, end - i);
            if (token != "-" && OverflowsDouble(token)) {
                out += "\"\\u0001non-finite:";
                out += token;
                out += '"';
                i = end - 1;
                continue;
            }
            if (token != "-") {
                out += token;
                i = end - 1;
                continue;
            }
        }
        bool replaced = false;
        for (std::string_view token : {"-Infinity", "Infinity", "NaN"}) {
            if (text.substr(i, token.size()) == token) {
                out += "\"\\u0001non-finite:";
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

} // namespace velmarsund::rotorcalc
