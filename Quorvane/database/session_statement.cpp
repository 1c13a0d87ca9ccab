#include "Quorvane/database/session_statement.h"

#include <sqlext.h>

#include "Quorvane/database/odbc_connection.h"
#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/database/sql_substitution.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/log/log_files.h"
#include "Quorvane/log/operations_log.h"

namespace {

Bib1Outcome report(std::string_view message, SQLSMALLINT handleType, SQLHANDLE handle,
                   OdbcConnection* connection) {
    LogAndDiagnose(message);
    AppendDriverDiagnostic(handleType, handle);
    if (connection != nullptr) connection->noteFailure(FirstDiagnostic(handleType, handle).state);
    return Bib1Outcome::failure(kConditionTemporarySystemError);
}

void reportPrepared() {
    if (logDetailEnabled()) LogAndDiagnose("SUCCESS: ODBCPrepareStmt");
}

bool prepareHandle(SQLHSTMT handle, std::string_view text) {
    std::string owned(text);
    return SQL_SUCCEEDED(
        SQLPrepare(handle, reinterpret_cast<SQLCHAR*>(owned.data()), static_cast<SQLINTEGER>(owned.size())));
}

Bib1Outcome prepareNew(const SessionRecord& session, OdbcSource source, std::string_view text,
                       std::string_view shown, SQLHSTMT* statement) {
    OdbcConnection* connection = SourceConnection(session, source);
    if (connection == nullptr) {
        return report("Sarvik Error: Cannot SQLAllocHandle with a null DBC", SQL_HANDLE_DBC, SQL_NULL_HANDLE,
                      nullptr);
    }
    SQLHSTMT handle = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection->handle(), &handle))) {
        return report("Sarvik Error: Failed to do SQLAllocHandle on DBC", SQL_HANDLE_DBC,
                      connection->handle(), connection);
    }
    AppendDetailDiagInfo(shown);
    if (!prepareHandle(handle, text)) {
        const Bib1Outcome failed =
            report("Sarvik Error: Failed to do SQLPrepare on STMT", SQL_HANDLE_STMT, handle, connection);
        SQLFreeHandle(SQL_HANDLE_STMT, handle);
        return failed;
    }
    reportPrepared();
    *statement = handle;
    return {};
}

// Allocates and prepares a statement on the connection, logging and noting nothing.
bool prepareUntraced(OdbcConnection* connection, std::string_view text, SQLHSTMT* statement) {
    SQLHSTMT handle = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection->handle(), &handle))) return false;
    if (!prepareHandle(handle, text)) {
        SQLFreeHandle(SQL_HANDLE_STMT, handle);
        return false;
    }
    *statement = handle;
    return true;
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

OdbcConnection* SourceConnection(const SessionRecord& session, OdbcSource source) {
    return source == OdbcSource::Catalogue ? session.catalogueConnection.get()
                                           : session.libraryConnection.get();
}

Bib1Outcome PrepareStatement(const SessionRecord& session, OdbcSource source, std::string_view text,
                             SQLHSTMT* statement) {
    return prepareNew(session, source, text, text, statement);
}

Bib1Outcome FreeStatement(SQLHSTMT statement) {
    if (statement == SQL_NULL_HSTMT) return {};
    if (SQL_SUCCEEDED(SQLFreeHandle(SQL_HANDLE_STMT, statement))) return {};
    return report("Sarvik Error: Failed to do SQLFreeHandle on STMT", SQL_HANDLE_STMT, statement, nullptr);
}

Bib1Outcome SessionStatement::prepare(OdbcSource source, std::string_view text) {
    return prepareShown(source, text, text, false);
}

Bib1Outcome SessionStatement::prepareKeyed(OdbcSource source, std::string_view statementTemplate,
                                           std::string_view key) {
    std::string substituted(statementTemplate);
    SubstituteQuoted(substituted, "XXXXX", key);
    std::optional<KeyParameters> parameters = KeyParameters::make(statementTemplate, key);
    if (!parameters) return prepareShown(source, substituted, substituted, false);
    if (Bib1Outcome prepared = prepareShown(source, parameters->text(), substituted, true); !prepared)
        return prepared;
    parameters_ = std::move(parameters);
    return parameters_->bind(handle_) ? Bib1Outcome() : bindFailed();
}

