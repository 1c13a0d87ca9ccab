#include "Quorvane/database/session_statement.h"

#include <sqlext.h>

#include "Quorvane/database/odbc_connection.h"
#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/database/sql_substitution.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/log/log_files.h"
#include "Quorvane/log/operations_log.h"

namespace {

OdbcConnection* connectionOf(const SessionRecord& session, OdbcSource source) {
    return source == OdbcSource::Catalogue ? session.catalogueConnection.get()
                                           : session.libraryConnection.get();
}

void report(SessionRecord& session, std::string_view message, SQLSMALLINT handleType, SQLHANDLE handle,
            OdbcConnection* connection) {
    LogAndDiagnose(message);
    AppendDriverDiagnostic(handleType, handle);
    if (connection != nullptr) connection->noteFailure(FirstDiagnostic(handleType, handle).state);
    session.pendingDiagnostic = kConditionTemporarySystemError;
}

void reportPrepared() {
    if (logDetailEnabled()) LogAndDiagnose("SUCCESS: ODBCPrepareStmt");
}

int prepareNew(SessionRecord& session, OdbcSource source, std::string_view text, std::string_view shown,
               SQLHSTMT* statement) {
    OdbcConnection* connection = connectionOf(session, source);
    if (connection == nullptr) {
        report(session, "Sarvik Error: Cannot SQLAllocHandle with a null DBC", SQL_HANDLE_DBC,
               SQL_NULL_HANDLE, nullptr);
        return 0;
    }
    SQLHSTMT handle = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection->handle(), &handle))) {
        report(session, "Sarvik Error: Failed to do SQLAllocHandle on DBC", SQL_HANDLE_DBC,
               connection->handle(), connection);
        return 0;
    }
    AppendDetailDiagInfo(shown);
    std::string owned(text);
    if (!SQL_SUCCEEDED(SQLPrepare(handle, reinterpret_cast<SQLCHAR*>(owned.data()),
                                  static_cast<SQLINTEGER>(owned.size())))) {
        report(session, "Sarvik Error: Failed to do SQLPrepare on STMT", SQL_HANDLE_STMT, handle, connection);
        SQLFreeHandle(SQL_HANDLE_STMT, handle);
        return 0;
    }
    reportPrepared();
    *statement = handle;
    return 1;
}

// Readies a used statement for its next use, with one row per fetch again; false when the driver refuses.
bool readyForReuse(SQLHSTMT statement) {
    return SQL_SUCCEEDED(SQLFreeStmt(statement, SQL_CLOSE)) &&
           SQL_SUCCEEDED(SQLFreeStmt(statement, SQL_UNBIND)) &&
           SQL_SUCCEEDED(SQLFreeStmt(statement, SQL_RESET_PARAMS)) &&
           SQL_SUCCEEDED(
               SQLSetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(1), 0)) &&
           SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0)) &&
           SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0));
}

}  // namespace

int PrepareStatement(SessionRecord& session, OdbcSource source, std::string_view text, SQLHSTMT* statement) {
    return prepareNew(session, source, text, text, statement);
}

int FreeStatement(SessionRecord& session, SQLHSTMT statement) {
    if (statement == SQL_NULL_HSTMT) return 1;
    if (SQL_SUCCEEDED(SQLFreeHandle(SQL_HANDLE_STMT, statement))) return 1;
    report(session, "Sarvik Error: Failed to do SQLFreeHandle on STMT", SQL_HANDLE_STMT, statement, nullptr);
    return 0;
}

bool SessionStatement::prepare(OdbcSource source, std::string_view text) {
    return prepareShown(source, text, text, false);
}

bool SessionStatement::prepareKeyed(OdbcSource source, std::string_view statementTemplate,
                                    std::string_view key) {
    std::string substituted(statementTemplate);
    SubstituteQuoted(substituted, "XXXXX", key);
    std::optional<KeyParameters> parameters = KeyParameters::make(statementTemplate, key);
    if (!parameters) return prepareShown(source, substituted, substituted, false);
    if (!prepareShown(source, parameters->text(), substituted, true)) return false;
    parameters_ = std::move(parameters);
    return parameters_->bind(handle_) || bindFailed();
}

bool SessionStatement::prepareKeyList(OdbcSource source, const KeyListStatement& statement,
                                      std::span<const std::int64_t> keys) {
    if (!prepareShown(source, statement.text(), statement.shown(keys), true)) return false;
    return statement.bind(handle_, keys) || bindFailed();
}

bool SessionStatement::bindFailed() {
    report(session_, "Sarvik Error: Failed to do SQLBindParameter on STMT", SQL_HANDLE_STMT, handle_,
           connection_);
    release();
    return false;
}

bool SessionStatement::prepareShown(OdbcSource source, std::string_view text, std::string_view shown,
                                    bool keep) {
    release();
    OdbcConnection* connection = connectionOf(session_, source);
    SQLHSTMT kept = keep && connection != nullptr ? connection->takeStatement(text) : SQL_NULL_HSTMT;
    if (kept != SQL_NULL_HSTMT) {
        AppendDetailDiagInfo(shown);
        reportPrepared();
    } else if (prepareNew(session_, source, text, shown, &kept) != 1) {
        return false;
    }
    handle_ = kept;
    connection_ = connection;
    if (keep) text_ = text;
    return true;
}

void SessionStatement::release() {
    if (handle_ == SQL_NULL_HSTMT) return;
    const SQLHSTMT statement = handle_;
    handle_ = SQL_NULL_HSTMT;
    const std::string state = FirstDiagnostic(SQL_HANDLE_STMT, statement).state;
    const bool failed = !state.empty() && !state.starts_with("01");
    if (failed) connection_->noteFailure(state);
    if (text_.empty() || failed || connection_->broken() || !readyForReuse(statement)) {
        FreeStatement(session_, statement);
    } else {
        connection_->keepStatement(std::move(text_), statement);
    }
    parameters_.reset();
    connection_ = nullptr;
    text_.clear();
}
