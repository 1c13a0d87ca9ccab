#pragma once
// The search-statement log "newdiag.txt" in the working directory: every operand statement of a search
// and the outcome of a key fetch that found no row. Detail lines: written only when detail is logged.

#include <string_view>

inline constexpr const char* kNewDiagName = "newdiag.txt";

// Appends the text and a line end to newdiag.txt (texts beyond the log limit are cut); an empty text
// writes nothing.
void AppendNewDiag(std::string_view text);
