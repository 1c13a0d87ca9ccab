#include "Quorvane/database/record_rows.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "Quorvane/database/key_list_statement.h"
#include "Quorvane/database/key_parameters.h"
#include "Quorvane/database/record_columns.h"
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

// Binds, executes and fetches the prepared statement, each row going to the handler.
RowFetch runPrepared(SQLHSTMT statement, std::size_t columnCount, RequestMemory* memory,
                     const std::function<bool(const BulkColumns&)>& handle) {
    BulkColumns columns;
    columns.plan(statement, columnCount, kRecordColumnSize, kRecordAreaBudget);
    AreaReservation areas(memory);
    if (!areas.reserve(columns.areaBytes())) return RowFetch::Stopped;
    if (!BindAndExecute(statement, columns)) return RowFetch::Failed;
    SQLRETURN fetched = SQL_NO_DATA;
    while (columns.next(statement, &fetched)) {
        columns.reportTruncation();
        if (!handle(columns)) return RowFetch::Stopped;
    }
    return CheckFetchEnd(statement, fetched) ? RowFetch::Done : RowFetch::Failed;
}

RowFetch fetchPerKey(SessionRecord& session, OdbcSource source, std::string_view statementTemplate,
                     std::size_t columnCount, const KeyGroups& groups, RecordRowSink& sink,
                     RequestMemory* memory) {
    for (std::size_t k = 0; k < groups.texts.size(); ++k) {
        SessionStatement prepared(session);
        if (!prepared.prepareKeyed(source, statementTemplate, groups.texts[k])) return RowFetch::Failed;
        const std::vector<std::size_t>& records = groups.records[k];
        const RowFetch result =
            runPrepared(prepared.handle(), columnCount, memory, [&](const BulkColumns& columns) {
                return std::all_of(records.begin(), records.end(),
                                   [&](std::size_t record) { return sink.take(record, columns); });
            });
        if (result != RowFetch::Done) return result;
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
    SessionStatement prepared(session);
    if (!prepared.prepareKeyList(source, statement, keys)) return RowFetch::Failed;
    return runPrepared(prepared.handle(), columnCount + 1, memory, [&](const BulkColumns& columns) {
        const std::optional<std::string_view> keyText = columns.text(columnCount);
        const std::optional<std::int64_t> key = keyText ? KeyInteger(*keyText) : std::nullopt;
        const auto found = key ? groupsOf.find(*key) : groupsOf.end();
        if (found == groupsOf.end()) {
            LogAndDiagnose("Sarvik Warning: a row of key " + std::string(keyText.value_or("NULL")) +
                           " matches no record");
            return true;
        }
        for (std::size_t group : found->second) {
            for (std::size_t record : groups.records[group]) {
                if (!sink.take(record, columns)) return false;
            }
        }
        return true;
    });
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
