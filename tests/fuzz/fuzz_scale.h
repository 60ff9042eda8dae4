#pragma once
// How many inputs a fuzz test tries: a quick count for the suite, larger for a longer run by hand
// (VELMARSUND_FUZZ_SCALE=200 scripts/fuzz). The seeds are fixed: a run is repeatable.

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace velmarsund::testing {

inline int FuzzCount(int quick)
{
    const char* scale = std::getenv("VELMARSUND_FUZZ_SCALE");
    const long factor = scale ? std::strtol(scale, nullptr, 10) : 1;
    return quick * static_cast<int>(factor > 0 ? factor : 1);
}

// Byte-level mutations of a valid input: flips, insertions of characters that matter to a JSON or
// settings reader, deletions, duplicated and swapped ranges.
inline std::string Mutate(std::string text, std::mt19937_64& random, const std::vector<std::string>& tokens)
{
    std::uniform_int_distribution<int> steps(1, 4);
    const int n = steps(random);
    for (int s = 0; s < n; ++s) {
        const std::size_t size = text.size();
        const std::size_t at = size ? random() % (size + 1) : 0;
        switch (random() % 6) {
        case 0:
            if (at < size) text[at] = static_cast<char>(random() & 0xFF);
            break;
        case 1:
            text.insert(at, tokens[random() % tokens.size()]);
            break;
        case 2:
            if (size) text.erase(at, 1 + random() % 8);
            break;
        case 3:
            if (at < size) text.insert(at, text.substr(at, 1 + random() % 64));
            break;
        case 4: {
            // A number replaced by a token: where a value was, another value or garbage.
            const std::size_t digit = text.find_first_of("0123456789", at);
            if (digit != std::string::npos) {
                std::size_t end = digit;
                while (end < size && std::string("0123456789.eE+-").find(text[end]) != std::string::npos) ++end;
                text.replace(digit, end - digit, tokens[random() % tokens.size()]);
            }
            break;
        }
        default:
            if (at < size) text.resize(at);
            break;
        }
    }
    return text;
}

} // namespace velmarsund::testing
