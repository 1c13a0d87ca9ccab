#pragma once
// The positions of a result set, counted from 1 in row order: a row without sub-key values is one
// position, a row with sub-key values one position per value.

#include <cstdint>

#include "Quorvane/lists/dbl_list.h"
#include "Quorvane/results/result_row.h"

class ResultSetWalk {
  public:
    explicit ResultSetWalk(const DblList* rows) : rows_(rows) {}

    // The row holding the position; null for 0 and beyond the last position. Going forward from the
    // position asked for last walks only the rows between; going back starts again from the first row.
    const ResultRow* rowAt(std::uint32_t position);

  private:
    const DblList* rows_;
    const DblNode* node_ = nullptr;    // the row reached so far
    std::uint32_t firstPosition_ = 0;  // its first position
};
