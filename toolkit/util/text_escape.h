#pragma once
// Making text safe for a log or trace line: a client's text must not be able to end a line early, start a
// forged one or send terminal commands to whoever reads the file.

#include <string>
#include <string_view>

// The text with every control octet (0x00-0x1F and 0x7F) written as an escape: "\r", "\n", "\t", or
// "\xHH" for the others. Every other octet, UTF-8 sequences included, stays as it is.
std::string escapeControlText(std::string_view text);
