#include "Quorvane/results/joined_key_fetch.h"

#include <sqlext.h>

#include <cstdint>

#include "Quorvane/database/new_diag_log.h"
#include "Quorvane/database/odbc_connection.h"
#include "Quorvane/database/session_statement.h"
#include "Quorvane/database/sqlite_key_aggregate.h"
#include "Quorvane/database/text_parameters.h"
#include "Quorvane/log/log_files.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/results/key_fetch.h"
#include "Quorvane/results/result_set_builder.h"

namespace {

// The statement in its joined form.
std::string joinedKeyStatement(std::string_view statement) {
    std::string joined = "WITH found(k) AS (";
    joined.append(statement);
    joined.append(") SELECT ");
    joined.append(kKeyAggregateName);
    joined.append("(k) FROM found");
    return joined;
}

}  // namespace

bool KeysCanBeJoined(const KeyDefinition& key, bool sqlite) {
    return sqlite && SqliteKeyAggregateRegistered() && !key.decode && !key.textKey && !key.subKey &&
           key.secondaryColumns.empty() && !key.paddingRule;
}

std::optional<Bib1Result<ResultSet>> RunJoinedKeySearch(SessionRecord& session, const KeyDefinition& key,
                                                        std::string_view statement) {
    if (session.catalogueConnection == nullptr ||
        !KeysCanBeJoined(key, session.catalogueConnection->sqlite()))
        return std::nullopt;
    ResultSetBuilder builder(key);
    std::uint32_t fetched = 0;
    auto keep = [&builder, &fetched](std::span<const std::int64_t> numbers) {
        builder.addNumbers(numbers);
        fetched += static_cast<std::uint32_t>(numbers.size());
    };
    // Prepared once per shape where its texts can be parameters, else as it stands.
    const std::string joinedText = joinedKeyStatement(statement);
    std::optional<TextParameters> texts = TextParameters::make(joinedText);
    SessionStatement joined(session);
    bool done = (texts && joined.prepareTextsQuietly(OdbcSource::Catalogue, *texts)) ||
                joined.prepareQuietly(OdbcSource::Catalogue, joinedText);
    if (done) {
        KeySinkScope sink(keep);
        done = SQL_SUCCEEDED(SQLExecute(joined.handle())) && SQL_SUCCEEDED(SQLFetch(joined.handle()));
    }
    if (!done) {
        joined.abandon();
        return std::nullopt;
    }
    joined.announce(statement);
    // The plain fetch logs each row as it comes; these came all at once.
    if (logDetailEnabled())
        for (std::uint32_t row = 0; row < fetched; ++row)
            LogDetail("Records retrieved " + std::to_string(row));
    if (fetched == 0) AppendNewDiag(NoRowsDiagnosticLine(SQL_NO_DATA, ""));
    return Bib1Result<ResultSet>(builder.finish());
}
