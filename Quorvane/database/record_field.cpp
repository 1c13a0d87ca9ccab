#include "Quorvane/database/record_field.h"

#include <utility>

void FreeRecordField(void* datum) {
    delete static_cast<RecordField*>(datum);
}

DblList* CreateFieldList() {
    return ListCreate(FreeRecordField);
}

std::optional<std::string> FieldValue(std::optional<std::string_view> text) {
    if (!text || text->empty() || *text == "Not Applicable") return std::nullopt;
    return std::string(*text);
}

RecordField* AppendRecordField(DblList* fields, std::string columnName, std::optional<std::string> value,
                               std::int32_t rowNumber) {
    auto* field = new RecordField{std::move(columnName), std::move(value), rowNumber, 0};
    ListLast(fields);
    ListInsert(fields, field);
    return field;
}

void FreePresentCacheEntry(void* datum) {
    delete static_cast<PresentCacheEntry*>(datum);
}
