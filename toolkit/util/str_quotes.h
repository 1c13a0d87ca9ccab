#pragma once
// Quoted texts: stripping quotes and replacing outside quoted parts (conventions in str_text.h). A quoted
// part runs from a quote octet to the next one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// StrHalveRuns of q; then, when the first octet other than white space is a q and a later q exists, the
// first and the last q become blanks and blanks and tabs are trimmed from both ends.
void StrStripEnclosing(std::string& text, char q);
// Replaces every from by to outside quoted parts; an unclosed quote ends the work.
void StrReplaceCharOutsideQuotes(std::string& text, char from, char to, char quote);
// Replaces up to count occurrences of from by to, scanning from the first octet (direction 0) or from the
// last backwards (direction 1), passing over quoted parts when a quote is given; any other direction does
// nothing.
void StrReplaceCharCounted(std::string& text, int32_t count, int32_t direction, std::optional<char> quote,
                           char from, char to);
// Replaces every occurrence of pattern by replacement outside quoted parts; an unclosed quoted part is
// kept to the end. Nothing when the pattern is empty.
void StrReplaceOutsideQuotes(std::string& text, std::string_view pattern, std::string_view replacement,
                             char quote);
