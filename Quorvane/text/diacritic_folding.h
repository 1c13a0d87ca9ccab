#pragma once
// Folding of accented letters to their capital base letter.

#include <cstdint>

// The capital base letter of an accented letter of the folding table (code points U+00C0-U+00FF, which
// are also their Windows-1252 octets), or 0 for every other code point.
char FoldDiacritic(uint32_t codePoint);
