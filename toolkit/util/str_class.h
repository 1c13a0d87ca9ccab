#pragma once
// Character-class tests of texts (conventions in str_text.h). Each gives 1 or 0.

#include <cstdint>
#include <string_view>

// At least one letter or digit (0 for an empty text).
int StrHasAlnum(std::string_view text);
// Not empty, and every octet a digit or white space.
int StrIsDigitsOrSpaces(std::string_view text);
// Only blanks and tabs (also when empty); the two are the same test.
int StrIsBlank(std::string_view text);
int StrIsAllBlank(std::string_view text);
// Only white space (also when empty).
int StrIsWhite(std::string_view text);
// The position is at or past the end, or only white space follows from it.
int StrIsWhiteFrom(std::string_view text, int32_t position);
// Every octet is a letter or digit (also when empty).
int StrIsAlnumOnly(std::string_view text);
// Every octet is a letter or white space / a letter, digit or white space / a digit or white space
// (each also when empty).
int StrIsAlphaOrWhiteOnly(std::string_view text);
int StrIsAlnumOrWhiteOnly(std::string_view text);
int StrIsDigitOrWhiteOnly(std::string_view text);
// At least one letter / digit.
int StrHasAlpha(std::string_view text);
int StrHasDigit(std::string_view text);
// Only digits remain once blanks and tabs are trimmed from both ends (an empty or blank text gives 1).
int StrIsNumber(std::string_view text);
// No octet of the text is in set.
int StrHasNoneOf(std::string_view text, std::string_view set);
// Some octet of the text is not in set (0 for an empty text).
int StrHasCharOutside(std::string_view text, std::string_view set);
// ch is a blank, a '-' or the NUL octet.
int StrIsBlankOrDash(char ch);
// White space stands between two other octets (two words or more).
int StrHasInnerWhite(std::string_view text);
// Some octet is neither '%' nor white space.
int StrHasNonPercent(std::string_view text);
// No octet is graphic (0x21-0x7E), also when empty.
int StrHasNoGraphic(std::string_view text);
// word stands in the text in one piece and the text holds no other letter.
int StrIsSoleWord(std::string_view text, std::string_view word);
