#include "Quorvane/database/session_statement.h"

#include <sqlext.h>

#include <string>

#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/log/log_files.h"
#include "Quorvane/log/operations_log.h"

namespace {

void report(SessionRecord& session, std::string_view message, SQLSMALLINT handleType, SQLHANDLE handle) {
    LogAndDiagnose(message);
    AppendDriverDiagnostic(handleType, handle);
    session.pendingDiagnostic = 2;
}

}  // namespace

int PrepareStatement(SessionRecord& session, OdbcSource source, std::string_view text, SQLHSTMT* statement) {
    SQLHDBC connection =
        source == OdbcSource::Catalogue ? session.catalogueConnection : session.libraryConnection;
    if (connection == SQL_NULL_HDBC) {
        report(session, "Sarvik Error: Cannot SQLAllocHandle with a null DBC", SQL_HANDLE_DBC,
               SQL_NULL_HANDLE);
        return 0;
    }
    SQLHSTMT handle = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle))) {
        report(session, "Sarvik Error: Failed to do SQLAllocHandle on DBC", SQL_HANDLE_DBC, connection);
        return 0;
    }
    AppendDetailDiagInfo(text);
    std::string owned(text);
    if (!SQL_SUCCEEDED(SQLPrepare(handle, reinterpret_cast<SQLCHAR*>(owned.data()),
                                  static_cast<SQLINTEGER>(owned.size())))) {
        report(session, "Sarvik Error: Failed to do SQLPrepare on STMT", SQL_HANDLE_STMT, handle);
        SQLFreeHandle(SQL_HANDLE_STMT, handle);
        return 0;
    }
    if (logDetailEnabled()) LogAndDiagnose("SUCCESS: ODBCPrepareStmt");
    *statement = handle;
    return 1;
}

int FreeStatement(SessionRecord& session, SQLHSTMT statement) {
    if (statement == SQL_NULL_HSTMT) return 1;
    if (SQL_SUCCEEDED(SQLFreeHandle(SQL_HANDLE_STMT, statement))) return 1;
    report(session, "Sarvik Error: Failed to do SQLFreeHandle on STMT", SQL_HANDLE_STMT, statement);
    return 0;
}

SessionStatement::~SessionStatement() {
    FreeStatement(session_, handle_);
}

bool SessionStatement::prepare(OdbcSource source, std::string_view text) {
    FreeStatement(session_, handle_);
    handle_ = SQL_NULL_HSTMT;
    return PrepareStatement(session_, source, text, &handle_) == 1;
}
