#pragma once
// The parts of a relevance-ranked statement that come from the search term.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The term cut at every white-space character (so consecutive white space gives empty pieces), each piece
// stemmed.
std::vector<std::string> RelevanceKeywords(std::string_view term);
// The keywords as SQL literals: each quoted (quotes inside doubled), joined by ",".
std::string RelevanceKeywordList(const std::vector<std::string>& keywords);
// 100 / S written "%.2f", S being the sum of 1 / ln(1 + f) over the frequencies f that are not 0; "0.00"
// when S is 0.
std::string RelevanceFactor(const std::vector<std::uint64_t>& frequencies);
