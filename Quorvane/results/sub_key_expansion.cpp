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

Bib1Outcome fail(const char* message, SQLHSTMT statement) {
    LogMessage(message);
    AppendDriverDiagnostic(SQL_HANDLE_STMT, statement);
    return Bib1Outcome::failure(kConditionTemporarySystemError);
}

// Appends the row's sub-key values to values; a failure keeps those fetched before it.
Bib1Outcome fetchSubKeyValues(SessionRecord& session, const ResultRow& row, std::vector<std::string>& values) {
    if (Bib1Outcome connected = ConnectDatabase(session); !connected) return connected;
    SessionStatement prepared(session);
    if (Bib1Outcome ready = prepared.prepare(OdbcSource::Catalogue, SubKeyStatement(row)); !ready)
        return ready;
    BoundColumns columns;
    if (!columns.bind(prepared.handle(), kSubKeyValueSize))
        return fail("Sarvik Error: Failed to do SQL BindCol (1)", prepared.handle());
    if (!SQL_SUCCEEDED(SQLExecute(prepared.handle())))
        return fail("Sarvik Error: Failed to do SQL Execute (1)", prepared.handle());
    const std::string key = keyText(row);
    SQLRETURN fetched = SQL_NO_DATA;
    while (FetchNextRow(prepared.handle(), &fetched)) {
        columns.reportTruncation();
        std::optional<std::string_view> value = columns.text(0);
        if (!value) continue;
        values.emplace_back(*value);
        LogDetail(key + " " + std::string(*value));
    }
    return CheckFetchEnd(prepared.handle(), fetched);
}

}  // namespace

std::string SubKeyStatement(const ResultRow& row) {
    const std::string& subKey = row.subKey->subKey;
    std::string table = subKey.substr(0, subKey.find('.'));
    return "SELECT " + subKey + " FROM " + table + " WHERE " + row.subKey->initialKey + " = " + keyText(row);
}

Bib1Outcome ExpandSubKeys(SessionRecord& session, ResultSet& rows) {
    Bib1Outcome outcome;
    rows.expandSubKeys([&](const ResultRow& row) {
        std::vector<std::string> values;
        outcome.keepFailure(fetchSubKeyValues(session, row, values));
        return values;
    });
    return outcome;
}
