#pragma once
// A result's JSON text, byte for byte what the JSON library's dump writes (compact, UTF-8 kept,
// invalid UTF-8 replaced), written straight into a string: numbers with the library's own
// shortest round-trip digits, names and plain texts copied as they are.

#include "request_reader.h"

#include <string>

namespace velmarsund::rotorcalc {

// The request format is the core's; the tool reads and answers it.
using namespace velmarsund::request;

void AppendResultText(std::string& out, const Json& value);

} // namespace velmarsund::rotorcalc
