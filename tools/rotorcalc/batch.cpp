#include "batch.h"

#include "file_access.h"
#include "modes.h"
#include "request_stream.h"
#include "result_text.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include <unistd.h>

namespace velmarsund::rotorcalc {

Json RunRequest(const Json& request)
{
    try {
        if (!request.is_object()) throw RequestError("a request must be a JSON object");
        const RequestReader reader(request);
        const std::string modeName = reader.OptString("mode").value_or("rotor");
        const Mode* mode = FindMode(modeName);
        if (!mode) throw RequestError("field 'mode': unknown mode " + QuotedForMessage(modeName));
        return mode->run(reader);
    } catch (const RequestError& e) {
        return Json{{"error", e.what()}};
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        // Whatever else a request provokes is still an answer for that request alone.
        return Json{{"error", std::string("the request could not be computed: ") + e.what()}};
    }
}

Json RunInput(const Json& input)
{
    if (!input.is_array()) return RunRequest(input);
    Json results = Json::array();
    for (const Json& request : input) results.push_back(RunRequest(request));
    return results;
}

int RunStream(std::istream& in, std::ostream& out, std::string& message)
{
    // The answers go out in blocks, and whatever is written goes out before the reader waits for
    // more input: a caller that sends one request at a time gets each answer, a batch already there
    // costs no system call per result.
    constexpr std::size_t kBlock = 1 << 16;
    std::string pending;
    pending.reserve(kBlock + 4096);
    const auto send = [&] {
        out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
        pending.clear();
        out.flush();
    };
    try {
        RequestStream requests(in, send);
        if (!requests.Begin()) {
            const auto request = requests.Next();
            AppendResultText(pending, RunRequest(*request));
            pending += '\n';
            send();
            return 0;
        }
        pending += '[';
        bool first = true;
        while (const auto request = requests.Next()) {
            if (!first) pending += ',';
            first = false;
            AppendResultText(pending, RunRequest(*request));
            if (pending.size() >= kBlock) send();
        }
        pending += "]\n";
        send();
        return 0;
    } catch (const InputError& e) {
        send();
        message = e.what();
        return 2;
    } catch (...) {
        // Out of memory: the answers so far still go out.
        send();
        throw;
    }
}

std::optional<std::string> ReadInputText(const std::string& path, std::string& reason) {
    const FileRead read = path.empty() || path == "-" ? ReadDescriptor(STDIN_FILENO, kMaxInputBytes)
                                                      : ReadRegularFile(path, kMaxInputBytes);
    if (!read.Ok()) {
        reason = read.reason;
        return std::nullopt;
    }
    return read.bytes;
}

std::optional<Json> ParseInput(std::string_view text, std::string& message)
{
    std::istringstream in{std::string(text)};
    try {
        RequestStream values(in);
        if (!values.Begin()) return values.Next();
        Json all = Json::array();
        while (auto value = values.Next()) all.push_back(std::move(*value));
        return all;
    } catch (const InputError& e) {
        message = e.what();
        return std::nullopt;
    }
}

std::string WriteResult(const Json& result)
{
    // Invalid UTF-8 in an echoed text is replaced rather than aborting the output.
    std::string text;
    text.reserve(2048);
    AppendResultText(text, result);
    return text;
}

} // namespace velmarsund::rotorcalc
