#include "Quorvane/database/bound_columns.h"

#include <sqlext.h>

#include "Quorvane/database/column_areas.h"

bool BoundColumns::bind(SQLHSTMT statement, std::size_t areaSize) {
    SQLUSMALLINT number = static_cast<SQLUSMALLINT>(columns_.size() + 1);
    auto column = std::make_unique<Column>();
    column->area.assign(ColumnAreaSize(statement, number, areaSize), '\0');
    SQLRETURN rc = SQLBindCol(statement, number, SQL_C_CHAR, column->area.data(),
                              static_cast<SQLLEN>(column->area.size()), &column->indicator);
    if (!SQL_SUCCEEDED(rc)) return false;
    columns_.push_back(std::move(column));
    return true;
}

std::optional<std::string_view> BoundColumns::text(std::size_t index) const {
    const Column& column = *columns_.at(index);
    return ColumnAreaText(column.area.data(), column.area.size(), column.indicator);
}

bool BoundColumns::truncated(std::size_t index) const {
    const Column& column = *columns_.at(index);
    return ColumnAreaTruncated(column.area.size(), column.indicator);
}

bool BoundColumns::reportTruncation() const {
    bool any = false;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (!truncated(i)) continue;
        any = true;
        ReportTruncatedColumn(i + 1, text(i)->size(), columns_[i]->indicator);
    }
    return any;
}

bool FetchNextRow(SQLHSTMT statement, SQLRETURN* result) {
    *result = SQLFetch(statement);
    return SQL_SUCCEEDED(*result);
}
