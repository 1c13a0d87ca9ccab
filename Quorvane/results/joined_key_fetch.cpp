#include "Quorvane/results/joined_key_fetch.h"

#include <sqlext.h>

#include <array>
#include <cstdint>

#include "Quorvane/database/new_diag_log.h"
#include "Quorvane/database/odbc_connection.h"
#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/session_statement.h"
#include "Quorvane/log/log_files.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/results/key_fetch.h"
#include "Quorvane/results/result_set_builder.h"

namespace {

// The joined text is read in pieces of this size.
constexpr std::size_t kPieceSize = 32 * 1024;

// The rows whose key is not an integer (column 1); nothing when the driver will not tell.
std::optional<std::int64_t> nonIntegerRows(SQLHSTMT statement) {
    std::int64_t count = 0;
    SQLLEN indicator = 0;
    if (!SQL_SUCCEEDED(SQLGetData(statement, 1, SQL_C_SBIGINT, &count, sizeof count, &indicator)) ||
        indicator == SQL_NULL_DATA) {
        return std::nullopt;
    }
    return count;
}

// Reads the joined keys (column 2) into the splitter; false when the driver fails on the way.
bool readJoinedKeys(SQLHSTMT statement, JoinedKeySplitter& splitter) {
    std::array<char, kPieceSize> piece;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN result =
            SQLGetData(statement, 2, SQL_C_CHAR, piece.data(), static_cast<SQLLEN>(piece.size()), &indicator);
        if (result == SQL_NO_DATA || (SQL_SUCCEEDED(result) && indicator == SQL_NULL_DATA)) break;
        if (!SQL_SUCCEEDED(result)) return false;
        // A piece the area cannot hold whole fills it but for the terminating zero.
        const bool whole = indicator != SQL_NO_TOTAL && indicator < static_cast<SQLLEN>(piece.size());
        splitter.feed(
            std::string_view(piece.data(), whole ? static_cast<std::size_t>(indicator) : piece.size() - 1));
        if (result == SQL_SUCCESS) break;
    }
    splitter.finish();
    return true;
}

}  // namespace

std::string JoinedKeyStatement(std::string_view statement) {
    std::string joined = "WITH found(k) AS (";
    joined.append(statement);
    joined.append(
        ") SELECT count(*) - count(CASE WHEN typeof(k) = 'integer' THEN 1 END), group_concat(k) "
        "FROM found");
    return joined;
}

bool KeysCanBeJoined(const KeyDefinition& key, bool sqlite) {
    return sqlite && !key.decode && !key.textKey && !key.subKey && key.secondaryColumns.empty() &&
           !key.paddingRule;
}

void JoinedKeySplitter::feed(std::string_view piece) {
    std::size_t start = 0;
    for (std::size_t comma = piece.find(','); comma != std::string_view::npos;
         comma = piece.find(',', start)) {
        if (partial_.empty()) {
            sink_(piece.substr(start, comma - start));
        } else {
            partial_.append(piece.substr(start, comma - start));
            sink_(partial_);
            partial_.clear();
        }
        start = comma + 1;
    }
    partial_.append(piece.substr(start));
}

void JoinedKeySplitter::finish() {
    if (!partial_.empty()) sink_(partial_);
    partial_.clear();
}

std::optional<Bib1Result<ResultSet>> RunJoinedKeySearch(SessionRecord& session, const KeyDefinition& key,
                                                        std::string_view statement) {
    if (session.catalogueConnection == nullptr ||
        !KeysCanBeJoined(key, session.catalogueConnection->sqlite()))
        return std::nullopt;
    SessionStatement joined(session);
    if (!joined.prepareQuietly(OdbcSource::Catalogue, JoinedKeyStatement(statement)) ||
        !SQL_SUCCEEDED(SQLExecute(joined.handle())) || !SQL_SUCCEEDED(SQLFetch(joined.handle())) ||
        nonIntegerRows(joined.handle()) != 0) {
        joined.abandon();
        return std::nullopt;
    }
    joined.announce(statement);

    ResultSetBuilder builder(key);
    const bool logEachRow = logDetailEnabled();
    std::uint32_t fetched = 0;
    JoinedKeySplitter splitter([&](std::string_view keyText) {
        builder.add(keyText);
        if (logEachRow) LogDetail("Records retrieved " + std::to_string(fetched));
        ++fetched;
    });
    if (!readJoinedKeys(joined.handle(), splitter))
        return Bib1Result<ResultSet>(CheckFetchEnd(joined.handle(), SQL_ERROR));
    if (fetched == 0) AppendNewDiag(NoRowsDiagnosticLine(SQL_NO_DATA, ""));
    return Bib1Result<ResultSet>(builder.finish());
}
