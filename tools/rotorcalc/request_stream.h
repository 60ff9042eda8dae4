#pragma once
// Reads rotorcalc's input — one request, or an array of requests — one request at a time, so that
// a batch of any size needs the memory of one request.

#include "request_reader.h"

#include <functional>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>

namespace velmarsund::rotorcalc {

// The request format is the core's; the tool reads and answers it.
using namespace velmarsund::request;

// The input is not one valid JSON document.
class InputError : public std::runtime_error {
public:
    explicit InputError(const std::string& what) : std::runtime_error(what) {}
};

class RequestStream {
public:
    // `beforeWaiting` runs whenever the next byte is not yet there to read, before the reader
    // waits for it: the place to send the answers written so far.
    explicit RequestStream(std::istream& in, std::function<void()> beforeWaiting = {});

    // Reads up to the first request: true when the document is an array of requests.
    bool Begin();

    // The next request, or no value after the last one, once the rest of the input has been found
    // to be whitespace only. Throws InputError where the input stops being JSON.
    std::optional<Json> Next();

private:
    int Peek();
    int Take();
    void SkipWhitespace();
    std::string ScanValue();
    Json ParseValue();
    void ExpectEnd();

    std::streambuf* in_;
    std::function<void()> beforeWaiting_;
    std::size_t offset_ = 0;
    bool array_ = false;
    bool first_ = true;
    bool done_ = false;
};

} // namespace velmarsund::rotorcalc
