#pragma once
// Line layout of SUTRS records.

#include <cstddef>
#include <string>

inline constexpr std::size_t kSutrsLineWidth = 80;

// Tidies and wraps the current line, the text from lineStart to its end, in place:
// 1. white space at its start is dropped, every run of white space (line ends included) becomes one
//    blank, and a blank is put after every (width - 1) characters of a run without blanks;
// 2. blanks become line ends wherever a line would otherwise be longer than width characters;
// 3. the text ends with a line end (a blank at the end of the line is turned into it).
// Characters are counted as UTF-8 characters, so no sequence is ever split. A line that is empty after
// tidying adds nothing.
void WrapText(std::string& text, std::size_t lineStart, std::size_t width = kSutrsLineWidth);
