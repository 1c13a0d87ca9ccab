#pragma once
// Reading the texts of GRS-1 definitions and of the values put into GRS-1 elements.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The pieces of the text between the separators (one piece more than there are separators).
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

// The number a text of decimal digits only writes; nothing for an empty text, any other character, or a
// number above 2^32 - 1.
std::optional<std::uint32_t> ParseDecimal(std::string_view text);

// True for a dotted object identifier of at least two decimal arcs.
bool IsDottedOid(std::string_view text);
