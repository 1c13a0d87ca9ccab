#include "Quorvane/records/html_record.h"

#include <cstddef>
#include <optional>

#include "Quorvane/records/html_markup.h"
#include "Quorvane/records/marc_rows.h"

namespace {

// The escaped value of a column element; nothing when its row, field or value is missing.
std::optional<std::string> columnPiece(const HtmlElement& element, const FieldRows& rows,
                                       const FieldValueConversion& conversion) {
    if (rows.empty()) return std::nullopt;
    const FieldRow* row =
        element.conditions.empty() ? &rows.front() : FirstMatchingRow(rows, element.conditions);
    if (row == nullptr) return std::nullopt;
    const RecordField* field = FindRowField(*row, element.field);
    if (field == nullptr) return std::nullopt;
    std::optional<std::string> value = conversion.convert(field->value, element.routine);
    if (!value) return std::nullopt;
    return EscapeMarkup(*value);
}

}  // namespace

std::string BuildHtmlText(const HtmlBlock& block, RecordFields& fields, bool full,
                          const FieldValueConversion& conversion) {
    const FieldRows rows = GroupRows(fields, true);
    std::string text;
    std::size_t continuation = std::string::npos;  // just after the last value a template took; npos: none
    for (const HtmlElement& element : block.elements) {
        const bool concatenates = element.label == kConcatenateLabel;
        std::optional<std::string> piece;
        if (element.fromColumn) {
            piece = columnPiece(element, rows, conversion);
        } else if (full && concatenates) {
            piece = element.field;
        } else if (full) {
            text += FillTemplate(element.label, element.field).text + '\n';
            continue;
        }
        if (!piece) continue;
        if (concatenates) {
            if (continuation == std::string::npos) continue;
            text.insert(continuation, " " + *piece);
            continuation += 1 + piece->size();
            continue;
        }
        const FilledTemplate filled = FillTemplate(element.label, *piece);
        continuation = filled.valueEnd != std::string::npos ? text.size() + filled.valueEnd : std::string::npos;
        text += filled.text + '\n';
    }
    return text;
}

bool BuildHtmlRecord(PresentCacheEntry& entry, std::string& text, SessionRecord& session) {
    const HtmlBlock* block = FindHtmlBlock(session);
    if (block == nullptr) return false;
    text = BuildHtmlText(*block, entry.fields, session.cacheFormat != 0, FieldValueConversionFromIni());
    return true;
}
