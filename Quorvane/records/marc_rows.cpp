#include "Quorvane/records/marc_rows.h"

#include <array>
#include <cstdint>

#include "toolkit/util/str_case.h"

namespace {

std::string_view withoutPointZero(std::string_view value) {
    if (value.size() >= 2 && value.substr(value.size() - 2) == ".0") value.remove_suffix(2);
    return value;
}

bool meets(const RowCondition& condition, const FieldRow& row) {
    for (const RecordField* field : row) {
        if (!field->value || StrCaseCompare(field->columnName, condition.column) != 0) continue;
        if (StrCaseCompare(withoutPointZero(*field->value), withoutPointZero(condition.value)) == 0)
            return true;
    }
    return false;
}

}  // namespace

FieldRows GroupRows(RecordFields& fields, bool grouping) {
    FieldRows rows;
    if (fields.empty()) return rows;
    if (!grouping) {
        FieldRow& row = rows.emplace_back();
        row.reserve(fields.size());
        for (RecordField& field : fields) row.push_back(&field);
        return rows;
    }
    // Rows counted from 1 and from kFirstHoldingsRow, each by its offset from its start; a run without a
    // gap is at most as long as there are fields, so a field beyond that cannot be reached.
    std::array<FieldRows, 2> runs;
    for (RecordField& field : fields) {
        const bool holdings = field.rowNumber >= kFirstHoldingsRow;
        const std::int64_t offset =
            std::int64_t{field.rowNumber} - (holdings ? kFirstHoldingsRow : std::int64_t{1});
        if (offset < 0 || offset >= static_cast<std::int64_t>(fields.size())) continue;
        FieldRows& run = runs[holdings ? 1 : 0];
        if (run.size() <= static_cast<std::size_t>(offset)) run.resize(static_cast<std::size_t>(offset) + 1);
        run[static_cast<std::size_t>(offset)].push_back(&field);
    }
    for (FieldRows& run : runs) {
        for (FieldRow& row : run) {
            if (row.empty()) break;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

int RowMatchesConditions(const std::vector<RowCondition>& conditions, const FieldRow& row) {
    for (const RowCondition& condition : conditions) {
        if (!meets(condition, row)) return 0;
    }
    return 1;
}

const FieldRow* FirstMatchingRow(const FieldRows& rows, const std::vector<RowCondition>& conditions) {
    for (const FieldRow& row : rows) {
        if (RowMatchesConditions(conditions, row) == 1) return &row;
    }
    return nullptr;
}
