#pragma once
// How often a text holds another, overlapping occurrences included.

#include <cstdint>
#include <string_view>

inline std::uint32_t CountOccurrences(std::string_view text, std::string_view what) {
    std::uint32_t count = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++count;
    return count;
}
