#pragma once
// Building the row list of one key statement in O(n log n): the rows are gathered in fetch order and sorted
// once at the end, instead of being inserted one by one into the sorted list (which walks the list for
// every key that arrives out of order, and statements answered from an index in another order deliver
// hundreds of ascending runs).

#include <memory>
#include <string_view>
#include <vector>

#include "Quorvane/lists/dbl_list.h"
#include "Quorvane/results/result_row.h"
#include "Quorvane/search/search_definitions.h"

// The list it makes is the one InsertResultRow gives for the same keys in the same order: ascending key
// order; of rows with the same key the one fetched first (with its secondary values); and a numeric key 0
// fetched while no other row has been kept is dropped, as InsertResultRow drops it on an empty list.
class ResultRowCollector {
  public:
    explicit ResultRowCollector(const KeyDefinition& key);

    // Keeps the row of a fetched key text (the text key for an ALPHA key, else the numeric key) and
    // answers it, for the caller to give it its secondary values; nullptr when the row is dropped. A row
    // whose key was fetched before is kept until finish() drops it.
    ResultRow* add(std::string_view keyText);

    // Moves the kept rows into a new row list (the caller owns it), its cursor on the last row; the
    // collector is then empty.
    DblList* finish();

  private:
    const KeyDefinition& key_;
    std::vector<std::unique_ptr<ResultRow>> rows_;
};
