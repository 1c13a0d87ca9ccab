#pragma once
// Result rows: one per record key a search found. Rows refer to the search definitions they were found
// under, which live as long as the session. A row list is a DblList of ResultRow in ascending key
// order without two rows of the same key; each row belongs to exactly one list.
//
// Key order is total, so that lists found under different keys combine safely: numeric keys come first,
// in unsigned order, then text keys in octet order (as strcmp orders them).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Quorvane/lists/dbl_list.h"
#include "Quorvane/search/search_definitions.h"

// The value of a secondary column fetched together with a key.
struct SecondaryValue {
    // The column and its substitution text (not owned: part of the key's definition).
    const SecondaryColumn* column = nullptr;
    // Absent when the fetched text was NULL, empty or "Not Applicable".
    std::optional<std::string> value;
};

struct ResultRow {
    // The key text read as an unsigned decimal; 0 for a text key or a text holding no such number.
    std::uint32_t numericKey = 0;
    // The sub-key of the row's key (not owned); null without one.
    const SubKeyDefinition* subKey = nullptr;
    // Filled by sub-key expansion.
    std::vector<std::string> subKeyValues;
    // One per secondary column of the key, in column order; empty without secondary columns.
    std::vector<SecondaryValue> secondaryValues;
    // The key the row was found under (not owned).
    const KeyDefinition* key = nullptr;
    // The key text of a text (ALPHA) key; absent for a numeric key.
    std::optional<std::string> textKey;
};

// The DblList free routine of ResultRow data.
void FreeResultRow(void* datum);
// A new empty row list.
DblList* CreateRowList();
// The unsigned decimal at the start of the text (after white space and an optional '+'); 0 when there is
// none or it does not fit 32 bits.
std::uint32_t ParseNumericKey(std::string_view text);
// Negative, zero or positive as a sorts before, with or after b.
int CompareResultRows(const ResultRow& a, const ResultRow& b);
