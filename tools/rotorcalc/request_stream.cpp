#include "request_stream.h"

namespace velmarsund::rotorcalc {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool IsWhitespace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

} // namespace

RequestStream::RequestStream(std::istream& in, std::function<void()> beforeWaiting)
    : in_(in.rdbuf()), beforeWaiting_(std::move(beforeWaiting))
{
}

int RequestStream::Peek()
{
    if (!in_) return kEnd;
    // in_avail() asks the source only once the buffered bytes are used up.
    if (beforeWaiting_ && in_->in_avail() <= 0) beforeWaiting_();
    return in_->sgetc();
}

int RequestStream::Take()
{
    const int c = Peek();
    if (c != kEnd) {
        ++offset_;
        in_->sbumpc();
    }
    return c;
}

void RequestStream::SkipWhitespace()
{
    while (IsWhitespace(Peek())) Take();
}

// The text of the next value, found by its brackets and quotes; the JSON reader checks the rest.
std::string RequestStream::ScanValue()
{
    std::string text;
    text.reserve(512);
    long depth = 0;
    for (;;) {
        const int c = Peek();
        if (c == kEnd) {
            if (depth > 0 || text.empty()) throw InputError("unexpected end of input at byte " + std::to_string(offset_));
            return text;
        }
        // A value without brackets or quotes (a number, true, false, null) ends at a delimiter.
        if (depth == 0 && !text.empty() && (IsWhitespace(c) || c == ',' || c == ']' || c == '}')) return text;
        Take();
        if (c == '\0') throw InputError("a NUL byte at byte " + std::to_string(offset_ - 1));
        text += static_cast<char>(c);
        if (c == '"') {
            for (;;) {
                const int s = Take();
                if (s == kEnd) throw InputError("unexpected end of input inside a string");
                text += static_cast<char>(s);
                if (s == '\\') {
                    const int e = Take();
                    if (e == kEnd) throw InputError("unexpected end of input inside a string");
                    text += static_cast<char>(e);
                } else if (s == '"') {
                    break;
                }
            }
            if (depth == 0) return text;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth == 0) throw InputError("unexpected '" + std::string(1, static_cast<char>(c)) + "' at byte " +
                                             std::to_string(offset_ - 1));
            if (--depth == 0) return text;
        }
    }
}

Json RequestStream::ParseValue()
{
    const std::size_t start = offset_;
    const std::string text = ScanValue();
    try {
        return MayHoldNonFiniteLiterals(text) ? Json::parse(MarkNonFiniteLiterals(text)) : Json::parse(text);
    } catch (const Json::exception& e) {
        // After the marking, a number too large for a double can only remain in text that is
        // not JSON, so every exception of the reader here means the input is not JSON.
        throw InputError("in the value at byte " + std::to_string(start) + ": " + e.what());
    }
}

void RequestStream::ExpectEnd()
{
    SkipWhitespace();
    if (Peek() != kEnd) throw InputError("unexpected bytes after the document at byte " + std::to_string(offset_));
    done_ = true;
}

bool RequestStream::Begin()
{
    // A UTF-8 byte-order mark, as some editors write it, is no part of the document.
    if (Peek() == 0xEF) {
        Take();
        if (Take() != 0xBB || Take() != 0xBF) throw InputError("unexpected bytes at the start of the input");
    }
    SkipWhitespace();
    if (Peek() == kEnd) throw InputError("the input is empty");
    array_ = Peek() == '[';
    if (array_) Take();
    return array_;
}

std::optional<Json> RequestStream::Next()
{
    if (done_) return std::nullopt;
    if (!array_) {
        Json value = ParseValue();
        ExpectEnd();
        first_ = false;
        return value;
    }
    SkipWhitespace();
    if (Peek() == ']') {
        Take();
        ExpectEnd();
        return std::nullopt;
    }
    if (!first_) {
        if (Peek() != ',') throw InputError("expected ',' or ']' at byte " + std::to_string(offset_));
        Take();
        SkipWhitespace();
    }
    first_ = false;
    return ParseValue();
}

} // namespace velmarsund::rotorcalc
