#include "Quorvane/results/result_row_collector.h"

#include <algorithm>

#include "Quorvane/results/result_insert.h"

ResultRowCollector::ResultRowCollector(const KeyDefinition& key) : key_(key) {}

ResultRow* ResultRowCollector::add(std::string_view keyText) {
    std::unique_ptr<ResultRow> row = BuildResultRow(keyText, key_);
    if (rows_.empty() && !row->textKey && row->numericKey == 0) return nullptr;
    rows_.push_back(std::move(row));
    return rows_.back().get();
}

DblList* ResultRowCollector::finish() {
    // Stable, so that of equal keys the row fetched first comes first and is the one kept.
    const auto before = [](const auto& a, const auto& b) { return CompareResultRows(*a, *b) < 0; };
    if (!std::is_sorted(rows_.begin(), rows_.end(), before))
        std::stable_sort(rows_.begin(), rows_.end(), before);
    DblList* list = CreateRowList();
    const ResultRow* last = nullptr;
    for (std::unique_ptr<ResultRow>& row : rows_) {
        if (last != nullptr && CompareResultRows(*row, *last) == 0) continue;
        last = row.get();
        ListInsert(list, row.release());
    }
    rows_.clear();
    return list;
}
