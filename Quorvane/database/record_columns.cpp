#include "Quorvane/database/record_columns.h"

#include <sqlext.h>

#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/log/operations_log.h"

namespace {

constexpr const char* kBindFailure = "Sarvik Error: Failed to do SQL BindCol (2)";

Bib1Outcome fail(const char* message, SQLHSTMT statement) {
    LogAndDiagnose(message);
    AppendDriverDiagnostic(SQL_HANDLE_STMT, statement);
    return Bib1Outcome::failure(kConditionTemporarySystemError);
}

Bib1Outcome execute(SQLHSTMT statement) {
    if (SQL_SUCCEEDED(SQLExecute(statement))) return {};
    return fail("Sarvik Error: Failed to do SQL Execute (3)", statement);
}

}  // namespace

Bib1Outcome BindAndExecute(SQLHSTMT statement, std::size_t count, BoundColumns& columns) {
    for (std::size_t i = 0; i < count; ++i) {
        if (!columns.bind(statement, kRecordColumnSize)) return fail(kBindFailure, statement);
    }
    return execute(statement);
}

Bib1Outcome BindAndExecute(SQLHSTMT statement, BulkColumns& columns) {
    if (!columns.bind(statement)) return fail(kBindFailure, statement);
    return execute(statement);
}

Bib1Outcome CheckFetchEnd(SQLHSTMT statement, SQLRETURN lastFetch) {
    if (lastFetch == SQL_NO_DATA) return {};
    return fail("Sarvik Error: Failed to do SQLFetch", statement);
}
