#pragma once
// The record statements of a Present: each statement of a record's present block runs with the record's
// key and appends one RecordField per column and row to the record's field list.

#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/holdings_columns.h"
#include "Quorvane/lists/dbl_list.h"

inline constexpr std::string_view kOpacSyntax = "1.2.840.10003.5.102";

// Replaces every "XXXXX" of the template by the key (quotes doubled) and runs the statement on the
// connections the session already has (it never connects):
// - a template naming STK_ITEM or stk_item is a holdings statement, run through FetchHoldingsRows on the
//   library connection with the holdings columns of the current database's MARC holdings block, and only
//   for the OPAC syntax on a session with a library connection; skipped otherwise. Without holdings
//   columns it is skipped with the log line "No holdings definition for database <name>".
// - any other template runs on the catalogue connection: rows are numbered from 1, and every column of a
//   row, in select-list order, appends {upper-cased column name, value, row number, 0}, each also written
//   to diaginfo.txt as "<row> <name> <value>".
// Failures are reported and leave the session's pending diagnostic; the fields fetched so far stay.
void RunFieldStatement(DblList* fields, std::string_view key, std::string_view syntax, SessionRecord& session,
                       std::string_view statementTemplate, const HoldingsColumns* holdings);
