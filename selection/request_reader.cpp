#include "request_reader.h"

#include <cmath>

namespace velmarsund::request {


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

std::string CutForMessage(std::string_view text)
{
    // A message names the field; it need not repeat a long value whole. The cut falls on a
    // character boundary so that the message stays valid UTF-8.
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown) return std::string(text);
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "... (" + std::to_string(text.size()) + " bytes)";
}

std::string QuotedForMessage(std::string_view text) { return "'" + CutForMessage(text) + "'"; }

} // namespace velmarsund::request
