#include "Quorvane/database/bound_columns.h"

#include <sqlext.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "Quorvane/log/operations_log.h"

namespace {

// Room for the text of any integer of up to 64 bits, its sign and the terminating zero.
constexpr std::size_t kIntegerAreaSize = 24;

bool isIntegerType(SQLSMALLINT type) {
    return type == SQL_INTEGER || type == SQL_SMALLINT || type == SQL_TINYINT || type == SQL_BIGINT ||
           type == SQL_BIT;
}

// The driver fills a character area to its end on every fetch, so an integer column gets an area that
// fits its text instead of the caller's size for any column.
std::size_t areaFor(SQLHSTMT statement, SQLUSMALLINT number, std::size_t areaSize) {
    SQLSMALLINT type = SQL_UNKNOWN_TYPE;
    if (!SQL_SUCCEEDED(
            SQLDescribeCol(statement, number, nullptr, 0, nullptr, &type, nullptr, nullptr, nullptr)) ||
        !isIntegerType(type)) {
        return areaSize;
    }
    return std::min(areaSize, kIntegerAreaSize);
}

}  // namespace

bool BoundColumns::bind(SQLHSTMT statement, std::size_t areaSize) {
    SQLUSMALLINT number = static_cast<SQLUSMALLINT>(columns_.size() + 1);
    auto column = std::make_unique<Column>();
    column->area.assign(std::max<std::size_t>(areaFor(statement, number, areaSize), 1), '\0');
    SQLRETURN rc = SQLBindCol(statement, number, SQL_C_CHAR, column->area.data(),
                              static_cast<SQLLEN>(column->area.size()), &column->indicator);
    if (!SQL_SUCCEEDED(rc)) return false;
    columns_.push_back(std::move(column));
    return true;
}

std::optional<std::string_view> BoundColumns::text(std::size_t index) const {
    const Column& column = *columns_.at(index);
    if (column.indicator == SQL_NULL_DATA) return std::nullopt;
    std::size_t room = column.area.size() - 1;
    std::size_t length = column.indicator == SQL_NO_TOTAL || column.indicator < 0
                             ? ::strnlen(column.area.data(), room)
                             : std::min(static_cast<std::size_t>(column.indicator), room);
    return std::string_view(column.area.data(), length);
}

bool BoundColumns::truncated(std::size_t index) const {
    const Column& column = *columns_.at(index);
    if (column.indicator == SQL_NO_TOTAL) return true;
    return column.indicator >= 0 && static_cast<std::size_t>(column.indicator) >= column.area.size();
}

bool BoundColumns::reportTruncation() const {
    bool any = false;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (!truncated(i)) continue;
        any = true;
        std::string message = "Sarvik Warning: column " + std::to_string(i + 1) + " truncated to " +
                              std::to_string(text(i)->size());
        if (columns_[i]->indicator != SQL_NO_TOTAL)
            message += " of " + std::to_string(columns_[i]->indicator);
        LogAndDiagnose(message + " octets");
    }
    return any;
}

bool FetchNextRow(SQLHSTMT statement, SQLRETURN* result) {
    *result = SQLFetch(statement);
    return SQL_SUCCEEDED(*result);
}
