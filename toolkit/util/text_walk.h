#pragma once
// Walking a text word by word and line by line (conventions in str_text.h).

#include <cstdint>
#include <string>
#include <string_view>

// hadWhite := 1 when white space (not a line feed) was skipped from the position; then copies into out the
// octets that are not white space or are line feeds (a line feed belongs to the word). When the text ends
// during the copy: 0, with the position and gotWord as they were. Otherwise the position moves to the white
// octet that ended the word, gotWord := 1, and the result is 1 when an octet other than white space follows
// the white space after the word, else 0.
int StrNextWord(std::string_view text, int32_t& position, std::string& out, int& hadWhite, int& gotWord);
// hadWhite := 1 when white space was skipped from the position (not past a line feed); copies the octets
// up to the next line feed into out. When the text ends first: 0 with what was copied, the position kept.
// Otherwise the position moves to the line feed (the caller steps over it), gotLine := 1, and the result is
// 1 when an octet other than white space follows later, else 0.
int StrNextLine(std::string_view text, int32_t& position, std::string& out, int& hadWhite, int& gotLine);
// Index of the first octet from the position that is not white space or is a line feed; the end of the text
// when it comes first (also for a position outside the text).
int32_t StrSkipWhiteInLine(std::string_view text, int32_t position);
// 1 when only white space stands from the position up to and including a line feed; 0 at the end of the text
// or at another octet.
int StrLineRestIsWhite(std::string_view text, int32_t position);
// 1 when white space from the position leads to a line feed directly followed by another line feed.
int StrEmptyLineFollows(std::string_view text, int32_t position);
