#pragma once
// The rows of a fetched record: its fields grouped by row number, and the conditions that pick a row.
// The record builders (MARC, SUTRS, GRS-1, HTML/XML) read the values of a record through these rows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Quorvane/database/record_field.h"

using FieldRows = std::vector<FieldRow>;

// Row numbers of holdings items start here (the record's own statements number theirs from 1).
inline constexpr std::int32_t kFirstHoldingsRow = 10000;

// Grouping on: rows 1, 2, 3 ... while fields with that row number exist, then rows 10000, 10001 ...
// likewise. Grouping off: every field in one row (none for an empty list).
FieldRows GroupRows(RecordFields& fields, bool grouping);

// A condition of a control-file rule: the row must hold a field of that column with that value.
struct RowCondition {
    std::string column;
    std::string value;
};

// 1 when every condition has a field in the row whose column name equals the condition's ignoring case
// and whose value equals the condition's ignoring case, after a trailing ".0" is dropped from both
// values; a field without a value matches no condition. No conditions: 1.
int RowMatchesConditions(const std::vector<RowCondition>& conditions, const FieldRow& row);

// The first row that meets the conditions; nullptr when none does.
const FieldRow* FirstMatchingRow(const FieldRows& rows, const std::vector<RowCondition>& conditions);
