#pragma once
// The columns a MARC holdings block (marcdef2.tblx) names for OPAC holdings: the record's own row columns
// and one column per holdings keyword, each mapped to a subfield letter.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kHoldingsKeywordCount = 10;
// The keywords in subfield order: BARCODE is subfield a, CALLNUMBER b, ... ONORDER j.
inline constexpr std::array<std::string_view, kHoldingsKeywordCount> kHoldingsKeywords = {
    "BARCODE",  "CALLNUMBER", "LOCALLOCATION", "TEMPLOCATION", "FORMAT",
    "RESERVES", "ONLOAN",     "AVAILABLEDATE", "FORLOAN",      "ONORDER"};
inline constexpr std::string_view kHoldingsLetters = "abcdefghij";

struct HoldingsColumns {
    // The block's TAGNO, SUBFIELD, DATA and SAMEFIELD column names.
    std::string tagNo;
    std::string subfield;
    std::string data;
    std::string sameField;
    // The column the block names for each keyword of kHoldingsKeywords; empty when it names none.
    std::array<std::string, kHoldingsKeywordCount> holdings;
};
