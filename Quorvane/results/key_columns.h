#pragma once
// What the result-set routines need to know of the key whose values a statement's first column holds.
// The search engine builds it from the search.tblx KeyDefinition.

#include <memory>
#include <string>
#include <vector>

#include "Quorvane/results/result_row.h"

// A secondary column of the key: the column selected after the key, and its substitution text.
struct SecondaryColumnText {
    std::string column;
    std::string substitution;
};

struct KeyColumns {
    // Recorded in every row found under the key.
    const KeyDefinition* key = nullptr;
    // ALPHA: rows carry the key text; otherwise the numeric key.
    bool textKey = false;
    // TRUE: the key's rows are fetched but never kept.
    bool decode = false;
    // Shared by every row found under the key; null without a sub-key.
    std::shared_ptr<const SubKeyQuery> subKey;
    // Fetched as columns 2, 3, ... after the key.
    std::vector<SecondaryColumnText> secondaries;
};
