#pragma once
// A search's result set: the rows of the record keys it found, in key order (result_row.h) without two
// rows of the same key. Numeric keys sit in one sorted array of 8-octet entries, text keys after them in
// another; what a row carries beyond its key (the key definition, sub-key values, secondary values) sits
// in a side table that rows of a key without a sub-key or secondary columns share. A set is moved, never
// copied, and frees everything it holds at once.
//
// Record positions count from 1 in row order: a row without sub-key values is one position, a row with
// sub-key values one position per value.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Quorvane/results/result_row.h"

class ResultSet {
  public:
    ResultSet() = default;
    ResultSet(ResultSet&&) noexcept = default;
    ResultSet& operator=(ResultSet&&) noexcept = default;
    ResultSet(const ResultSet&) = delete;
    ResultSet& operator=(const ResultSet&) = delete;
    ~ResultSet() = default;

    std::size_t rowCount() const { return numeric_.size() + text_.size(); }
    bool empty() const { return rowCount() == 0; }
    // The number of record positions.
    std::uint32_t recordCount() const;
    // The row at index (from 0, below rowCount()) in key order.
    ResultRow row(std::size_t index) const;
    // The row holding the record position; nothing for 0 and beyond the last position.
    std::optional<ResultRow> rowAtPosition(std::uint32_t position) const;

    // Gives every row whose key has a sub-key the values valuesOf answers for it.
    void expandSubKeys(const std::function<std::vector<std::string>(const ResultRow&)>& valuesOf);

  private:
    friend class ResultSetBuilder;
    friend struct ResultSetMerge;  // the Boolean combinations (result_combine.h)

    struct Details {
        const KeyDefinition* key = nullptr;
        std::vector<SecondaryValue> secondaryValues;
        std::vector<std::string> subKeyValues;
    };
    struct NumericRow {
        std::uint32_t key = 0;
        std::uint32_t details = 0;  // index into details_
    };
    struct TextRow {
        std::string key;
        std::uint32_t details = 0;
    };

    std::uint32_t detailsOf(std::size_t index) const;
    // Fills positionEnds_ when a row holds more or less than one position, else empties it.
    void indexPositions();

    std::vector<NumericRow> numeric_;
    std::vector<TextRow> text_;
    std::vector<Details> details_;
    // Per row, the last position it holds; empty while every row holds exactly one.
    std::vector<std::uint32_t> positionEnds_;
};
