#pragma once
// Searching texts (conventions in str_text.h). A pattern search finds the leftmost occurrence at or
// after its start.

#include <cstdint>
#include <string_view>

// Length of prefix when the text begins with it, else -1.
int32_t StrStartsWith(std::string_view text, std::string_view prefix);
// Walks the text, passing over its blanks, while its other octets equal the prefix's in turn; gives the
// number of text octets walked when the prefix is used up, -1 on a mismatch or when the text ends first.
int32_t StrMatchPrefixSkippingBlanks(std::string_view text, std::string_view prefix);
// Index of the first occurrence; -1 when none or when the text or the pattern is empty.
int32_t StrFindIndex(std::string_view text, std::string_view pattern);
// The first occurrence of pattern, both compared without regard to letter case; null when none.
const char* StrFindCaseless(const char* text, std::string_view pattern);
// The first octet equal to ch without regard to letter case; null when none.
const char* StrFindCharCaseless(const char* text, char ch);
// Index of the octet the pointer designates, -1 when it designates none before the NUL.
int32_t StrIndexOfPointer(const char* text, const char* pointer);
// Number of octets from start up to end, -1 when a NUL comes first.
int32_t StrSpanLength(const char* start, const char* end);
// Number of occurrences of ch.
int32_t StrCountChar(std::string_view text, char ch);
// Length of the first run of ch, 0 when ch does not occur.
int32_t StrRunLength(std::string_view text, char ch);
