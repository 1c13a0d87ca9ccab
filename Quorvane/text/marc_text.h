#pragma once
// The text conversion of MARC field values: source text with embedded diacritic codes to UTF-8.
//
// A diacritic code is "<d:" and ">" around two letters of the code table (any case) or around four
// hexadecimal digits; it becomes its code point (a Unicode combining mark) in UTF-8. A code that is not
// in the table, that gives code point 0 or a surrogate, stays in the text as it is written.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Quorvane/text/source_charset.h"

// Replaces output by the UTF-8 form of at most inputLimit octets of the value (below 1: 9999) and gives
// its length. Windows-1252 source: every character is converted (the five undefined positions and NUL
// are dropped). UTF-8 source: well-formed sequences are copied as they are, a stray octet is read as
// Windows-1252, and the limit never cuts a sequence in two.
size_t ConvertMarcText(std::string& output, std::string_view value, int32_t inputLimit,
                       SourceCharset charset);
