#pragma once
// Windows-1252 characters in UTF-8.

#include <string>

// Appends the UTF-8 form of one Windows-1252 character and gives the number of octets written: 0 for
// the NUL character and for the five positions Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D), which are dropped.
int EncodeWindows1252Char(std::string& output, char character);
