#pragma once
// Multi-column row lists for Scan.

#include <optional>
#include <string_view>
#include <vector>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"

using FetchedRow = std::vector<RecordField>;

// Connects for the session's current database and runs the statement on the catalogue connection. Each
// row becomes its fields {column name as written in the select list, value, row number from 1, 0} (a NULL
// or empty column has no value), each also written to diaginfo.txt as "<row> <name> <value>". The rows in
// fetch order; nothing when connecting, preparing, binding or executing failed (the pending diagnostic
// then tells why).
std::optional<std::vector<FetchedRow>> FetchRows(SessionRecord& session, std::string_view statement);
