#pragma once
// rotorcalc's request handling: one request object, or an array of them, to results.

#include "request_reader.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmarsund::rotorcalc {

// The result of one request; {"error": ...} when it cannot be computed.
Json RunRequest(const Json& request);

// One result per request: an array for an array, in order.
Json RunInput(const Json& input);

// The whole text of the file at `path`, or of standard input when `path` is empty or "-"; no value
// when the file cannot be read.
std::optional<std::string> ReadInputText(const std::string& path);

// Parses the whole input text; no value (and a message) when it is not JSON at all.
std::optional<Json> ParseInput(std::string_view text, std::string& message);

// Full round-trip text of a result.
std::string WriteResult(const Json& result);

} // namespace velmarsund::rotorcalc
