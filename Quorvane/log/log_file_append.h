#pragma once
// Appending lines to the server's text logs (log_files.h): buffered, capped and rotated. Appends from
// different threads never interleave.

#include <string>
#include <string_view>

// Appends the text as one line: control characters escaped (text_escape.h), then a line end.
void appendLineToFile(const std::string& name, std::string_view text);
// appendLineToFile, only when detail lines are logged.
void appendDetailLineToFile(const std::string& name, std::string_view text);
// Appends lines that the server made itself, separated by '\n' (no client text), and a line end; only
// when detail lines are logged.
void appendDetailLinesToFile(const std::string& name, std::string_view lines);
