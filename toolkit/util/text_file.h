#pragma once
// Reading, appending to, searching and removing small text files (conventions in str_text.h). A file that
// cannot be opened is reported as a result, never by ending the process.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// Most octets StrFindInFile reads from the start of a file.
inline constexpr size_t kStrFindInFileLimit = 100000;

// Reads the whole file into out, each NUL octet stored as a blank: 1. When the file cannot be opened, the
// system's text for the error goes to the error stream, ErrReport mode 0 reports "Failed to open file
// <path>" (modules "STR36", "STR37"), out becomes a single blank and the result is 0.
int StrReadFile(const std::string& path, std::string& out);
// Appends the text's octets to the file: 1; 0 when they could not all be written. When the file cannot be
// opened, the same reports (modules "STR57", "STR56") and 0; the text is never changed.
int StrAppendToFile(const std::string& path, std::string_view text);
// Appends to the text the octets read up to the next line feed or the end of the file (neither is stored);
// gives the last value read: '\n' or EOF.
int StrAppendLineFromFile(std::FILE* file, std::string& text);
// The first stretch of the file's first kStrFindInFileLimit octets that matches pattern (see
// findStarMatch); no value when the file cannot be opened or holds no such stretch.
std::optional<std::string> StrFindInFile(const std::string& path, std::string_view pattern);
// Deletes the file when it can be opened and holds no graphic octet: 1. 0 when it holds one or cannot be
// opened. -1 when the deletion fails, reported by ErrReport mode 0 "Could not remove file <path>" (module
// "STR54").
int StrRemoveFileIfBlank(const std::string& path);
