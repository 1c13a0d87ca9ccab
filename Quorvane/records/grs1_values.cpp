#include "Quorvane/records/grs1_values.h"

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const std::size_t at = text.find(separator);
        pieces.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return pieces;
        text.remove_prefix(at + 1);
    }
}

std::optional<std::uint32_t> ParseDecimal(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::uint64_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
        if (number > UINT32_MAX) return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

bool IsDottedOid(std::string_view text) {
    const std::vector<std::string_view> arcs = SplitAt(text, '.');
    if (arcs.size() < 2) return false;
    for (std::string_view arc : arcs) {
        if (!ParseDecimal(arc)) return false;
    }
    return true;
}
