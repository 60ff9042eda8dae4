#include "profiles.h"

namespace velmarsund {

std::string_view ProfileList(int /*seriesIndex*/, int /*matrixTypeIndex*/) {
    // Every series and every matrix type is built with the same four profiles.
    return "E20,E18,E16,E14";
}

std::vector<std::string> SplitProfileList(std::string_view list) {
    std::vector<std::string> codes;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        codes.emplace_back(list.substr(0, comma));
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return codes;
}

} // namespace velmarsund
