#pragma once
// Adding found keys to a row list.

#include <memory>
#include <string_view>

#include "Quorvane/lists/dbl_list.h"
#include "Quorvane/results/result_row.h"
#include "Quorvane/search/search_definitions.h"

// The row of a key text found under the key: the text key for an ALPHA key, else the numeric key; the
// key's sub-key; no secondary values.
std::unique_ptr<ResultRow> BuildResultRow(std::string_view keyText, const KeyDefinition& key);

// Builds the row of a key text found under the key (the text key for an ALPHA key, else the numeric key)
// and inserts it in key order. The search starts at the list's cursor, the row inserted last, so keys
// fetched in ascending order are appended at once. Answers the new row, with the cursor on it; nullptr
// when a row of the same key is already there (the cursor then stays where the search stopped). An empty
// list takes a text key, and a numeric key other than 0: a first numeric key 0 is never added.
// A whole key statement's rows are gathered with ResultRowCollector, which gives the same list.
ResultRow* InsertResultRow(DblList* rows, std::string_view keyText, const KeyDefinition& key);
