#pragma once
// Reading RecordField lists in tests.

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "Quorvane/database/record_field.h"
#include "Quorvane/lists/dbl_list.h"

using FieldTuple = std::tuple<std::string, std::optional<std::string>, std::int32_t>;

// {column name, value, row number} of every field, in list order.
inline std::vector<FieldTuple> fieldTuples(const DblList* fields) {
    std::vector<FieldTuple> tuples;
    for (const DblNode* node = fields->first; node != nullptr; node = node->next) {
        const auto* field = static_cast<const RecordField*>(node->datum);
        tuples.emplace_back(field->columnName, field->value, field->rowNumber);
    }
    return tuples;
}
