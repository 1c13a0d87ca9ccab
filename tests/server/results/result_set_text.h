#pragma once
// Result sets written as text in tests: numeric keys as decimals, text keys in quotes ('A'); a row's first
// secondary value, where it has one, after an '@'.

#include <sstream>
#include <string>

#include "Quorvane/results/result_combine.h"
#include "Quorvane/results/result_set.h"
#include "Quorvane/results/result_set_builder.h"
#include "Quorvane/search/search_definitions.h"

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

// The same keys with one secondary column, T.NOTE.
inline KeyDefinition notedKeyDefinition(bool textKey) {
    KeyDefinition key = keyDefinition(textKey ? "CODE" : "K", textKey);
    key.secondaryColumns.push_back(SecondaryColumn{"T.NOTE", "XXNOTEXX"});
    return key;
}

inline const KeyDefinition& notedNumericKey() {
    static const KeyDefinition key = notedKeyDefinition(false);
    return key;
}

inline const KeyDefinition& notedTextKey() {
    static const KeyDefinition key = notedKeyDefinition(true);
    return key;
}

// The set of the blank-separated keys: 'X' under a text key, anything else under a numeric key. With a
// note, every row carries it as its secondary value.
inline ResultSet resultSet(const std::string& keys, const std::string& note = "") {
    const bool noted = !note.empty();
    ResultSetBuilder numeric(noted ? notedNumericKey() : numericKeyDefinition());
    ResultSetBuilder text(noted ? notedTextKey() : textKeyDefinition());
    std::istringstream in(keys);
    for (std::string key; in >> key;) {
        const bool quoted = key.front() == '\'';
        const KeyDefinition& definition = quoted ? notedTextKey() : notedNumericKey();
        std::vector<SecondaryValue> values;
        if (noted) values.push_back(SecondaryValue{&definition.secondaryColumns[0], note});
        if (quoted) {
            text.add(key.substr(1, key.size() - 2), std::move(values));
        } else {
            numeric.add(key, std::move(values));
        }
    }
    return UnionResults(numeric.finish(), text.finish());
}

inline std::string keyOf(const ResultRow& row) {
    std::string key = row.textKey ? "'" + std::string(*row.textKey) + "'" : std::to_string(row.numericKey);
    if (!row.secondaryValues.empty()) key += "@" + row.secondaryValues[0].value.value_or("-");
    return key;
}

// The rows of the set in order, blank-separated.
inline std::string rowsOf(const ResultSet& rows) {
    std::string text;
    for (std::size_t i = 0; i < rows.rowCount(); ++i) {
        if (!text.empty()) text += ' ';
        text += keyOf(rows.row(i));
    }
    return text;
}
