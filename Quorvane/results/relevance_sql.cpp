#include "Quorvane/results/relevance_sql.h"

#include <sqlext.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "Quorvane/database/bound_columns.h"
#include "Quorvane/database/connection.h"
#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/database/session_statement.h"
#include "Quorvane/database/sql_substitution.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/results/relevance_definition.h"
#include "Quorvane/results/relevance_factor.h"
#include "toolkit/util/str_class.h"
#include "toolkit/util/str_edit.h"

namespace {

std::int32_t referenceNumber(std::string_view reference) {
    if (reference.size() <= 7) return 0;
    return static_cast<std::int32_t>(std::strtol(std::string(reference.substr(7)).c_str(), nullptr, 10));
}

void report(const char* message, SQLHSTMT statement) {
    LogMessage(message);
    AppendDriverDiagnostic(SQL_HANDLE_STMT, statement);
}

// Runs the frequency statement for one keyword; the frequency of its first row, when that row holds a
// number, is appended. False when the statement could not be bound or executed (reported only); a failed
// connection or preparation gives its condition.
Bib1Result<bool> fetchFrequency(SessionRecord& session, const std::string& statement,
                                std::vector<std::uint64_t>& frequencies) {
    if (Bib1Outcome connected = ConnectDatabase(session); !connected) return connected;
    SessionStatement prepared(session);
    if (Bib1Outcome ready = prepared.prepare(OdbcSource::Catalogue, statement); !ready) return ready;
    BoundColumns columns;
    if (!columns.bind(prepared.handle(), kFrequencySize)) {
        report("Sarvik Error SO: Failed to do SQL BindCol (2)", prepared.handle());
        return false;
    }
    if (!SQL_SUCCEEDED(SQLExecute(prepared.handle()))) {
        report("Sarvik Error SO: Failed to do SQL Execute (3)", prepared.handle());
        return false;
    }
    SQLRETURN fetched = SQL_NO_DATA;
    if (!FetchNextRow(prepared.handle(), &fetched)) return true;
    std::optional<std::string_view> text = columns.text(0);
    if (text && StrIsDigitsOrSpaces(*text) == 1) {
        frequencies.push_back(std::strtoull(std::string(*text).c_str(), nullptr, 10));
    }
    return true;
}

}  // namespace

Bib1Result<std::string> BuildRelevanceSql(SessionRecord& session, std::string_view relevanceReference,
                                          std::string_view term) {
    std::optional<RelevanceDefinition> definition =
        FindRelevanceDefinition(session.controlFilesDir, referenceNumber(relevanceReference));
    if (!definition) return std::string();

    std::vector<std::string> keywords = RelevanceKeywords(term);
    std::vector<std::uint64_t> frequencies;
    for (const std::string& keyword : keywords) {
        if (keyword.empty()) continue;
        std::string statement = definition->frequencyStatement;
        SubstituteQuoted(statement, "XXKEYWORDXX", keyword);
        Bib1Result<bool> ran = fetchFrequency(session, statement, frequencies);
        if (!ran) return ran.outcome();
        if (!*ran) return std::string();
    }
    if (frequencies.empty()) return std::string();

    std::string statement = definition->mainStatement;
    StrReplaceAll(statement, "XXNORMXX", RelevanceFactor(frequencies));
    StrReplaceAll(statement, "XXKEYWORDSXX", RelevanceKeywordList(keywords));
    return statement;
}
