#pragma once
// Appending lines to the server's text logs. Appends from different threads never interleave: each one
// opens the file, writes the whole line and closes it again under one process-wide lock.

#include <string>
#include <string_view>

// Appends text and a line end to the file; false when it cannot be opened or written.
bool appendLineToFile(const std::string& path, std::string_view text);
