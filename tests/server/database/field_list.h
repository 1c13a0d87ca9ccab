#pragma once
// Reading RecordField lists in tests.

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "Quorvane/database/record_field.h"

using FieldTuple = std::tuple<std::string, std::optional<std::string>, std::int32_t>;

// {column name, value, row number} of every field, in list order.
inline std::vector<FieldTuple> fieldTuples(const RecordFields& fields) {
    std::vector<FieldTuple> tuples;
    for (const RecordField& field : fields)
        tuples.emplace_back(field.columnName, field.value, field.rowNumber);
    return tuples;
}
