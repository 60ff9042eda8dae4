#pragma once
// Number literals a double cannot hold, and the non-standard literals NaN and ±Infinity, travel
// through the JSON reader as marked strings, so that the request holding one is answered with an
// error for its field instead of failing the whole input.

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace velmarsund::request {

// Length of the JSON number literal (RFC 8259 grammar) at the start of `text`; 0 when none.
std::size_t JsonNumberLength(std::string_view text);

// True for a literal of the JSON number grammar whose value lies beyond the largest double.
bool OverflowsDouble(std::string_view literal);

// False when `text` certainly holds no literal MarkNonFiniteLiterals would mark, so that the
// reader can skip the copy.
bool MayHoldNonFiniteLiterals(std::string_view text);

// Replaces, outside strings, the literals NaN, Infinity, -Infinity and every number literal that
// overflows a double by a marked string. Everything else is copied unchanged, so text that is not
// JSON stays text that is not JSON.
std::string MarkNonFiniteLiterals(std::string_view text);

bool IsMarkedNonFinite(const nlohmann::ordered_json& v);

} // namespace velmarsund::request
