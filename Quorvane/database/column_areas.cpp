#include "Quorvane/database/column_areas.h"

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

}  // namespace

std::size_t ColumnAreaSize(SQLHSTMT statement, SQLUSMALLINT number, std::size_t areaSize) {
    SQLSMALLINT type = SQL_UNKNOWN_TYPE;
    const bool integer = SQL_SUCCEEDED(SQLDescribeCol(statement, number, nullptr, 0, nullptr, &type, nullptr,
                                                      nullptr, nullptr)) &&
                         isIntegerType(type);
    return std::max<std::size_t>(integer ? std::min(areaSize, kIntegerAreaSize) : areaSize, 1);
}

std::optional<std::string_view> ColumnAreaText(const char* area, std::size_t size, SQLLEN indicator) {
    if (indicator == SQL_NULL_DATA) return std::nullopt;
    const std::size_t room = size - 1;
    const std::size_t length = indicator == SQL_NO_TOTAL || indicator < 0
                                   ? ::strnlen(area, room)
                                   : std::min(static_cast<std::size_t>(indicator), room);
    return std::string_view(area, length);
}

bool ColumnAreaTruncated(std::size_t size, SQLLEN indicator) {
    return indicator == SQL_NO_TOTAL || (indicator >= 0 && static_cast<std::size_t>(indicator) >= size);
}

void ReportTruncatedColumn(std::size_t number, std::size_t kept, SQLLEN indicator) {
    std::string message =
        "Sarvik Warning: column " + std::to_string(number) + " truncated to " + std::to_string(kept);
    if (indicator != SQL_NO_TOTAL) message += " of " + std::to_string(indicator);
    LogAndDiagnose(message + " octets");
}
