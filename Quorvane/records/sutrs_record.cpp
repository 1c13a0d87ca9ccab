#include "Quorvane/records/sutrs_record.h"

#include <cstddef>
#include <optional>

#include "Quorvane/records/marc_rows.h"
#include "Quorvane/records/sutrs_wrap_text.h"

namespace {

std::string prefixOf(const std::string& label) {
    if (label == kConcatenateLabel) return " ";
    if (label == " ") return "";
    return label + ": ";
}

void writeColumnValues(const SutrsElement& element, const FieldRows& rows,
                       const FieldValueConversion& conversion, std::string& text, std::size_t lineStart) {
    if (rows.empty()) return;
    const FieldRow* row =
        element.conditions.empty() ? &rows.front() : FirstMatchingRow(rows, element.conditions);
    if (row == nullptr) return;
    bool first = true;
    for (const RecordField* field : *row) {
        if (field->columnName != element.field) continue;
        const std::optional<std::string> value = conversion.convert(field->value, element.routine);
        if (!value) return;
        text += first ? prefixOf(element.label) : ", ";
        text += *value;
        WrapText(text, lineStart);
        first = false;
    }
}

}  // namespace

std::string BuildSutrsText(const SutrsBlock& block, RecordFields& fields, bool full,
                           const FieldValueConversion& conversion) {
    const FieldRows rows = GroupRows(fields, block.hasConditions);
    std::string text;
    std::size_t lineStart = 0;
    for (const SutrsElement& element : block.elements) {
        if (element.label != kConcatenateLabel) lineStart = text.size();
        if (element.fromColumn) {
            writeColumnValues(element, rows, conversion, text, lineStart);
        } else if (full) {
            text += prefixOf(element.label) + element.field;
            WrapText(text, lineStart);
        }
    }
    return text;
}

bool BuildSutrsRecord(PresentCacheEntry& entry, std::string& text, SessionRecord& session) {
    const SutrsBlock* block = FindSutrsBlock(session);
    if (block == nullptr) return false;
    text = BuildSutrsText(*block, entry.fields, session.cacheFormat != 0, FieldValueConversionFromIni());
    return true;
}
