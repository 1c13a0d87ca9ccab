#pragma once
// UTF-8 encoding and decoding of single code points.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Appends the UTF-8 form of the code point and gives the number of octets written. Code point 0,
// surrogates (U+D800-U+DFFF) and values above U+10FFFF write nothing.
int EncodeUtf8(std::string& output, uint32_t codePoint);

struct Utf8Char {
    uint32_t codePoint;
    size_t length;  // octets of the sequence; 0 when the text does not begin with a valid one
};

// The well-formed UTF-8 sequence at the start of the text: shortest form, no surrogate, at most
// U+10FFFF; length 0 for anything else (also for an empty text or a sequence cut short).
Utf8Char DecodeUtf8(std::string_view text);
