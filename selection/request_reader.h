#pragma once
// Typed access to the fields of one rotorcalc request, with a clear message for a wrong field.

#include "non_finite_literals.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmarsund::request {

using Json = nlohmann::ordered_json;

// The range of the records' 32-bit integer fields, for the integer readers below.
inline constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// What is wrong with a request field, for a program that words the message in its own language.
enum class RequestProblem {
    Other,          // no field of its own: the text says it all
    UnknownField,   // a field no request has
    Required,       // missing
    NotNumber,      // not a finite number
    NotWholeNumber,
    NotBoolean,
    NotString,
    NotObject,
    NotArray,
    OutOfRange,     // values: the lowest and the highest allowed
    NotOffered,     // values: the allowed ones
    Invalid,        // any other fault of the value
    NewerFormat,    // values: the format found and the newest one known
    TooLong,        // a text; values: the most characters it may have
};

// A request that cannot be computed; its text names the field. Readers that know the field also
// give it, with the kind of problem and its values, apart from the text.
class RequestError : public std::runtime_error {
public:
    explicit RequestError(const std::string& what) : std::runtime_error(what) {}
    RequestError(RequestProblem problem, std::string field, const std::string& what,
                 std::vector<std::string> values = {})
        : std::runtime_error(what), problem_(problem), field_(std::move(field)), values_(std::move(values))
    {
    }
    RequestProblem Problem() const { return problem_; }
    const std::string& Field() const { return field_; }
    const std::vector<std::string>& Values() const { return values_; }

private:
    RequestProblem problem_ = RequestProblem::Other;
    std::string field_;
    std::vector<std::string> values_;
};

// Adds a field to a result object that does not hold it yet, without looking the name up: results
// are written field by field in their order, every name once.
inline void AppendField(Json& object, std::string_view name, Json value)
{
    auto& fields = static_cast<Json::object_t::Container&>(object.get_ref<Json::object_t&>());
    fields.emplace_back(std::string(name), std::move(value));
}

// A value repeated in a message: cut after 40 bytes, with its length, when longer.
std::string CutForMessage(std::string_view text);
// The same in single quotes.
std::string QuotedForMessage(std::string_view text);

// "field 'NAME' " + `tail`, with the problem and values apart.
RequestError FieldError(RequestProblem problem, const std::string& field, const std::string& tail,
                        std::vector<std::string> values = {});

class RequestReader {
public:
    // `where` prefixes field names in messages (for example "State11.").
    explicit RequestReader(const Json& object, std::string where = {});

    bool Has(std::string_view name) const;
    std::optional<double> OptNumber(std::string_view name) const;
    double Number(std::string_view name, double fallback) const;
    double RequiredNumber(std::string_view name) const;
    // Whole numbers in [min, max]; 1880.0 counts as whole, 1880.5 does not.
    std::optional<std::int64_t> OptInteger(std::string_view name, std::int64_t min, std::int64_t max) const;
    std::int64_t Integer(std::string_view name, std::int64_t fallback, std::int64_t min, std::int64_t max) const;
    std::int64_t RequiredInteger(std::string_view name, std::int64_t min, std::int64_t max) const;
    bool Boolean(std::string_view name, bool fallback) const;
    std::optional<std::string> OptString(std::string_view name) const;
    std::optional<RequestReader> OptObject(std::string_view name) const;
    const Json* OptArray(std::string_view name) const;

    // Raises for any field of the request that is not among the known ones.
    void RejectUnknown(std::initializer_list<std::string_view> known) const;
    template <typename Range> void RejectUnknownOf(const Range& known) const
    {
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            bool found = false;
            for (const auto& k : known) found = found || std::string_view(k) == it.key();
            if (!found)
                throw RequestError(RequestProblem::UnknownField, where_ + it.key(),
                                   "unknown field " + QuotedForMessage(where_ + it.key()));
        }
    }

    std::string FieldName(std::string_view name) const { return where_ + std::string(name); }

    // A finite number from a JSON value (non-finite numbers arrive as marked strings).
    static std::optional<double> AsFiniteNumber(const Json& v);

private:
    const Json* Find(std::string_view name) const;

    const Json& object_;
    std::string where_;
};

} // namespace velmarsund::request
