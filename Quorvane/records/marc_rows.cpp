#include "Quorvane/records/marc_rows.h"

#include <climits>
#include <map>

#include "toolkit/util/str_case.h"

namespace {

std::string_view withoutPointZero(std::string_view value) {
    if (value.size() >= 2 && value.substr(value.size() - 2) == ".0") value.remove_suffix(2);
    return value;
}

bool meets(const RowCondition& condition, const DblList* row) {
    for (const DblNode* node = row->first; node != nullptr; node = node->next) {
        const auto* field = static_cast<const RecordField*>(node->datum);
        if (!field->value || StrCaseCompare(field->columnName, condition.column) != 0) continue;
        if (StrCaseCompare(withoutPointZero(*field->value), withoutPointZero(condition.value)) == 0)
            return true;
    }
    return false;
}

OwnedDblList newRow() {
    return OwnedDblList(ListCreate(nullptr));
}

}  // namespace

FieldRows GroupRows(const DblList* fields, bool grouping) {
    FieldRows rows;
    if (fields == nullptr || fields->first == nullptr) return rows;
    if (!grouping) {
        rows.push_back(newRow());
        for (DblNode* node = fields->first; node != nullptr; node = node->next) {
            ListInsert(rows.back().get(), node->datum);
        }
        return rows;
    }
    std::map<std::int32_t, OwnedDblList> byNumber;
    for (DblNode* node = fields->first; node != nullptr; node = node->next) {
        OwnedDblList& row = byNumber[static_cast<RecordField*>(node->datum)->rowNumber];
        if (!row) row = newRow();
        ListInsert(row.get(), node->datum);
    }
    for (std::int32_t start : {1, kFirstHoldingsRow}) {
        for (auto found = byNumber.find(start); found != byNumber.end();
             found = found->first < INT32_MAX ? byNumber.find(found->first + 1) : byNumber.end()) {
            rows.push_back(std::move(found->second));
        }
    }
    return rows;
}

int RowMatchesConditions(const std::vector<RowCondition>& conditions, const DblList* row) {
    for (const RowCondition& condition : conditions) {
        if (!meets(condition, row)) return 0;
    }
    return 1;
}

const DblList* FirstMatchingRow(const FieldRows& rows, const std::vector<RowCondition>& conditions) {
    for (const OwnedDblList& row : rows) {
        if (RowMatchesConditions(conditions, row.get()) == 1) return row.get();
    }
    return nullptr;
}

RecordField* FindRowField(const DblList* row, std::string_view column) {
    for (const DblNode* node = row->first; node != nullptr; node = node->next) {
        auto* field = static_cast<RecordField*>(node->datum);
        if (field->columnName == column) return field;
    }
    return nullptr;
}
