#pragma once
// Typed reads of the values of a control file's current record (table-file syntax, see
// toolkit/util/table_file.h): each read takes the next value of the record read last with TblReadRecord.
// Every value read is also appended as one line to "inputdiag.txt" in the working directory (a detail
// line: only when detail is logged).
// A missing required value, or a value of another type, logs the caller's message (as plain text), notes
// a configuration problem (Quorvane/config/config_problems.h) and answers a stand-in: " " for the text
// readers, 0 for the integer reader. A missing optional value answers nothing and reports nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/util/table_file.h"

inline constexpr const char* kInputDiagName = "inputdiag.txt";

// The next value, which must be a quoted string.
std::optional<std::string> ReadControlToken(TblFile* file, std::string_view message, bool required);
// The next value, which must be a word (an unquoted name).
std::optional<std::string> ReadControlWord(TblFile* file, std::string_view message, bool required);
// The next value, which must be an integer; 0 for a missing optional value.
int32_t ReadControlInteger(TblFile* file, std::string_view message, bool required);
