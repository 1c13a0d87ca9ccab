#include "Quorvane/database/bulk_columns.h"

#include <sqlext.h>

#include <algorithm>

#include "Quorvane/database/column_areas.h"

namespace {

// Asks for a row array of the size; the size the driver took (1 when it takes none).
std::size_t setRowArray(SQLHSTMT statement, std::size_t rows, SQLULEN* fetched, SQLUSMALLINT* statuses) {
    if (rows <= 1) return 1;
    SQLRETURN rc = SQLSetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(rows), 0);
    SQLULEN taken = 1;
    if (!SQL_SUCCEEDED(rc) ||
        !SQL_SUCCEEDED(SQLGetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, &taken, 0, nullptr)) || taken < 1 ||
        taken > rows ||
        !SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROW_BIND_TYPE,
                                      reinterpret_cast<SQLPOINTER>(SQL_BIND_BY_COLUMN), 0)) ||
        !SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROWS_FETCHED_PTR, fetched, 0)) ||
        !SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROW_STATUS_PTR, statuses, 0))) {
        SQLSetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(1), 0);
        SQLSetStmtAttr(statement, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
        SQLSetStmtAttr(statement, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
        return 1;
    }
    return static_cast<std::size_t>(taken);
}

}  // namespace

void BulkColumns::plan(SQLHSTMT statement, std::size_t count, std::size_t areaSize, std::size_t areaBudget,
                       std::size_t maxRows) {
    const std::vector<std::size_t> areaSizes(count, areaSize);
    plan(statement, areaSizes, areaBudget, maxRows);
}

void BulkColumns::plan(SQLHSTMT statement, std::span<const std::size_t> areaSizes, std::size_t areaBudget,
                       std::size_t maxRows) {
    columns_.assign(areaSizes.size(), Column{});
    std::size_t rowWidth = 0;
    for (std::size_t i = 0; i < areaSizes.size(); ++i) {
        columns_[i].width = ColumnAreaSize(statement, static_cast<SQLUSMALLINT>(i + 1), areaSizes[i]);
        rowWidth += columns_[i].width;
    }
    rows_ = std::clamp<std::size_t>(rowWidth == 0 ? 1 : areaBudget / rowWidth, 1, std::max<std::size_t>(maxRows, 1));
}

std::size_t BulkColumns::areaBytes() const {
    std::size_t bytes = 0;
    for (const Column& column : columns_) bytes += rows_ * (column.width + sizeof(SQLLEN));
    return bytes + rows_ * sizeof(SQLUSMALLINT);
}

bool BulkColumns::bind(SQLHSTMT statement) {
    statuses_.assign(rows_, SQL_ROW_NOROW);
    rows_ = setRowArray(statement, rows_, &fetched_, statuses_.data());
    std::size_t bytes = 0;
    for (Column& column : columns_) {
        column.offset = bytes;
        bytes += rows_ * column.width;
    }
    block_ = AreaBlock(bytes);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        Column& column = columns_[i];
        column.indicators.assign(rows_, SQL_NULL_DATA);
        if (!SQL_SUCCEEDED(SQLBindCol(statement, static_cast<SQLUSMALLINT>(i + 1), SQL_C_CHAR,
                                      block_.data() + column.offset, static_cast<SQLLEN>(column.width),
                                      column.indicators.data()))) {
            refused_ = i;
            return false;
        }
    }
    return true;
}

bool BulkColumns::next(SQLHSTMT statement, SQLRETURN* result) {
    while (true) {
        if (started_ && row_ + 1 < (rows_ == 1 ? 1 : fetched_)) {
            ++row_;
        } else {
            *result = SQLFetch(statement);
            if (!SQL_SUCCEEDED(*result)) return false;
            started_ = true;
            row_ = 0;
            if (rows_ == 1) return true;
            if (fetched_ == 0) continue;
        }
        if (rows_ == 1) return true;
        const SQLUSMALLINT status = statuses_[row_];
        if (status == SQL_ROW_ERROR) {
            *result = SQL_ERROR;
            return false;
        }
        if (status != SQL_ROW_NOROW) return true;
    }
}

std::optional<std::string_view> BulkColumns::text(std::size_t index) const {
    const Column& column = columns_.at(index);
    return ColumnAreaText(areaOf(column), column.width, indicatorOf(column));
}

bool BulkColumns::truncated(std::size_t index) const {
    const Column& column = columns_.at(index);
    return ColumnAreaTruncated(column.width, indicatorOf(column));
}

bool BulkColumns::reportTruncation() const {
    bool any = false;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (!ColumnAreaTruncated(columns_[i].width, indicatorOf(columns_[i]))) continue;
        any = true;
        ReportTruncatedColumn(i + 1, text(i)->size(), indicatorOf(columns_[i]));
    }
    return any;
}
