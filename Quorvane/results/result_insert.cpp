#include "Quorvane/results/result_insert.h"

namespace {

const ResultRow& rowOf(const DblNode* node) {
    return *static_cast<const ResultRow*>(node->datum);
}

ResultRow* insertBefore(DblList* rows, DblNode* node, std::unique_ptr<ResultRow> row) {
    rows->cursor = node;
    ResultRow* added = row.release();
    ListInsertBefore(rows, added);
    return added;
}

ResultRow* insertAfter(DblList* rows, DblNode* node, std::unique_ptr<ResultRow> row) {
    rows->cursor = node;
    ResultRow* added = row.release();
    ListInsert(rows, added);
    return added;
}

}  // namespace

std::unique_ptr<ResultRow> BuildResultRow(std::string_view keyText, const KeyDefinition& key) {
    auto row = std::make_unique<ResultRow>();
    if (key.textKey) {
        row->textKey = std::string(keyText);
    } else {
        row->numericKey = ParseNumericKey(keyText);
    }
    row->subKey = key.subKey ? &*key.subKey : nullptr;
    row->key = &key;
    return row;
}

ResultRow* InsertResultRow(DblList* rows, std::string_view keyText, const KeyDefinition& key) {
    std::unique_ptr<ResultRow> row = BuildResultRow(keyText, key);
    DblNode* cursor = rows->cursor != nullptr ? rows->cursor : rows->last;
    if (cursor == nullptr) {
        if (!row->textKey && row->numericKey == 0) return nullptr;
        return insertAfter(rows, nullptr, std::move(row));
    }
    int order = CompareResultRows(*row, rowOf(cursor));
    if (order == 0) return nullptr;
    if (order > 0) {
        for (DblNode* node = cursor->next; node != nullptr; node = node->next) {
            int against = CompareResultRows(*row, rowOf(node));
            if (against > 0) continue;
            if (against == 0) {
                rows->cursor = node;
                return nullptr;
            }
            return insertBefore(rows, node, std::move(row));
        }
        return insertAfter(rows, rows->last, std::move(row));
    }
    for (DblNode* node = cursor->prev; node != nullptr; node = node->prev) {
        int against = CompareResultRows(*row, rowOf(node));
        if (against < 0) continue;
        if (against == 0) {
            rows->cursor = node;
            return nullptr;
        }
        return insertAfter(rows, node, std::move(row));
    }
    return insertBefore(rows, rows->first, std::move(row));
}
