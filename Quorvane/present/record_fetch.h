#pragma once
// Fetching the fields of the records of a Present: the key of a result row, the statements of the
// present block of the result set's database, and the present cache in front of them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/database/record_rows.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/memory/memory_budget.h"
#include "Quorvane/present/record_format_choice.h"
#include "Quorvane/results/result_row.h"

// The key text of a row: the text key of a text (ALPHA) key, else the numeric key in decimal, padded with
// leading zeros to the width of a PADLZ<width> padding rule (at most 99 digits).
std::string FormatResultKey(const ResultRow& row);

// Whether records of the syntax are built by the MARC builder (BuildMarcRecord): the OPAC syntax and the
// MARC family.
bool BuiltAsMarc(std::string_view syntax);

// Appends each record's fields to its list: every ".0" is removed from its key, then each statement of the
// present block of the session's current database (else of DEFAULT) runs for the records together
// (RunFieldStatementForRecords), with the MARC holdings columns of the database for the OPAC syntax. For a
// syntax built as MARC by row mapping, a statement that selects none of the columns the builder reads
// (MarcColumnsRead) is not run. The definitions are those of the chosen record format, else present.full or
// present.brief by the full flag. No block: "No database <name> in second query definition file", the
// configuration-error state is set and the fetch fails with kConditionConfigurationFailure. A database
// failure fails with kConditionTemporarySystemError, a refusal of the memory is Stopped; either leaves the
// records incomplete.
Bib1Result<RowFetch> FetchRecordFields(SessionRecord& session, std::span<RecordFieldTarget> records,
                                       const RecordFormatChoice& choice, std::string_view syntax,
                                       RequestMemory* memory);

// Readies the present cache (PreparePresentCache has readied it) for the positions start, start + 1, ...
// (at most number, none beyond the result set): the cached ones are marked used; when the cache then holds
// more than the memory's request limit, the entries this Present does not use are dropped; the others are
// fetched in groups of KeyListStatement::kMaxKeys records and added, each holding its fields' octets
// against the process's memory budget. A group's fetch that failed fails with its condition, also with
// kConditionConfigurationFailure when it set the configuration-error state; Stopped: the memory refused a
// group. The groups before it stay cached; the failed or refused group is not.
Bib1Result<RowFetch> FetchPresentRecords(SessionRecord& session, std::uint32_t start, std::uint32_t number,
                                         const RecordFormatChoice& choice, std::string_view syntax,
                                         RequestMemory& memory);
