#include "Quorvane/records/marc_rows.h"

#include <array>
#include <cstdint>
#include <utility>

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
    // gap is at most as long as there are fields, so a field beyond that cannot be reached. The fields of
    // each row are counted first, so that each row is allocated once.
    const auto placeOf = [&fields](const RecordField& field) -> std::pair<std::size_t, std::int64_t> {
        const bool holdings = field.rowNumber >= kFirstHoldingsRow;
        const std::int64_t offset =
            std::int64_t{field.rowNumber} - (holdings ? kFirstHoldingsRow : std::int64_t{1});
        if (offset < 0 || offset >= static_cast<std::int64_t>(fields.size())) return {0, -1};
        return {holdings ? 1 : 0, offset};
    };
    std::array<std::vector<std::size_t>, 2> counts;
    for (const RecordField& field : fields) {
        const auto [run, offset] = placeOf(field);
        if (offset < 0) continue;
        std::vector<std::size_t>& count = counts[run];
        if (count.size() <= static_cast<std::size_t>(offset))
            count.resize(static_cast<std::size_t>(offset) + 1);
        ++count[static_cast<std::size_t>(offset)];
    }
    std::array<FieldRows, 2> runs;
    for (std::size_t run = 0; run < runs.size(); ++run) {
        runs[run].resize(counts[run].size());
        for (std::size_t offset = 0; offset < counts[run].size(); ++offset)
            runs[run][offset].reserve(counts[run][offset]);
    }
    for (RecordField& field : fields) {
        const auto [run, offset] = placeOf(field);
        if (offset >= 0) runs[run][static_cast<std::size_t>(offset)].push_back(&field);
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
