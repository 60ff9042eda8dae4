#include "batch.h"

#include "modes.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace velmarsund::rotorcalc {

Json RunRequest(const Json& request)
{
    try {
        if (!request.is_object()) throw RequestError("a request must be a JSON object");
        const RequestReader reader(request);
        const std::string modeName = reader.OptString("mode").value_or("rotor");
        const Mode* mode = FindMode(modeName);
        if (!mode) throw RequestError("field 'mode': unknown mode '" + modeName + "'");
        return mode->run(reader);
    } catch (const RequestError& e) {
        return Json{{"error", e.what()}};
    }
}

Json RunInput(const Json& input)
{
    if (!input.is_array()) return RunRequest(input);
    Json results = Json::array();
    for (const Json& request : input) results.push_back(RunRequest(request));
    return results;
}

std::optional<std::string> ReadInputText(const std::string& path)
{
    if (path.empty() || path == "-") {
        std::ostringstream text;
        text << std::cin.rdbuf();
        return text.str();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::optional<Json> ParseInput(std::string_view text, std::string& message)
{
    try {
        return Json::parse(MarkNonFiniteLiterals(text));
    } catch (const Json::parse_error& e) {
        message = e.what();
        return std::nullopt;
    }
}

std::string WriteResult(const Json& result)
{
    // Invalid UTF-8 in an echoed text is replaced rather than aborting the output.
    return result.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace velmarsund::rotorcalc
