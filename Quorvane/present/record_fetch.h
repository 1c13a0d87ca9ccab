#pragma once
// Fetching the fields of the records of a Present: the key of a result row, the statements of the
// present block of the result set's database, and the present cache in front of them.

#include <cstdint>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/present/record_format_choice.h"
#include "Quorvane/present/result_set_walk.h"
#include "Quorvane/results/result_row.h"

// The key text of a row: the text key of a text (ALPHA) key, else the numeric key in decimal, padded with
// leading zeros to the width of a PADLZ<width> padding rule (at most 99 digits).
std::string FormatResultKey(const ResultRow& row);

// Appends the record's fields to the list: every ".0" is removed from the key, then each statement of the
// present block of the session's current database (else of DEFAULT) runs with it (RunFieldStatement),
// with the MARC holdings columns of the database for the OPAC syntax. The definitions are those of the
// chosen record format, else present.full or present.brief by the full flag. No block: "No database
// <name> in second query definition file" and the configuration-error state is set.
void FetchRecordFields(SessionRecord& session, std::string_view key, DblList* fields,
                       const RecordFormatChoice& choice, std::string_view syntax);

// The record of the position: from the present cache (PreparePresentCache has readied it), else fetched
// and added to it. Null beyond the result set, and when the fetch failed: a database failure (the
// session's pending diagnostic is set) or a configuration error; such a record is not cached.
PresentCacheEntry* FetchPresentRecord(SessionRecord& session, ResultSetWalk& walk, std::uint32_t position,
                                      const RecordFormatChoice& choice, std::string_view syntax);
