#pragma once
// Wildcard comparison and '*' patterns (conventions in str_text.h).

#include <optional>
#include <string_view>

// 1 when the lengths differ; otherwise the pattern, with each wild octet taken as the text's octet at the
// same place, compared with the text octet by octet as unsigned values: -1, 0 or 1.
int StrCompareWild(std::string_view text, std::string_view pattern, char wild);
// 1 when the data begins with the pattern's octets up to its first '*' (or its end), else 0.
int StrMatchUpToStar(std::string_view data, std::string_view pattern);
// The first stretch of the data that matches pattern, no value when none. Pattern octets match themselves;
// a '*' matches a run of printable octets (0x20-0x7E) that ends where the data first matches the part
// after the '*' (StrMatchUpToStar); a '*' at the end matches up to the first octet that is not printable.
std::optional<std::string_view> findStarMatch(std::string_view data, std::string_view pattern);
