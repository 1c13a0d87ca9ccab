#pragma once
// Sub-key expansion: a row whose key has a sub-key stands for each of the sub key's values.

#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/results/result_row.h"
#include "Quorvane/results/result_set.h"

// Each sub-key value is fetched into 200 octets.
inline constexpr std::size_t kSubKeyValueSize = 200;

// "SELECT <sub key> FROM <its table> WHERE <initial key> = <key>": the table is the sub key's text before
// its first '.', the key the row's numeric key, or for a text key its text quoted (quotes doubled).
std::string SubKeyStatement(const ResultRow& row);

// For every row with a sub-key: connects, runs SubKeyStatement on the catalogue connection and appends
// each fetched value (NULL values skipped) to the row's sub-key values, logging "<key> <value>". A row
// whose statement cannot be prepared keeps no values; binding ("Sarvik Error: Failed to do SQL BindCol
// (1)") and execution ("Sarvik Error: Failed to do SQL Execute (1)") failures go to the log. Every row is
// expanded; the answer is the failure of the last row that failed (a connection's condition, else
// kConditionTemporarySystemError).
Bib1Outcome ExpandSubKeys(SessionRecord& session, ResultSet& rows);
