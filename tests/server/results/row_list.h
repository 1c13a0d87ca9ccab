#pragma once
// Row lists written as text in tests: numeric keys as decimals, text keys in quotes ('A').

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Quorvane/lists/dbl_list.h"
#include "Quorvane/results/result_insert.h"
#include "Quorvane/results/result_row.h"
#include "Quorvane/search/search_definitions.h"

// A row list that destroys itself.
struct ListDeleter {
    void operator()(DblList* rows) const { ListDestroy(rows); }
};
using Rows = std::unique_ptr<DblList, ListDeleter>;

// A key of the table T: TABLE.COLUMN written "T.<column>".
inline KeyDefinition keyDefinition(const std::string& column, bool textKey) {
    KeyDefinition key;
    key.keyText = "T." + column;
    key.table = "T";
    key.column = column;
    key.textKey = textKey;
    return key;
}

inline const KeyDefinition& numericKeyDefinition() {
    static const KeyDefinition key = keyDefinition("K", false);
    return key;
}

inline const KeyDefinition& textKeyDefinition() {
    static const KeyDefinition key = keyDefinition("CODE", true);
    return key;
}

// Inserts the blank-separated keys: 'X' under a text key, anything else under a numeric key.
inline DblList* rowList(const std::string& keys) {
    DblList* rows = CreateRowList();
    std::istringstream in(keys);
    for (std::string key; in >> key;) {
        if (key.front() == '\'') {
            InsertResultRow(rows, key.substr(1, key.size() - 2), textKeyDefinition());
        } else {
            InsertResultRow(rows, key, numericKeyDefinition());
        }
    }
    return rows;
}

inline std::string keyOf(const ResultRow& row) {
    return row.textKey ? "'" + *row.textKey + "'" : std::to_string(row.numericKey);
}

// The keys of the list in order, blank-separated.
inline std::string keysOf(const DblList* rows) {
    std::string text;
    for (const DblNode* node = rows->first; node != nullptr; node = node->next) {
        if (!text.empty()) text += ' ';
        text += keyOf(*static_cast<const ResultRow*>(node->datum));
    }
    return text;
}
