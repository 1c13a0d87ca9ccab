#include "Quorvane/results/sub_key_expansion.h"

#include <sqlext.h>

#include "Quorvane/database/bound_columns.h"
#include "Quorvane/database/connection.h"
#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/session_statement.h"
#include "Quorvane/database/sql_substitution.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/log/operations_log.h"

namespace {

std::string keyText(const ResultRow& row) {
    if (row.textKey) return "'" + DoubleQuotes(*row.textKey) + "'";
    return std::to_string(row.numericKey);
}

void fail(SessionRecord& session, const char* message, SQLHSTMT statement) {
    LogMessage(message);
    AppendDriverDiagnostic(SQL_HANDLE_STMT, statement);
    session.pendingDiagnostic = kConditionTemporarySystemError;
}

std::vector<std::string> subKeyValues(SessionRecord& session, const ResultRow& row) {
    std::vector<std::string> values;
    if (ConnectDatabase(session) != 1) return values;
    SessionStatement prepared(session);
    if (!prepared.prepare(OdbcSource::Catalogue, SubKeyStatement(row))) return values;
    BoundColumns columns;
    if (!columns.bind(prepared.handle(), kSubKeyValueSize)) {
        fail(session, "Sarvik Error: Failed to do SQL BindCol (1)", prepared.handle());
        return values;
    }
    if (!SQL_SUCCEEDED(SQLExecute(prepared.handle()))) {
        fail(session, "Sarvik Error: Failed to do SQL Execute (1)", prepared.handle());
        return values;
    }
    const std::string key = keyText(row);
    SQLRETURN fetched = SQL_NO_DATA;
    while (FetchNextRow(prepared.handle(), &fetched)) {
        columns.reportTruncation();
        std::optional<std::string_view> value = columns.text(0);
        if (!value) continue;
        values.emplace_back(*value);
        LogDetail(key + " " + std::string(*value));
    }
    CheckFetchEnd(session, prepared.handle(), fetched);
    return values;
}

}  // namespace

std::string SubKeyStatement(const ResultRow& row) {
    const std::string& subKey = row.subKey->subKey;
    std::string table = subKey.substr(0, subKey.find('.'));
    return "SELECT " + subKey + " FROM " + table + " WHERE " + row.subKey->initialKey + " = " + keyText(row);
}

void ExpandSubKeys(SessionRecord& session, ResultSet& rows) {
    rows.expandSubKeys([&session](const ResultRow& row) { return subKeyValues(session, row); });
}
