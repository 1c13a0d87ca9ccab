#include "Quorvane/database/bound_columns.h"

#include <sqlext.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "Quorvane/log/operations_log.h"

bool BoundColumns::bind(SQLHSTMT statement, std::size_t areaSize) {
    auto column = std::make_unique<Column>();
    column->area.assign(std::max<std::size_t>(areaSize, 1), '\0');
    SQLUSMALLINT number = static_cast<SQLUSMALLINT>(columns_.size() + 1);
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
