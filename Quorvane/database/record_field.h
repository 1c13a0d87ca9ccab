#pragma once
// Fetched column values of a record, and the present cache's record entries that hold them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/lists/dbl_list.h"

// One fetched column value.
struct RecordField {
    std::string columnName;
    // Absent when the database value was NULL, empty or "Not Applicable".
    std::optional<std::string> value;
    // 1, 2, ... for the rows of a record statement; 10000 onward for holdings items.
    std::int32_t rowNumber = 0;
    // 1 once spill-over text has been appended to the value.
    std::int32_t extended = 0;
};

// The DblList free routine of RecordField data.
void FreeRecordField(void* datum);
// A new empty list of RecordField.
DblList* CreateFieldList();
// The field value of a database text: absent for NULL, an empty text and "Not Applicable".
std::optional<std::string> FieldValue(std::optional<std::string_view> text);
// Appends a new field {columnName, value, rowNumber, 0} at the end of the list; answers it.
RecordField* AppendRecordField(DblList* fields, std::string columnName, std::optional<std::string> value,
                               std::int32_t rowNumber);

// One fetched record of the present cache.
struct PresentCacheEntry {
    // RecordField list filled by RunFieldStatement.
    OwnedDblList fields;
    // Cleared on every entry when a Present starts its fetch; set when the Present finds the entry again.
    std::int32_t used = 0;
    // The result-set position the record was fetched for.
    std::uint32_t position = 0;
};

// The DblList free routine of PresentCacheEntry data.
void FreePresentCacheEntry(void* datum);
