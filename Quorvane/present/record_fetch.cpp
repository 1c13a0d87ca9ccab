#include "Quorvane/present/record_fetch.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <optional>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/database/field_statement.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/present/present_cache.h"
#include "Quorvane/present/present_definitions.h"
#include "Quorvane/records/definition_blocks.h"
#include "Quorvane/records/marc_definitions.h"

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

const DblList* presentDefinitions(const SessionRecord& session, const RecordFormatChoice& choice) {
    if (choice.format != nullptr) return choice.format->definitions.get();
    return choice.full ? session.fullDefinitions.get() : session.briefDefinitions.get();
}

std::optional<HoldingsColumns> holdingsColumns(const SessionRecord& session, std::string_view syntax) {
    if (syntax != kOpacSyntax) return std::nullopt;
    const MarcBlock2* block =
        FindMarcBlock2(session.marcHoldingsDefinitions.get(), session.currentDatabase.value_or(""));
    if (block == nullptr) return std::nullopt;
    return MarcHoldingsColumns(*block);
}

}  // namespace

std::string FormatResultKey(const ResultRow& row) {
    if (row.key != nullptr && row.key->textKey) return row.textKey.value_or("");
    std::string key = std::to_string(row.numericKey);
    const std::size_t width = row.key != nullptr ? paddingWidth(row.key->paddingRule) : 0;
    if (key.size() < width) key.insert(0, width - key.size(), '0');
    return key;
}

void FetchRecordFields(SessionRecord& session, std::string_view key, DblList* fields,
                       const RecordFormatChoice& choice, std::string_view syntax) {
    const std::string keyText = withoutPointZero(key);
    const PresentBlock* block =
        FindDatabaseBlock<PresentBlock>(presentDefinitions(session, choice), session.currentDatabase);
    if (block == nullptr) {
        LogMessage("No database " + session.currentDatabase.value_or("") +
                   " in second query definition file");
        setConfigError();
        return;
    }
    const std::optional<HoldingsColumns> holdings = holdingsColumns(session, syntax);
    for (const std::string& statement : block->statements) {
        RunFieldStatement(fields, keyText, syntax, session, statement, holdings ? &*holdings : nullptr);
    }
}

PresentCacheEntry* FetchPresentRecord(SessionRecord& session, ResultSetWalk& walk, std::uint32_t position,
                                      const RecordFormatChoice& choice, std::string_view syntax) {
    DblList& cache = *session.presentCache;
    if (PresentCacheEntry* cached = FindCachedRecord(cache, position)) return cached;
    const ResultRow* row = walk.rowAt(position);
    if (row == nullptr) return nullptr;
    auto entry = std::make_unique<PresentCacheEntry>();
    entry->fields.reset(CreateFieldList());
    entry->position = position;
    FetchRecordFields(session, FormatResultKey(*row), entry->fields.get(), choice, syntax);
    if (session.pendingDiagnostic != 0 || configErrorIsSet()) return nullptr;
    return AddCachedRecord(cache, std::move(entry));
}
