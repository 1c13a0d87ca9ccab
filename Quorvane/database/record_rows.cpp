#include "Quorvane/database/record_rows.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "Quorvane/database/column_areas.h"
#include "Quorvane/database/key_list_statement.h"
#include "Quorvane/database/key_parameters.h"
#include "Quorvane/database/odbc_connection.h"
#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/sql_substitution.h"
#include "Quorvane/log/operations_log.h"

namespace {

// The distinct keys in the order of their first record, each with its records.
struct KeyGroups {
    std::vector<std::string_view> texts;
    std::vector<std::vector<std::size_t>> records;
};

KeyGroups groupKeys(std::span<const std::string> keys) {
    KeyGroups groups;
    std::unordered_map<std::string_view, std::size_t> indexOf;
    for (std::size_t record = 0; record < keys.size(); ++record) {
        auto [at, added] = indexOf.try_emplace(keys[record], groups.texts.size());
        if (added) {
            groups.texts.push_back(keys[record]);
            groups.records.emplace_back();
        }
        groups.records[at->second].push_back(record);
    }
    return groups;
}

// The integer of every key; nothing when one is no integer.
std::optional<std::vector<std::int64_t>> integersOf(const std::vector<std::string_view>& texts) {
    std::vector<std::int64_t> numbers;
    for (std::string_view text : texts) {
        std::optional<std::int64_t> number = KeyInteger(text);
        if (!number) return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

// The column areas' octets, held against the request's memory while the statement runs.
class AreaReservation {
  public:
    explicit AreaReservation(RequestMemory* memory) : memory_(memory) {}
    ~AreaReservation() {
        if (memory_ != nullptr) memory_->release(bytes_);
    }
    AreaReservation(const AreaReservation&) = delete;
    AreaReservation& operator=(const AreaReservation&) = delete;
    bool reserve(std::size_t bytes) {
        if (memory_ != nullptr && !memory_->reserve(bytes)) return false;
        bytes_ = bytes;
        return true;
    }

  private:
    RequestMemory* memory_;
    std::size_t bytes_ = 0;
};

using RowHandler = std::function<bool(RowValues)>;

// Binds, executes and fetches the prepared statement, each row going to the handler.
RowFetch runPrepared(SQLHSTMT statement, std::size_t columnCount, RequestMemory* memory,
                     const RowHandler& handle, RecordRowSink& sink) {
    BulkColumns columns;
    columns.plan(statement, columnCount, kRecordColumnSize, kRecordAreaBudget);
    AreaReservation areas(memory);
    if (!areas.reserve(columns.areaBytes())) return RowFetch::Stopped;
    if (!BindAndExecute(statement, columns)) return RowFetch::Failed;
    std::vector<std::optional<std::string_view>> row(columnCount);
    SQLRETURN fetched = SQL_NO_DATA;
    while (columns.next(statement, &fetched)) {
        columns.reportTruncation();
        for (std::size_t i = 0; i < columnCount; ++i) row[i] = columns.text(i);
        if (!handle(row)) return RowFetch::Stopped;
    }
    if (!CheckFetchEnd(statement, fetched)) return RowFetch::Failed;
    return sink.rowsFetched() ? RowFetch::Done : RowFetch::Stopped;
}

// A value longer than a bound column area takes, cut as the driver cuts it.
struct CutValue {
    std::size_t column;  // from 1
    std::size_t total;
};

// Hands the rows of the row function on to the handler with every value cut to kRecordColumnSize - 1
// octets, as the driver's column areas would; the cuts are reported once the statement is logged.
class CuttingRowHandler {
  public:
    explicit CuttingRowHandler(const RowHandler& handle) : handle_(handle) {}

    bool operator()(RowValues row) {
        ++rows_;
        constexpr std::size_t kKept = kRecordColumnSize - 1;
        if (std::none_of(row.begin(), row.end(),
                         [](const auto& value) { return value && value->size() > kKept; }))
            return handle_(row);
        cutRow_.assign(row.begin(), row.end());
        for (std::size_t i = 0; i < cutRow_.size(); ++i) {
            if (!cutRow_[i] || cutRow_[i]->size() <= kKept) continue;
            cuts_.push_back({i + 1, cutRow_[i]->size()});
            cutRow_[i] = cutRow_[i]->substr(0, kKept);
        }
        return handle_(cutRow_);
    }

    std::size_t rows() const { return rows_; }
    void reportCuts() const {
        for (const CutValue& cut : cuts_)
            ReportTruncatedColumn(cut.column, kRecordColumnSize - 1, static_cast<SQLLEN>(cut.total));
    }

  private:
    const RowHandler& handle_;
    std::size_t rows_ = 0;
    std::vector<std::optional<std::string_view>> cutRow_;
    std::vector<CutValue> cuts_;
};

// The key-list statement as run with the row function: its rows never leave SQLite.
std::string rowFunctionForm(std::string_view text, std::size_t columnCount) {
    while (!text.empty() && (std::isspace(static_cast<unsigned char>(text.back())) || text.back() == ';'))
        text.remove_suffix(1);
    std::string columns;
    for (std::size_t i = 1; i <= columnCount; ++i)
        columns.append(i == 1 ? "c" : ", c").append(std::to_string(i));
    // LIMIT keeps the rows of the common table expression in the statement's order: it is neither merged
    // into the outer query nor has the condition pushed into it, so the function sees the rows in order.
    std::string form = "WITH quorvane_rows(" + columns + ") AS (";
    form.append(text).append("\nLIMIT -1) SELECT 1 FROM quorvane_rows WHERE ");
    form.append(kRowFunctionName).append("(").append(columns).append(")");
    return form;
}

// A statement run with the row function: its row-function form prepared quietly (kept, parameters
// bound), and its text as diaginfo.txt is to show it.
struct RowFunctionStatement {
    std::function<bool(SessionStatement&)> prepare;
    std::function<std::string()> shown;
};

// The statement run with the row function; nothing when the caller is to fetch its rows through the driver
// instead (no SQLite, the form refused, or a failure before the first row).
std::optional<RowFetch> fetchInsideSqlite(SessionRecord& session, OdbcSource source,
                                          const RowFunctionStatement& statement, const RowHandler& handle) {
    const OdbcConnection* connection = SourceConnection(session, source);
    if (connection == nullptr || !connection->sqlite() || !SqliteRowFunctionRegistered()) return std::nullopt;
    SessionStatement prepared(session);
    if (!statement.prepare(prepared)) return std::nullopt;
    CuttingRowHandler rows(handle);
    RowSinkScope sink(rows);
    // Every row is taken by the first step: the statement itself returns none.
    const bool ran =
        SQL_SUCCEEDED(SQLExecute(prepared.handle())) && SQLFetch(prepared.handle()) == SQL_NO_DATA;
    if (!ran && (sink.failed() || (!sink.stopped() && rows.rows() == 0))) {
        prepared.abandon();
        sink.rethrowFailure();
        return std::nullopt;
    }
    prepared.announce(statement.shown());
    rows.reportCuts();
    if (ran) return RowFetch::Done;
    if (sink.stopped()) {
        prepared.abandon();
        return RowFetch::Stopped;
    }
    static_cast<void>(CheckFetchEnd(prepared.handle(), SQL_ERROR));
    return RowFetch::Failed;
}

// The template for one key run with the row function, where its key can be a parameter.
std::optional<RowFetch> fetchKeyedInsideSqlite(SessionRecord& session, OdbcSource source,
                                               std::string_view statementTemplate, std::string_view key,
                                               std::size_t columnCount, const RowHandler& handle) {
    std::optional<KeyParameters> parameters = KeyParameters::make(statementTemplate, key);
    if (!parameters) return std::nullopt;
    const RowFunctionStatement statement{[&](SessionStatement& prepared) {
                                             return prepared.prepareKeyedQuietly(
                                                 source, rowFunctionForm(parameters->text(), columnCount),
                                                 *parameters);
                                         },
                                         [&] {
                                             std::string substituted(statementTemplate);
                                             SubstituteQuoted(substituted, "XXXXX", key);
                                             return substituted;
                                         }};
    return fetchInsideSqlite(session, source, statement, handle);
}

RowFetch fetchPerKey(SessionRecord& session, OdbcSource source, std::string_view statementTemplate,
                     std::size_t columnCount, const KeyGroups& groups, RecordRowSink& sink,
                     RequestMemory* memory) {
    for (std::size_t k = 0; k < groups.texts.size(); ++k) {
        const std::vector<std::size_t>& records = groups.records[k];
        const RowHandler handle = [&](RowValues row) {
            return std::all_of(records.begin(), records.end(),
                               [&](std::size_t record) { return sink.take(record, row); });
        };
        std::optional<RowFetch> result =
            fetchKeyedInsideSqlite(session, source, statementTemplate, groups.texts[k], columnCount, handle);
        if (!result) {
            SessionStatement prepared(session);
            if (!prepared.prepareKeyed(source, statementTemplate, groups.texts[k])) return RowFetch::Failed;
            result = runPrepared(prepared.handle(), columnCount, memory, handle, sink);
        }
        if (*result != RowFetch::Done) return *result;
    }
    return RowFetch::Done;
}

// One key-list statement for the keys [first, first + count) of the groups; the key column follows the
// template's columns.
RowFetch fetchKeyList(SessionRecord& session, OdbcSource source, const KeyListStatement& statement,
                      std::size_t columnCount, const KeyGroups& groups, std::span<const std::int64_t> keys,
                      std::size_t first, RecordRowSink& sink, RequestMemory* memory) {
    std::unordered_map<std::int64_t, std::vector<std::size_t>> groupsOf;  // two texts may give one number
    for (std::size_t k = 0; k < keys.size(); ++k) groupsOf[keys[k]].push_back(first + k);
    const RowHandler handle = [&](RowValues row) {
        const std::optional<std::string_view> keyText = row[columnCount];
        const std::optional<std::int64_t> key = keyText ? KeyInteger(*keyText) : std::nullopt;
        const auto found = key ? groupsOf.find(*key) : groupsOf.end();
        if (found == groupsOf.end()) {
            LogAndDiagnose("Sarvik Warning: a row of key " + std::string(keyText.value_or("NULL")) +
                           " matches no record");
            return true;
        }
        for (std::size_t group : found->second) {
            for (std::size_t record : groups.records[group]) {
                if (!sink.take(record, row)) return false;
            }
        }
        return true;
    };
    const RowFunctionStatement inside{[&](SessionStatement& prepared) {
                                          return prepared.prepareKeyListQuietly(
                                              source, rowFunctionForm(statement.text(), columnCount + 1),
                                              statement, keys);
                                      },
                                      [&] { return statement.shown(keys); }};
    if (std::optional<RowFetch> fetched = fetchInsideSqlite(session, source, inside, handle)) return *fetched;
    SessionStatement prepared(session);
    if (!prepared.prepareKeyList(source, statement, keys)) return RowFetch::Failed;
    return runPrepared(prepared.handle(), columnCount + 1, memory, handle, sink);
}

}  // namespace

RowFetch FetchRecordRows(SessionRecord& session, OdbcSource source, std::string_view statementTemplate,
                         std::size_t columnCount, std::span<const std::string> keys, RecordRowSink& sink,
                         RequestMemory* memory) {
    const KeyGroups groups = groupKeys(keys);
    const std::optional<std::vector<std::int64_t>> numbers =
        groups.texts.size() > 1 ? integersOf(groups.texts) : std::nullopt;
    if (!numbers || !KeyListStatement::make(statementTemplate, 2)) {
        return fetchPerKey(session, source, statementTemplate, columnCount, groups, sink, memory);
    }
    for (std::size_t first = 0; first < numbers->size(); first += KeyListStatement::kMaxKeys) {
        const std::size_t count = std::min(KeyListStatement::kMaxKeys, numbers->size() - first);
        const std::span<const std::int64_t> chunk(numbers->data() + first, count);
        const std::optional<KeyListStatement> statement = KeyListStatement::make(statementTemplate, count);
        const RowFetch result = statement ? fetchKeyList(session, source, *statement, columnCount, groups,
                                                         chunk, first, sink, memory)
                                          : RowFetch::Failed;
        if (result != RowFetch::Done) return result;
    }
    return RowFetch::Done;
}
