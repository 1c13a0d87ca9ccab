#include "Quorvane/results/key_fetch.h"

#include <sqlext.h>

#include "Quorvane/database/bulk_columns.h"
#include "Quorvane/database/connection.h"
#include "Quorvane/database/new_diag_log.h"
#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/database/session_statement.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/log/log_files.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/results/joined_key_fetch.h"
#include "Quorvane/results/result_set_builder.h"

namespace {

Bib1Outcome fail(const char* message, SQLHSTMT statement) {
    LogMessage(message);
    AppendDriverDiagnostic(SQL_HANDLE_STMT, statement);
    return Bib1Outcome::failure(kConditionTemporarySystemError);
}

// The key column and the secondary columns, bound for blocks of rows.
Bib1Outcome bindColumns(SQLHSTMT statement, const KeyDefinition& key, BulkColumns& columns) {
    std::vector<std::size_t> areaSizes(1 + key.secondaryColumns.size(), kSecondaryColumnSize);
    areaSizes[0] = kKeyColumnSize;
    columns.plan(statement, areaSizes, kKeyAreaBudget, kKeyRowsPerFetch);
    if (columns.bind(statement)) return {};
    if (columns.refusedColumn() == 0) return fail("Sarvik Error: Failed to do SQL BindCol (4)", statement);
    return fail("Sarvik Error: Failed to do SQL BindCol (5)", statement);
}

void keepRow(ResultSetBuilder& rows, const KeyDefinition& key, const BulkColumns& columns) {
    std::optional<std::string_view> keyText = columns.text(0);
    if (!keyText || columns.truncated(0)) return;
    std::vector<SecondaryValue> secondaryValues;
    secondaryValues.reserve(key.secondaryColumns.size());
    for (std::size_t i = 0; i < key.secondaryColumns.size(); ++i) {
        secondaryValues.push_back(SecondaryValue{&key.secondaryColumns[i], FieldValue(columns.text(i + 1))});
    }
    rows.add(*keyText, std::move(secondaryValues));
}

}  // namespace

Bib1Result<ResultSet> RunOperandSearch(SessionRecord& session, const KeyDefinition& key,
                                       std::string_view statement) {
    if (Bib1Outcome connected = ConnectDatabase(session); !connected) return connected;
    if (std::optional<Bib1Result<ResultSet>> joined = RunJoinedKeySearch(session, key, statement))
        return std::move(*joined);
    SessionStatement prepared(session);
    if (Bib1Outcome ready = prepared.prepare(OdbcSource::Catalogue, statement); !ready) return ready;
    BulkColumns columns;
    if (Bib1Outcome bound = bindColumns(prepared.handle(), key, columns); !bound) return bound;
    if (!SQL_SUCCEEDED(SQLExecute(prepared.handle())))
        return fail("Sarvik Error: Failed to do SQL Execute (8)", prepared.handle());

    ResultSetBuilder builder(key);
    const bool logEachRow = logDetailEnabled();
    std::uint32_t fetched = 0;
    SQLRETURN result = SQL_NO_DATA;
    while (columns.next(prepared.handle(), &result)) {
        columns.reportTruncation();
        if (!key.decode) keepRow(builder, key, columns);
        if (logEachRow) LogDetail("Records retrieved " + std::to_string(fetched));
        ++fetched;
    }
    if (fetched == 0) {
        AppendNewDiag(
            NoRowsDiagnosticLine(result, FirstDiagnostic(SQL_HANDLE_STMT, prepared.handle()).message));
    }
    if (Bib1Outcome ended = CheckFetchEnd(prepared.handle(), result); !ended) return ended;
    return builder.finish();
}

std::string NoRowsDiagnosticLine(std::int32_t fetchResult, std::string_view message) {
    const char* label = "Default";
    switch (fetchResult) {
        case SQL_SUCCESS_WITH_INFO:
            label = "SQL_XSUCCESS_WITH_INFO";
            break;
        case SQL_NO_DATA:
            label = "SQL_XNO_DATA_FOUND";
            break;
        case SQL_STILL_EXECUTING:
            label = "SQL_XSTILL_EXECUTING";
            break;
        case SQL_ERROR:
            label = "SQL_XERROR";
            break;
        case SQL_INVALID_HANDLE:
            label = "SQL_XINVALID_HANDLE";
            break;
        default:
            fetchResult = 0;
            break;
    }
    return std::string(label) + " " + std::string(message) + "   " + std::to_string(fetchResult);
}
