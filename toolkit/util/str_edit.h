#pragma once
// Inserting, cutting and replacing in texts (conventions in str_text.h). Every routine here may lengthen
// its text: the std::string grows as needed. Pattern searches find the leftmost occurrence at or after
// their start.

#include <cstdint>
#include <string>
#include <string_view>

// Inserts insert at the position (0 .. the text's length): 1; 0 with the text unchanged when the position
// lies outside the text.
int StrInsertAt(std::string& text, std::string_view insert, int32_t position);
// Searches the text from the position for pattern; when found, removes that occurrence, sets the position
// to where it began and gives 1. Gives 0, changing nothing, when the pattern is empty, the text is shorter
// than the pattern, the position lies outside the text or there is no occurrence.
int StrCutFrom(std::string& text, std::string_view pattern, int32_t& position);
// StrCutFrom searching from the start; the position is set only when an occurrence was cut.
int StrCutFirst(std::string& text, std::string_view pattern, int32_t& position);
// Replaces every occurrence of pattern by replacement, left to right, resuming after each replacement (so a
// replacement holding the pattern is not replaced again); nothing when the two are equal or the pattern is
// empty. Gives 0.
int StrReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement);
// Replaces the first occurrence; nothing when pattern equals replacement.
void StrReplaceFirst(std::string& text, std::string_view pattern, std::string_view replacement);
// Replaces the first occurrence by as many fill octets as the pattern is long.
void StrMaskFirst(std::string& text, std::string_view pattern, char fill);
// Replaces the first '~' by insert; nothing when there is none.
void StrReplaceTilde(std::string& text, std::string_view insert);
// Replaces the first ch by insert; when ch does not occur, appends a blank and insert.
void StrReplaceCharOrAppend(std::string& text, std::string_view insert, char ch);
// Writes pattern a second time right after each of its occurrences: with ' it's becomes it''s.
void StrDoubleEach(std::string& text, std::string_view pattern);
// Removes everything up to and including the first occurrence of marker; nothing when the marker does not
// occur or nothing follows it.
void StrKeepAfter(std::string& text, std::string_view marker);
// Puts insert right before and right after each occurrence of word that is followed by at least one more
// octet; blanks and tabs at either end of word stay outside the pair.
void StrSurroundWord(std::string& text, std::string_view word, char insert);
// One blank before and one after the text.
void StrPadWithBlanks(std::string& text);
// with before and after the text.
void StrEnclose(std::string& text, std::string_view with);
