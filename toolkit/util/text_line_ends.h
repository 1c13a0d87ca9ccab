#pragma once
// Line ends of texts (conventions in str_text.h).

#include <cstdint>
#include <string>

// Every carriage return and line feed becomes a blank, then one blank at the end is dropped; gives the
// length before that drop.
int32_t StrLinesToBlanks(std::string& text);
// Each backslash, n becomes a line feed, then each backslash, r a carriage return.
void StrUnescapeLineEnds(std::string& text);
// Each carriage return becomes a line feed; with the carriage returns, white space and one line feed that
// directly follow it, it forms one line end, unless an octet other than white space follows on the same
// line (then only the carriage return is replaced). Lines of white space only are emptied.
void StrNormaliseLineEnds(std::string& text);
// Removes the blanks (not tabs) at the end of every line and of the text.
void StrTrimLineEnds(std::string& text);
