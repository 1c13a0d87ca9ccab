#include "Quorvane/present/record_fetch.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/database/field_statement.h"
#include "Quorvane/database/key_list_statement.h"
#include "Quorvane/database/select_list.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/present/present_cache.h"
#include "Quorvane/present/present_definitions.h"
#include "Quorvane/protocol/marc_syntax.h"
#include "Quorvane/records/definition_blocks.h"
#include "Quorvane/records/marc_definitions.h"
#include "Quorvane/records/marc_record_builder.h"
#include "toolkit/util/str_case.h"

namespace {

constexpr std::size_t kKeyWidthLimit = 99;

// The width of a PADLZ<width> rule; 0 for any other rule.
std::size_t paddingWidth(const std::optional<std::string>& rule) {
    if (!rule || rule->size() < 5 || rule->compare(0, 3, "PAD") != 0 || (*rule)[3] != 'L' ||
        (*rule)[4] != 'Z') {
        return 0;
    }
    std::size_t width = 0;
    const char* digits = rule->data() + 5;
    const std::from_chars_result parsed = std::from_chars(digits, rule->data() + rule->size(), width);
    if (parsed.ec == std::errc::result_out_of_range) return kKeyWidthLimit;
    return std::min(width, kKeyWidthLimit);
}

std::string withoutPointZero(std::string_view key) {
    std::string text(key);
    for (std::size_t at = text.find(".0"); at != std::string::npos; at = text.find(".0", at)) {
        text.erase(at, 2);
    }
    return text;
}

const DefinitionBlocks<PresentBlock>& presentDefinitions(const SessionRecord& session,
                                                         const RecordFormatChoice& choice) {
    if (choice.format != nullptr) return choice.format->definitions;
    return choice.full ? session.fullDefinitions : session.briefDefinitions;
}

// The columns the record builder of the syntax reads, when it reads only some (the MARC row mapping).
std::optional<std::vector<std::string>> columnsRead(const SessionRecord& session, std::string_view syntax) {
    if (!BuiltAsMarc(syntax)) return std::nullopt;
    return MarcColumnsRead(session);
}

// Whether the statement selects a column of the list (names compared ignoring case).
bool selectsAny(std::string_view statement, const std::vector<std::string>& columns) {
    for (const std::string& name : SplitSelectList(statement, true)) {
        for (const std::string& column : columns) {
            if (StrCaseCompare(name, column) == 0) return true;
        }
    }
    return false;
}

std::optional<HoldingsColumns> holdingsColumns(const SessionRecord& session, std::string_view syntax) {
    if (syntax != kOpacSyntax) return std::nullopt;
    const MarcBlock2* block =
        FindMarcBlock2(session.marcHoldingsDefinitions, session.currentDatabase.value_or(""));
    if (block == nullptr) return std::nullopt;
    return MarcHoldingsColumns(*block);
}

// The positions of the range the cache lacks, with the key of each; the cached ones are marked used.
std::vector<std::pair<std::uint32_t, std::string>> positionsToFetch(SessionRecord& session,
                                                                    std::uint32_t start,
                                                                    std::uint32_t number) {
    std::vector<std::pair<std::uint32_t, std::string>> wanted;
    for (std::uint32_t i = 0; i < number; ++i) {
        const std::uint32_t position = start + i;
        if (FindCachedRecord(*session.presentCache, position) != nullptr) continue;
        const std::optional<ResultRow> row = session.resultSet.rowAtPosition(position);
        if (!row) break;
        wanted.emplace_back(position, FormatResultKey(*row));
    }
    return wanted;
}

}  // namespace

bool BuiltAsMarc(std::string_view syntax) {
    return syntax == kOpacSyntax || IsMarcSyntax(syntax) != 0;
}

std::string FormatResultKey(const ResultRow& row) {
    if (row.key != nullptr && row.key->textKey) return std::string(row.textKey.value_or(""));
    std::string key = std::to_string(row.numericKey);
    const std::size_t width = row.key != nullptr ? paddingWidth(row.key->paddingRule) : 0;
    if (key.size() < width) key.insert(0, width - key.size(), '0');
    return key;
}

Bib1Result<RowFetch> FetchRecordFields(SessionRecord& session, std::span<RecordFieldTarget> records,
                                       const RecordFormatChoice& choice, std::string_view syntax,
                                       RequestMemory* memory) {
    for (RecordFieldTarget& record : records) record.key = withoutPointZero(record.key);
    const PresentBlock* block = FindDatabaseBlock(presentDefinitions(session, choice),
                                                  &PresentBlock::databases, session.currentDatabase);
    if (block == nullptr) {
        LogMessage("No database " + session.currentDatabase.value_or("") +
                   " in second query definition file");
        setConfigError();
        return Bib1Outcome::failure(kConditionConfigurationFailure);
    }
    const std::optional<HoldingsColumns> holdings = holdingsColumns(session, syntax);
    const std::optional<std::vector<std::string>> read = columnsRead(session, syntax);
    for (const std::string& statement : block->statements) {
        if (read && !selectsAny(statement, *read)) continue;  // its fields would never reach the record
        const RowFetch fetched = RunFieldStatementForRecords(records, syntax, session, statement,
                                                             holdings ? &*holdings : nullptr, memory);
        if (fetched == RowFetch::Failed) return Bib1Outcome::failure(kConditionTemporarySystemError);
        if (fetched != RowFetch::Done) return fetched;
    }
    return RowFetch::Done;
}

Bib1Result<RowFetch> FetchPresentRecords(SessionRecord& session, std::uint32_t start, std::uint32_t number,
                                         const RecordFormatChoice& choice, std::string_view syntax,
                                         RequestMemory& memory) {
    PresentCache& cache = *session.presentCache;
    const std::vector<std::pair<std::uint32_t, std::string>> wanted =
        positionsToFetch(session, start, number);
    if (memory.limit() != 0 && CachedRecordOctets(cache) > memory.limit()) DropUnusedRecords(cache);

    for (std::size_t first = 0; first < wanted.size(); first += KeyListStatement::kMaxKeys) {
        const std::size_t count = std::min(KeyListStatement::kMaxKeys, wanted.size() - first);
        std::vector<std::unique_ptr<PresentCacheEntry>> entries;
        std::vector<RecordFieldTarget> records;
        for (std::size_t i = first; i < first + count; ++i) {
            auto entry = std::make_unique<PresentCacheEntry>();
            entry->position = wanted[i].first;
            records.push_back(RecordFieldTarget{wanted[i].second, &entry->fields, 0});
            entries.push_back(std::move(entry));
        }
        Bib1Result<RowFetch> fetched = FetchRecordFields(session, records, choice, syntax, &memory);
        if (fetched && *fetched == RowFetch::Done && configErrorIsSet())
            fetched = Bib1Outcome::failure(kConditionConfigurationFailure);
        if (!fetched || *fetched != RowFetch::Done) {
            for (const RecordFieldTarget& record : records) memory.release(record.footprint);
            return fetched;
        }
        for (std::size_t i = 0; i < count; ++i) {
            entries[i]->memory = memory.take(records[i].footprint);
            entries[i]->used = 1;
            AddCachedRecord(cache, std::move(entries[i]));
        }
    }
    return RowFetch::Done;
}
