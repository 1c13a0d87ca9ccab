#include "Quorvane/records/marc_rows.h"

#include <climits>
#include <map>

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
        for (RecordField& field : fields) row.push_back(&field);
        return rows;
    }
    std::map<std::int32_t, FieldRow> byNumber;
    for (RecordField& field : fields) byNumber[field.rowNumber].push_back(&field);
    for (std::int32_t start : {1, kFirstHoldingsRow}) {
        for (auto found = byNumber.find(start); found != byNumber.end();
             found = found->first < INT32_MAX ? byNumber.find(found->first + 1) : byNumber.end()) {
            rows.push_back(std::move(found->second));
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
