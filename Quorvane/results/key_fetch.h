#pragma once
// Running a search operand's statement, which the search engine builds: its first column is the record
// key, then the key's secondary columns in order.

#include <cstdint>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/results/result_set.h"
#include "Quorvane/search/search_definitions.h"

// The key column is fetched into 20000 octets (an integer column into what its longest text needs),
// each secondary column into 500; rows come in blocks of up to kKeyRowsPerFetch within kKeyAreaBudget
// octets of column areas, one at a time where the driver takes no row array.
inline constexpr std::size_t kKeyColumnSize = 20000;
inline constexpr std::size_t kSecondaryColumnSize = 500;
inline constexpr std::size_t kKeyAreaBudget = 256 * 1024;
inline constexpr std::size_t kKeyRowsPerFetch = 1024;

// Connects for the session's current database, runs the statement on the catalogue connection and
// answers its rows as a result set (ResultSetBuilder). On SQLite a plain numeric key's rows come in one
// piece (RunJoinedKeySearch), with the same result, log lines and diagnostics.
// - Every row that the driver delivers counts, also with "success with information" (a truncation).
// - Rows of a decode key are dropped; so are rows whose key is NULL or longer than the key area (the
//   truncation is logged). A row that is added gets its secondary values from the other columns.
// - For every row "Records retrieved <n>" goes to the log, n counting the rows before it.
// - Without any row, newdiag.txt gets the last fetch result with the statement's first diagnostic
//   (NoRowsDiagnosticLine).
// Binding and execution failures go to the log ("Sarvik Error: Failed to do SQL BindCol (4)" for the key,
// "(5)" for a secondary column, "Sarvik Error: Failed to do SQL Execute (8)"), a fetch error through
// LogAndDiagnose; each fails with kConditionTemporarySystemError, as does a failure to connect or prepare
// with its own condition.
Bib1Result<ResultSet> RunOperandSearch(SessionRecord& session, const KeyDefinition& key,
                                       std::string_view statement);

// The newdiag.txt line of a key statement that fetched no row: "<label> <message>   <result>" with the
// label by the fetch result (SQL_XSUCCESS_WITH_INFO 1, SQL_XNO_DATA_FOUND 100, SQL_XSTILL_EXECUTING 2,
// SQL_XERROR -1, SQL_XINVALID_HANDLE -2; any other result "Default" with the number 0).
std::string NoRowsDiagnosticLine(std::int32_t fetchResult, std::string_view message);
