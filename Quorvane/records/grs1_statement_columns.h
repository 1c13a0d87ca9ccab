#pragma once
// Telling a GRS-1 definition's column from literal text: its content is a column when a present statement
// of the session selects a column of that name, in any record format.

#include <set>
#include <string>

#include "Quorvane/association/session_record.h"

// The column names of the select lists (upper case, as the fetched fields are named) of every present
// statement the session holds: those of every record format, of present.full and of present.brief.
std::set<std::string> PresentStatementColumns(const SessionRecord& session);
