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

namespace {

// The octets a text keeps on the heap beyond its object, with the allocator's own word.
std::size_t heapOctets(const std::string& text) {
    return text.capacity() >= sizeof(std::string) ? text.capacity() + 1 + sizeof(void*) : 0;
}

}  // namespace

std::size_t RecordFieldFootprint(const RecordField& field) {
    return sizeof(RecordField) + sizeof(DblNode) + 2 * sizeof(void*) + heapOctets(field.columnName) +
           (field.value ? heapOctets(*field.value) : 0);
}

RecordField& FieldAppender::append(std::size_t record, std::string columnName,
                                   std::optional<std::string> value, std::int32_t rowNumber) {
    RecordFieldTarget& target = records_[record];
    RecordField* field = AppendRecordField(target.fields, std::move(columnName), std::move(value), rowNumber);
    const std::size_t octets = RecordFieldFootprint(*field);
    target.footprint += octets;
    pending_ += octets;
    return *field;
}

bool FieldAppender::commit() {
    const std::size_t octets = pending_;
    pending_ = 0;
    return memory_ == nullptr || memory_->reserve(octets);
}

void FreePresentCacheEntry(void* datum) {
    delete static_cast<PresentCacheEntry*>(datum);
}