Bib1Outcome SessionStatement::prepareKeyList(OdbcSource source, const KeyListStatement& statement,
                                             std::span<const std::int64_t> keys) {
    if (Bib1Outcome prepared = prepareShown(source, statement.text(), statement.shown(keys), true); !prepared)
        return prepared;
    return statement.bind(handle_, keys) ? Bib1Outcome() : bindFailed();
}

Bib1Outcome SessionStatement::bindFailed() {
    const Bib1Outcome failed =
        report("Sarvik Error: Failed to do SQLBindParameter on STMT", SQL_HANDLE_STMT, handle_, connection_);
    release();
    return failed;
}

Bib1Outcome SessionStatement::prepareShown(OdbcSource source, std::string_view text, std::string_view shown,
                                           bool keep) {
    release();
    OdbcConnection* connection = SourceConnection(session_, source);
    SQLHSTMT kept = keep && connection != nullptr ? connection->takeStatement(text) : SQL_NULL_HSTMT;
    if (kept != SQL_NULL_HSTMT) {
        AppendDetailDiagInfo(shown);
        reportPrepared();
    } else if (Bib1Outcome prepared = prepareNew(session_, source, text, shown, &kept); !prepared) {
        return prepared;
    }
    handle_ = kept;
    connection_ = connection;
    if (keep) text_ = text;
    return {};
}

bool SessionStatement::prepareQuietly(OdbcSource source, std::string_view text) {
    release();
    OdbcConnection* connection = SourceConnection(session_, source);
    SQLHSTMT handle = SQL_NULL_HSTMT;
    if (connection == nullptr || !prepareUntraced(connection, text, &handle)) return false;
    handle_ = handle;
    connection_ = connection;
    return true;
}

bool SessionStatement::prepareKeyListQuietly(OdbcSource source, std::string_view text,
                                             const KeyListStatement& statement,
                                             std::span<const std::int64_t> keys) {
    return prepareKeptQuietly(source, text) && bindQuietly(statement.bind(handle_, keys));
}

bool SessionStatement::prepareKeyedQuietly(OdbcSource source, std::string_view text,
                                           KeyParameters& parameters) {
    return prepareKeptQuietly(source, text) && bindQuietly(parameters.bind(handle_));
}

bool SessionStatement::prepareTextsQuietly(OdbcSource source, TextParameters& texts) {
    return prepareKeptQuietly(source, texts.text()) && bindQuietly(texts.bind(handle_));
}

bool SessionStatement::prepareKeptQuietly(OdbcSource source, std::string_view text) {
    release();
    OdbcConnection* connection = SourceConnection(session_, source);
    if (connection == nullptr) return false;
    SQLHSTMT handle = connection->takeStatement(text);
    if (handle == SQL_NULL_HSTMT && !prepareUntraced(connection, text, &handle)) return false;
    handle_ = handle;
    connection_ = connection;
    text_ = text;
    return true;
}

bool SessionStatement::bindQuietly(bool bound) {
    if (!bound) abandon();
    return bound;
}

void SessionStatement::announce(std::string_view shown) const {
    AppendDetailDiagInfo(shown);
    reportPrepared();
}

void SessionStatement::abandon() {
    if (handle_ != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, handle_);
    handle_ = SQL_NULL_HSTMT;
    connection_ = nullptr;
    text_.clear();
}

void SessionStatement::release() {
    if (handle_ == SQL_NULL_HSTMT) return;
    const SQLHSTMT statement = handle_;
    handle_ = SQL_NULL_HSTMT;
    const std::string state = FirstDiagnostic(SQL_HANDLE_STMT, statement).state;
    const bool failed = !state.empty() && !state.starts_with("01");
    if (failed) connection_->noteFailure(state);
    if (text_.empty() || failed || connection_->broken() || !readyForReuse(statement)) {
        // Its work is done: a refused free is only reported.
        static_cast<void>(FreeStatement(statement));
    } else {
        connection_->keepStatement(std::move(text_), statement);
    }
    parameters_.reset();
    connection_ = nullptr;
    text_.clear();
}
