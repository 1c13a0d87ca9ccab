#pragma once
// Line-by-line edits and prompt lines (conventions in str_text.h). Lines end at line feeds.

#include <cstdint>
#include <string>
#include <string_view>

// Keeps at most width octets of each line; line feeds are kept.
void StrTruncateLines(std::string& text, int32_t width);
// In each line of at least column + insert's length octets whose stretch from octet column on has no two
// adjacent non-blank octets, writes insert over that stretch; other lines are untouched.
void StrOverlayAtColumn(std::string& text, std::string_view insert, int32_t column);
// In each line, removes the blanks and tabs that directly follow the line's first ch.
void StrSqueezeAfterChar(std::string& text, char ch);
// Removes every line (with its line feed) whose text, after leading blanks and tabs, begins with prefix.
void StrDropLinesStartingWith(std::string& text, std::string_view prefix);
// Inserts ch at the start of the line that holds the position (after the last line feed at or before it):
// 1; 0 with nothing changed for a position outside the text.
int StrInsertAtLineStart(std::string& text, int32_t position, char ch);
// The last octet that is not white space, 0 when none.
char StrLastNonWhite(std::string_view text);
// The last octet that is not white space becomes ch; nothing when there is none.
void StrSetLastNonWhite(std::string& text, char ch);
// 1 when the text's last line, trimmed of blanks and tabs, is exactly "?" or ">" (0 for an empty text).
int StrEndsWithPrompt(std::string_view text);
// Empties the text when StrEndsWithPrompt gives 1.
void StrClearIfPrompt(std::string& text);
