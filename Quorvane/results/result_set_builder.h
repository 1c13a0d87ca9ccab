#pragma once
// Building the result set of one key statement in O(n log n): the keys are gathered in fetch order and
// sorted once at the end (statements answered from an index in another order deliver many ascending
// runs); keys fetched in ascending order are not sorted at all.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "Quorvane/results/result_set.h"
#include "Quorvane/search/search_definitions.h"

// The set it makes holds the distinct keys in key order; of rows with the same key the one fetched first
// (with its secondary values). A numeric key 0 (a key text holding no number) is never kept.
class ResultSetBuilder {
  public:
    explicit ResultSetBuilder(const KeyDefinition& key);

    // Keeps the row of a fetched key text: the text key for an ALPHA key, else the numeric key. The
    // secondary values (one per secondary column of the key, in column order) stay with the row.
    void add(std::string_view keyText, std::vector<SecondaryValue> secondaryValues = {});
    // Keeps the row of a numeric key given as a number, as add does with its decimal text: a number below 1
    // or above the largest key (4294967295) is not kept.
    void addNumber(std::int64_t number);
    // addNumber for each of the numbers.
    void addNumbers(std::span<const std::int64_t> numbers);

    // Moves the kept rows into a new result set; the builder is then empty.
    ResultSet finish();

  private:
    // The side-table entry of a new row: its own where the key has a sub-key or secondary columns.
    std::uint32_t detailsFor(std::vector<SecondaryValue> secondaryValues);

    const KeyDefinition& key_;
    const bool rowsHaveOwnDetails_;
    ResultSet rows_;
};
