#pragma once
// Binding and running the statements of the record and Scan fetches, and the end of their fetch loops.

#include <sql.h>

#include <cstddef>

#include "Quorvane/database/bound_columns.h"
#include "Quorvane/database/bulk_columns.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

// Record and Scan columns are fetched into 5000 octets each.
inline constexpr std::size_t kRecordColumnSize = 5000;

// Binds count columns of kRecordColumnSize octets ("Sarvik Error: Failed to do SQL BindCol (2)") and
// executes the statement ("Sarvik Error: Failed to do SQL Execute (3)"). A failure is reported through
// LogAndDiagnose and fails with kConditionTemporarySystemError.
Bib1Outcome BindAndExecute(SQLHSTMT statement, std::size_t count, BoundColumns& columns);
// The same for columns planned in blocks of rows (BulkColumns::plan).
Bib1Outcome BindAndExecute(SQLHSTMT statement, BulkColumns& columns);

// After a fetch loop: a last fetch result other than "no data" is an error that ended the rows early:
// "Sarvik Error: Failed to do SQLFetch" through LogAndDiagnose, with the driver's diagnostic, and
// kConditionTemporarySystemError.
Bib1Outcome CheckFetchEnd(SQLHSTMT statement, SQLRETURN lastFetch);
