#pragma once
// Result columns bound as character data for a block of rows per fetch (column-wise binding with
// SQL_ATTR_ROW_ARRAY_SIZE) where the driver takes it, one row per fetch where it does not. The rows of
// a block are then read one after another as from a plain fetch loop.

#include <sql.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "Quorvane/database/area_block.h"

class BulkColumns {
  public:
    // The most rows one fetch takes.
    static constexpr std::size_t kMaxRows = 64;

    // Sizes the columns and the rows of a block for a prepared statement: count columns of areaSize octets
    // each (one of which the terminating zero takes; a column the driver describes as an integer gets no
    // more than its longest text needs), as many rows as fit in areaBudget octets (1 to maxRows).
    void plan(SQLHSTMT statement, std::size_t count, std::size_t areaSize, std::size_t areaBudget,
              std::size_t maxRows = kMaxRows);
    // The same with an area size per column (columns 1, 2, ... in order).
    void plan(SQLHSTMT statement, std::span<const std::size_t> areaSizes, std::size_t areaBudget,
              std::size_t maxRows = kMaxRows);
    // The octets the planned areas take.
    std::size_t areaBytes() const;
    // Takes the areas (from the thread's reused blocks) and binds them; the block shrinks to one row when the
    // driver refuses a row array. false when the driver refuses a binding (refusedColumn() tells which).
    bool bind(SQLHSTMT statement);
    // The index (from 0) of the column whose binding the driver refused last.
    std::size_t refusedColumn() const { return refused_; }
    std::size_t rowsPerFetch() const { return rows_; }

    // Moves to the next row, fetching the next block when the current one is used up: true for a row,
    // false at the end or on an error; *result receives the last fetch result (SQL_ERROR for a block row
    // the driver marks as failed).
    bool next(SQLHSTMT statement, SQLRETURN* result);
    // The text of column index (from 0) in the current row; nothing for NULL.
    std::optional<std::string_view> text(std::size_t index) const;
    // The column's value in the current row was longer than its area.
    bool truncated(std::size_t index) const;
    // Logs "Sarvik Warning: column <n> truncated to <kept> of <total> octets" (or "... to <kept> octets"
    // when the driver does not tell the total) through LogAndDiagnose for every truncated column of the
    // current row; answers whether there was one.
    bool reportTruncation() const;

  private:
    struct Column {
        std::size_t width = 0;   // octets of one row's area
        std::size_t offset = 0;  // of the column's areas in the block
        std::vector<SQLLEN> indicators;
    };
    const char* areaOf(const Column& column) const {
        return block_.data() + column.offset + row_ * column.width;
    }
    SQLLEN indicatorOf(const Column& column) const { return column.indicators[row_]; }

    std::vector<Column> columns_;
    AreaBlock block_;
    std::size_t rows_ = 1;
    std::vector<SQLUSMALLINT> statuses_;
    SQLULEN fetched_ = 0;  // rows of the current block
    std::size_t row_ = 0;  // the current row of the block
    bool started_ = false;
    std::size_t refused_ = 0;
};
