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

namespace velmarsund::rotorcalc {

using Json = nlohmann::ordered_json;

// The range of the records' 32-bit integer fields, for the integer readers below.
inline constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// A request that cannot be computed; its text names the field.
class RequestError : public std::runtime_error {
public:
    explicit RequestError(const std::string& what) : std::runtime_error(what) {}
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
            if (!found) throw RequestError("unknown field " + QuotedForMessage(where_ + it.key()));
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

} // namespace velmarsund::rotorcalc
