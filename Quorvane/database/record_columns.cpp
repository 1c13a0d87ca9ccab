#include "Quorvane/database/record_columns.h"

#include <sqlext.h>

#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/log/operations_log.h"

namespace {

constexpr const char* kBindFailure = "Sarvik Error: Failed to do SQL BindCol (2)";

void fail(SessionRecord& session, const char* message, SQLHSTMT statement) {
    LogAndDiagnose(message);
    AppendDriverDiagnostic(SQL_HANDLE_STMT, statement);
    session.pendingDiagnostic = kConditionTemporarySystemError;
}

bool execute(SessionRecord& session, SQLHSTMT statement) {
    if (SQL_SUCCEEDED(SQLExecute(statement))) return true;
    fail(session, "Sarvik Error: Failed to do SQL Execute (3)", statement);
    return false;
}

}  // namespace

bool BindAndExecute(SessionRecord& session, SQLHSTMT statement, std::size_t count, BoundColumns& columns) {
    for (std::size_t i = 0; i < count; ++i) {
        if (!columns.bind(statement, kRecordColumnSize)) {
            fail(session, kBindFailure, statement);
            return false;
        }
    }
    return execute(session, statement);
}

bool BindAndExecute(SessionRecord& session, SQLHSTMT statement, BulkColumns& columns) {
    if (!columns.bind(statement)) {
        fail(session, kBindFailure, statement);
        return false;
    }
    return execute(session, statement);
}

void CheckFetchEnd(SessionRecord& session, SQLHSTMT statement, SQLRETURN lastFetch) {
    if (lastFetch == SQL_NO_DATA) return;
    fail(session, "Sarvik Error: Failed to do SQLFetch", statement);
}
