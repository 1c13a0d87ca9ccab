#pragma once
// The record statements of a Present: each statement of a record's present block runs with the record's
// key and appends one RecordField per column and row to the record's field list. The records of a
// Present run each statement together (FetchRecordRows).

#include <cstddef>
#include <span>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/holdings_columns.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/database/record_rows.h"
#include "Quorvane/memory/memory_budget.h"

inline constexpr std::string_view kOpacSyntax = "1.2.840.10003.5.102";

// Replaces every "XXXXX" of the template by each record's key (as a parameter or with quotes doubled) and
// runs the statement on the connections the session already has (it never connects):
// - a template naming STK_ITEM or stk_item is a holdings statement, run on the library connection with
//   the holdings columns of the current database's MARC holdings block, and only for the OPAC syntax on a
//   session with a library connection; skipped otherwise. Without holdings columns it is skipped with the
//   log line "No holdings definition for database <name>". Per record, an item counter starts at
//   kFirstHoldingsItem; each row's item text is the counter's value at the row's start. Every column of
//   the row, in select-list order, that the holdings columns name for a keyword (the first keyword naming
//   it) and whose text is not empty appends four fields, all numbered with the counter: {tagNo, "HLD"},
//   {subfield, the keyword's letter}, {data, the text}, {sameField, the item text}; the counter then goes
//   up by one.
// - any other template runs on the catalogue connection: a record's rows are numbered from 1, and every
//   column of a row, in select-list order, appends {upper-cased column name, value, row number, 0}, each
//   also written to diaginfo.txt as "<row> <name> <value>" (a record's lines together, in record order).
// The octets of the fields are reserved against the memory (when given); a refusal stops the fetch
// (RowFetch::Stopped). Failures are reported and end the fetch as RowFetch::Failed; the fields fetched so
// far stay.
RowFetch RunFieldStatementForRecords(std::span<RecordFieldTarget> records, std::string_view syntax,
                                     SessionRecord& session, std::string_view statementTemplate,
                                     const HoldingsColumns* holdings, RequestMemory* memory);

// The same for one record.
RowFetch RunFieldStatement(RecordFields& fields, std::string_view key, std::string_view syntax,
                           SessionRecord& session, std::string_view statementTemplate,
                           const HoldingsColumns* holdings);
