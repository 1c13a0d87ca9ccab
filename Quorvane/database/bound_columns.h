#pragma once
// Result columns bound as character data, each into an area of its own with a SQLLEN length indicator.
// After each fetch a column reads as its text, as NULL, or as truncated when the database value did not
// fit its area (the text then holds the octets that did).

#include <sql.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class BoundColumns {
  public:
    // Binds the next column (1, 2, ... in the order of calls) into an area of areaSize octets, one of
    // which the terminating zero takes; a column the driver describes as an integer gets no more than
    // its longest text needs. false when the driver refuses the binding.
    bool bind(SQLHSTMT statement, std::size_t areaSize);

    std::size_t size() const { return columns_.size(); }
    // The text of column index (from 0) in the row fetched last; nothing for NULL.
    std::optional<std::string_view> text(std::size_t index) const;
    // The column's value in the row fetched last was longer than its area.
    bool truncated(std::size_t index) const;
    // Logs "Sarvik Warning: column <n> truncated to <kept> of <total> octets" (or "... to <kept> octets"
    // when the driver does not tell the total) through LogAndDiagnose for every truncated column of the
    // row fetched last; answers whether there was one.
    bool reportTruncation() const;

  private:
    struct Column {
        std::vector<char> area;
        SQLLEN indicator = SQL_NULL_DATA;
    };
    // Each column keeps its address: the driver writes to it on every fetch.
    std::vector<std::unique_ptr<Column>> columns_;
};

// Fetches the next row: true for a row (SQL_SUCCESS, and SQL_SUCCESS_WITH_INFO such as a truncation),
// false at the end or on an error; *result receives the fetch result.
bool FetchNextRow(SQLHSTMT statement, SQLRETURN* result);
