#include "size_tables.h"

#include "embedded_resources.h"
#include "housing_series.h"

#include <charconv>

namespace velmarsund {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::vector<std::string> LoadSizeTable(int seriesIndex) {
    return LoadSizeTable(seriesIndex, &EmbeddedResource);
}

std::vector<std::string> LoadSizeTable(int seriesIndex, ResourceLookup lookup) {
    std::vector<std::string> rows;
    const HousingSeries* series = HousingSeriesByIndex(seriesIndex);
    if (!series || !lookup) return rows;
    std::string_view text = lookup("sizes/" + std::to_string(series->SizeTable) + ".csv");
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        if (!line.empty()) rows.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return rows;
}

std::optional<SizeRow> ParseSizeRow(std::string_view row) {
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = row.find(',');
        if ((i < 3) == (comma == std::string_view::npos)) return std::nullopt;
        const std::string_view field = Trim(row.substr(0, comma));
        const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), values[i]);
        if (ec != std::errc() || end != field.data() + field.size() || field.empty()) return std::nullopt;
        if (comma != std::string_view::npos) row.remove_prefix(comma + 1);
    }
    return SizeRow{values[0], values[1], values[2], values[3]};
}

std::string SizeListEntry(const SizeRow& row) {
    return std::to_string(row.Height) + "/" + std::to_string(row.Width) + "-" + std::to_string(row.Diameter);
}

} // namespace velmarsund
