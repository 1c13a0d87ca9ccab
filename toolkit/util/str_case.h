#pragma once
// Letter case of texts (conventions in str_text.h).

#include <string>
#include <string_view>

void StrLower(std::string& text);
void StrUpper(std::string& text);
// Upper-cases the first letter of each word and lower-cases the others; a word begins after any octet
// that is neither letter nor digit, so a digit continues a word. Gives 0.
int StrCapitalizeWords(std::string& text);
// Compares the lower-cased texts octet by octet as unsigned values: -1 when a sorts first, 0 when equal,
// else 1.
int StrCaseCompare(std::string_view a, std::string_view b);
