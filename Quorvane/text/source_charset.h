#pragma once
// The character set of catalogue values and of the terms compared with them.

enum class SourceCharset {
    Windows1252,  // 8-bit Windows-1252 text
    Utf8,         // UTF-8 text, passed through as it is
};
