#pragma once
// Character areas that fetched columns are bound into: their size, their text after a fetch, and the
// warning for a value that did not fit.

#include <sql.h>

#include <cstddef>
#include <optional>
#include <string_view>

// The area of column number (from 1) of a prepared statement: areaSize octets, one of which the
// terminating zero takes; a column the driver describes as an integer gets no more than its longest text
// needs (the driver fills a character area to its end on every fetch). At least 1.
std::size_t ColumnAreaSize(SQLHSTMT statement, SQLUSMALLINT number, std::size_t areaSize);

// The text an area of size octets holds with the length indicator; nothing for NULL.
std::optional<std::string_view> ColumnAreaText(const char* area, std::size_t size, SQLLEN indicator);

// The value was longer than the area.
bool ColumnAreaTruncated(std::size_t size, SQLLEN indicator);

// Logs "Sarvik Warning: column <number> truncated to <kept> of <total> octets" (or "... to <kept> octets"
// when the driver does not tell the total) through LogAndDiagnose.
void ReportTruncatedColumn(std::size_t number, std::size_t kept, SQLLEN indicator);
