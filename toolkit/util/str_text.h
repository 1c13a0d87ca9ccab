#pragma once
// Conventions of the Str... string library (every str_* and text_* header follows them):
// - A text that a routine changes, lengthens or writes is a std::string and grows as needed, so no input
//   can overflow anything. Texts that are only read are std::string_view; routines that give a pointer
//   into a text take it as a NUL-terminated const char*. The text a routine changes must not also be
//   seen through its other arguments.
// - Character classes are ASCII: white space is blank, tab, line feed, vertical tab, form feed and
//   carriage return; "blanks and tabs" means exactly those two octets; octets of 0x80 and above belong to
//   no class. Case changes touch ASCII letters only.
// - Positions are 0-based octet indexes (int32_t). A position outside the text (negative, or past its
//   end) is never fatal: the routine changes nothing and gives its "nothing found" result.
// - New texts are std::string, except StrDup, whose copy is counted memory freed with ErrFree.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace octet {

inline bool isBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}
inline bool isWhite(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
inline bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool isAlnum(char c) {
    return isLetter(c) || isDigit(c);
}
inline bool isGraphic(char c) {
    return c >= 0x21 && c <= 0x7E;
}
inline char toLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char toUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The index of a position inside the text or at its end; no value for a position outside it.
inline std::optional<size_t> indexOf(std::string_view text, int32_t position) {
    if (position < 0 || static_cast<size_t>(position) > text.size()) return std::nullopt;
    return static_cast<size_t>(position);
}

inline int32_t position(size_t index) {
    return static_cast<int32_t>(index);
}

// A result computed in 64 bits, held at the 32-bit limits.
inline int32_t clampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

inline std::string_view trimBlanksAndTabs(std::string_view text) {
    while (!text.empty() && isBlankOrTab(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlankOrTab(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace octet
