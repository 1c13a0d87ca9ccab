#include "Quorvane/database/odbc_connection.h"

#include <sqlext.h>

#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/log/operations_log.h"

OdbcConnection::OdbcConnection(std::string connectionString, SQLHDBC handle)
    : connectionString_(std::move(connectionString)), handle_(handle) {}

OdbcConnection::~OdbcConnection() {
    for (auto& [text, statement] : kept_) SQLFreeHandle(SQL_HANDLE_STMT, statement);
    if (!SQL_SUCCEEDED(SQLDisconnect(handle_))) {
        LogAndDiagnose(std::string("Sarvik Error: Failed to do SQLDisconnect on ") + name_);
        AppendDriverDiagnostic(SQL_HANDLE_DBC, handle_);
    }
    if (!SQL_SUCCEEDED(SQLFreeHandle(SQL_HANDLE_DBC, handle_))) {
        LogAndDiagnose(std::string("Sarvik Error: Failed to do SQLFreeHandle on ") + name_);
    }
}

SQLHSTMT OdbcConnection::takeStatement(std::string_view text) {
    auto found = byText_.find(text);
    if (found == byText_.end()) return SQL_NULL_HSTMT;
    KeptList::iterator entry = found->second;
    SQLHSTMT statement = entry->second;
    byText_.erase(found);
    kept_.erase(entry);
    return statement;
}

void OdbcConnection::keepStatement(std::string text, SQLHSTMT statement) {
    if (byText_.count(text) != 0) {
        // The same text was prepared twice at once; one copy is enough.
        SQLFreeHandle(SQL_HANDLE_STMT, statement);
        return;
    }
    kept_.emplace_front(std::move(text), statement);
    byText_.emplace(kept_.front().first, kept_.begin());
    if (kept_.size() <= kKeptStatements) return;
    SQLFreeHandle(SQL_HANDLE_STMT, kept_.back().second);
    byText_.erase(kept_.back().first);
    kept_.pop_back();
}

void OdbcConnection::noteFailure(std::string_view sqlState) {
    if (sqlState.starts_with("08")) markBroken();
    dead();
}

bool OdbcConnection::dead() {
    if (broken_) return true;
    SQLUINTEGER state = SQL_CD_FALSE;
    if (SQL_SUCCEEDED(SQLGetConnectAttr(handle_, SQL_ATTR_CONNECTION_DEAD, &state, 0, nullptr)) &&
        state == SQL_CD_TRUE) {
        markBroken();
    }
    return broken_;
}
