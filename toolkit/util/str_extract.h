#pragma once
// Copying and extracting parts of texts (conventions in str_text.h). Every out text is replaced.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A NUL-terminated copy in counted memory (tag "STR1"), freed with ErrFree.
char* StrDup(std::string_view text);
// Copies at most n octets of source; gives the copy's length.
int32_t StrCopyN(std::string& destination, std::string_view source, int32_t n);
// Copies the octets from index from to index to (a negative to: to the end; a negative from counts as 0;
// to is cut back to the last octet) into out; gives 1 when a copied octet is a letter or digit, 0 when not
// and when nothing is copied (from past the text's last octet, or to below from).
int StrCopyRange(std::string& out, std::string_view text, int32_t from, int32_t to);
// Copies from the position up to the next ch or the end; gives the number of octets copied.
int32_t StrCopyUntilChar(std::string_view text, int32_t position, char ch, std::string& out);
// 1 with the first run of octets other than separator (leading separators skipped) in out; 0 with an
// empty out when there is none.
int StrFirstToken(std::string_view text, char separator, std::string& out);
// The n-th run of graphic octets, counted from 1; empty when n is below 1 or the text has fewer runs.
std::string StrNthWord(std::string_view text, int32_t n);
// 1 with the n-th field, counted from 1, in out, fields being separated by line feeds or '!'; 0 with an
// empty out when the text has fewer fields.
int StrNthField(std::string_view text, int32_t n, std::string& out);
// The greatest length among the texts (0 for none).
int32_t StrMaxLength(std::span<const std::string_view> texts);
// Length of the longest run of octets other than white space.
int32_t StrLongestWord(std::string_view text);
