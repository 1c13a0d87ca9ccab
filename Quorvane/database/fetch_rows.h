#pragma once
// Multi-column row lists for Scan.

#include <string_view>
#include <vector>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

using FetchedRow = std::vector<RecordField>;

// Connects for the session's current database and runs the statement on the catalogue connection. Each
// row becomes its fields {column name as written in the select list, value, row number from 1, 0} (a NULL
// or empty column has no value), each also written to diaginfo.txt as "<row> <name> <value>". The rows in
// fetch order; a failure of connecting, preparing, binding, executing or fetching gives its condition
// instead.
Bib1Result<std::vector<FetchedRow>> FetchRows(SessionRecord& session, std::string_view statement);
