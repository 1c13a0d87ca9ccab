#include "Quorvane/protocol/marc_syntax.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace {

constexpr std::array<std::string_view, 2> kArcs = {"1.2.840.10003.5.", "1.0.10163.5."};
constexpr std::array<std::uint32_t, 13> kMarcNumbers = {1, 2, 3, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20};

bool isMarcNumber(std::string_view text) {
    // Exact text: no sign, no leading zero, nothing after the digits.
    if (text.empty() || text.front() == '0') return false;
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    for (std::uint32_t marc : kMarcNumbers) {
        if (marc == number) return true;
    }
    return false;
}

}  // namespace

int IsMarcSyntax(std::string_view oid) {
    for (std::string_view arc : kArcs) {
        if (oid.starts_with(arc)) return isMarcNumber(oid.substr(arc.size())) ? 1 : 0;
    }
    return 0;
}
