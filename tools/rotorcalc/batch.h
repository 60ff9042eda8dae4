#pragma once
// rotorcalc's request handling: one request object, or an array of them, to results.

#include "request_reader.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace velmarsund::rotorcalc {

// The request format is the core's; the tool reads and answers it.
using namespace velmarsund::request;

// The result of one request; {"error": ...} when it cannot be computed.
Json RunRequest(const Json& request);

// One result per request: an array for an array, in order.
Json RunInput(const Json& input);

// Reads the requests from `in` one at a time and writes the results to `out` in blocks, everything
// written so far flushed whenever the next input is not there yet, and at the end: an array for
// an array, in the same text as WriteResult(RunInput(...)) followed by a newline.
// Returns 0, or 2 with `message` set when the input is not one JSON document; the output then
// ends without its closing bracket.
int RunStream(std::istream& in, std::ostream& out, std::string& message);

// The most input that is read as a whole, bytes.
inline constexpr std::size_t kMaxInputBytes = std::size_t{1} << 30;

// The whole text of the file at `path`, or of standard input when `path` is empty or "-"; no value
// and the system's reason when it cannot be read (a folder, a pipe or a device named as the file,
// a read error, more than kMaxInputBytes).
std::optional<std::string> ReadInputText(const std::string& path, std::string& reason);

// Parses the whole input text, as strictly as RunStream reads it; no value (and a message) when it
// is not one JSON document.
std::optional<Json> ParseInput(std::string_view text, std::string& message);

// Full round-trip text of a result.
std::string WriteResult(const Json& result);

} // namespace velmarsund::rotorcalc
