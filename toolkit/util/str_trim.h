#pragma once
// Trimming and skipping blanks (conventions in str_text.h).

#include <cstdint>
#include <string>

// Remove the blanks and tabs at the start / at the end.
void StrTrimLeading(std::string& text);
void StrTrimTrailing(std::string& text);
// Removes the ch octets at the end.
void StrTrimTrailingChar(std::string& text, char ch);
// Removes tabs, line feeds, carriage returns and blanks at the end; gives the octet the trim stopped at
// (the new last octet), 0 when the text became empty.
char StrTrimTrailingWhite(std::string& text);
// Turns tabs into blanks and every run of blanks into one blank; gives the new length.
int32_t StrSquashBlanks(std::string& text);
// The first octet that is neither blank nor tab (the NUL when there is none).
const char* StrSkipBlanks(const char* text);
// The first octet that is not white space; the text itself when it holds only white space.
const char* StrSkipWhite(const char* text);
