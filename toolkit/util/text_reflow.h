#pragma once
// Breaking and re-flowing lines to a width (conventions in str_text.h).

#include <cstdint>
#include <string>
#include <string_view>

// Inside runs of octets other than blank and tab, inserts a blank after the first count octets and then
// after every count + 1 further octets. Nothing when count is below 1.
void StrBreakLongWords(std::string& text, int32_t count);
// Walks from start, toggling an inside-quotes state at each quote octet; at each blank outside quotes whose
// distance from start exceeds width, gives the previous such blank's index (start + width - 3 when there
// was none), else remembers it. -1 when the text ends first or start lies outside the text.
int32_t StrFindBreak(std::string_view text, int32_t start, char quote, int32_t width);
// Re-flows the text into lines of width columns: trims the blanks at line ends, breaks words longer than
// width - margin - 2, cuts each line that reaches width at its last blank and widens it to width columns by
// spreading blanks between its words. Nothing when width is below 1.
void StrJustify(std::string& text, int32_t width, int32_t margin);
