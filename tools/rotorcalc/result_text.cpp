#include "result_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmarsund::rotorcalc {
namespace {

// The longest field name put together with its number in one piece; longer ones take the general way.
constexpr std::size_t kMaxPlainKey = 48;

// True for text the library writes unchanged: printable ASCII without quote or backslash.
bool IsPlain(const std::string& text)
{
    for (const char c : text)
        if (c < 0x20 || c > 0x7E || c == '"' || c == '\\') return false;
    return true;
}

void AppendString(std::string& out, const std::string& text)
{
    if (IsPlain(text)) {
        out += '"';
        out += text;
        out += '"';
        return;
    }
    // Escapes and UTF-8 checks as the library does them.
    out += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

void AppendDouble(std::string& out, double x)
{
    if (!std::isfinite(x)) {
        out += "null";
        return;
    }
    char buffer[64];
    const char* end = nlohmann::detail::to_chars(buffer, buffer + sizeof buffer, x);
    out.append(buffer, static_cast<std::size_t>(end - buffer));
}

template <typename Integer>
void AppendInteger(std::string& out, Integer i)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, i);
    out.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

} // namespace

void AppendResultText(std::string& out, const Json& value)
{
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : value.get_ref<const Json::object_t&>()) {
            // A field is mostly a short plain name and a number: put together here and appended at
            // once, which spares the result a dozen small appends per field.
            char field[kMaxPlainKey + 80];
            char* p = field;
            if (!first) *p++ = ',';
            first = false;
            if (key.size() > kMaxPlainKey || !IsPlain(key)) {
                out.append(field, static_cast<std::size_t>(p - field));
                AppendString(out, key);
                out += ':';
                AppendResultText(out, item);
                continue;
            }
            *p++ = '"';
            p = std::copy(key.begin(), key.end(), p);
            *p++ = '"';
            *p++ = ':';
            if (item.is_number_float() && std::isfinite(item.get<double>())) {
                p = nlohmann::detail::to_chars(p, field + sizeof field, item.get<double>());
                out.append(field, static_cast<std::size_t>(p - field));
                continue;
            }
            out.append(field, static_cast<std::size_t>(p - field));
            AppendResultText(out, item);
        }
        out += '}';
        return;
    }
    case Json::value_t::array: {
        out += '[';
        bool first = true;
        for (const Json& item : value) {
            if (!first) out += ',';
            first = false;
            AppendResultText(out, item);
        }
        out += ']';
        return;
    }
    case Json::value_t::string: AppendString(out, value.get_ref<const std::string&>()); return;
    case Json::value_t::boolean: out += value.get<bool>() ? "true" : "false"; return;
    case Json::value_t::number_integer: AppendInteger(out, value.get<Json::number_integer_t>()); return;
    case Json::value_t::number_unsigned: AppendInteger(out, value.get<Json::number_unsigned_t>()); return;
    case Json::value_t::number_float: AppendDouble(out, value.get<double>()); return;
    default:
        // null, and what a result never holds: as the library writes it.
        out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
        return;
    }
}

} // namespace velmarsund::rotorcalc
