#pragma once
// A row of a result set, as the result set (result_set.h) shows it: one per record key a search found.
// Rows refer to the search definitions they were found under, which live as long as the session.
//
// Key order is total, so that rows found under different keys combine safely: numeric keys come first,
// in unsigned order, then text keys in octet order (as strcmp orders them).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Quorvane/search/search_definitions.h"

// The value of a secondary column fetched together with a key.
struct SecondaryValue {
    // The column and its substitution text (not owned: part of the key's definition).
    const SecondaryColumn* column = nullptr;
    // Absent when the fetched text was NULL, empty or "Not Applicable".
    std::optional<std::string> value;
};

// A view of one row; valid while its result set is neither changed nor destroyed.
struct ResultRow {
    // The key text read as an unsigned decimal; 0 for a text key.
    std::uint32_t numericKey = 0;
    // The key text of a text (ALPHA) key; absent for a numeric key.
    std::optional<std::string_view> textKey;
    // The key the row was found under (not owned).
    const KeyDefinition* key = nullptr;
    // The sub-key of the row's key (not owned); null without one.
    const SubKeyDefinition* subKey = nullptr;
    // Filled by sub-key expansion.
    std::span<const std::string> subKeyValues;
    // One per secondary column of the key, in column order; empty without secondary columns.
    std::span<const SecondaryValue> secondaryValues;
};

// The unsigned decimal at the start of the text (after white space and an optional '+'); 0 when there is
// none or it does not fit 32 bits.
std::uint32_t ParseNumericKey(std::string_view text);
