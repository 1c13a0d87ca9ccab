#include "Quorvane/database/record_field.h"

#include <algorithm>
#include <utility>

std::optional<std::string_view> FieldText(std::optional<std::string_view> text) {
    if (!text || text->empty() || *text == "Not Applicable") return std::nullopt;
    return text;
}

std::optional<std::string> FieldValue(std::optional<std::string_view> text) {
    const std::optional<std::string_view> kept = FieldText(text);
    return kept ? std::optional<std::string>(*kept) : std::nullopt;
}

RecordField& AppendRecordField(RecordFields& fields, std::string_view columnName,
                               std::optional<std::string_view> value, std::int32_t rowNumber) {
    RecordField& field = fields.emplace_back();
    field.columnName.assign(columnName);
    if (value) field.value.emplace(*value);
    field.rowNumber = rowNumber;
    return field;
}

RecordField* FindRowField(const FieldRow& row, std::string_view column) {
    const auto found = std::find_if(
        row.begin(), row.end(), [column](const RecordField* field) { return field->columnName == column; });
    return found != row.end() ? *found : nullptr;
}

namespace {

// The octets a text keeps on the heap beyond its object, with the allocator's own word.
std::size_t heapOctets(const std::string& text) {
    return text.capacity() >= sizeof(std::string) ? text.capacity() + 1 + sizeof(void*) : 0;
}

}  // namespace

std::size_t RecordFieldFootprint(const RecordField& field) {
    return sizeof(RecordField) + heapOctets(field.columnName) + (field.value ? heapOctets(*field.value) : 0);
}

RecordField& FieldAppender::append(std::size_t record, std::string_view columnName,
                                   std::optional<std::string_view> value, std::int32_t rowNumber) {
    RecordFieldTarget& target = records_[record];
    RecordField& field = AppendRecordField(*target.fields, columnName, value, rowNumber);
    const std::size_t octets = RecordFieldFootprint(field);
    target.footprint += octets;
    pending_ += octets;
    return field;
}

bool FieldAppender::commit() {
    return pending_ < kCommitOctets || commitAll();
}

bool FieldAppender::commitAll() {
    const std::size_t octets = pending_;
    pending_ = 0;
    return octets == 0 || memory_ == nullptr || memory_->reserve(octets);
}
