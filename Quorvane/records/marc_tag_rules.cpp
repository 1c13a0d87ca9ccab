#include "Quorvane/records/marc_tag_rules.h"

#include <optional>
#include <string_view>

#include "Quorvane/log/operations_log.h"

namespace {

constexpr std::string_view kDefaultTypeLetters = "nam";
constexpr std::string_view kDefaultIndicators = "00";

const FieldRow* firstRow(const FieldRows& rows) {
    return rows.empty() ? nullptr : &rows.front();
}

std::optional<std::string> columnValue(const FieldRow* row, std::string_view column) {
    if (row == nullptr) return std::nullopt;
    const RecordField* field = FindRowField(*row, column);
    return field != nullptr ? field->value : std::nullopt;
}

std::optional<std::string> indicatorsOf(const MarcRule& rule, const FieldRows& rows, const FieldRow* row) {
    std::optional<std::string> indicators;
    if (rule.indicatorFromColumn) {
        if (rule.indicator) indicators = columnValue(firstRow(rows), *rule.indicator);
        if (!indicators && rule.indicator && !rule.conditions.empty()) {
            indicators = columnValue(row, *rule.indicator);
        }
        if (!indicators) indicators = std::string(kDefaultIndicators);
    } else {
        indicators = rule.indicator;
    }
    if (indicators) NormaliseIndicatorText(*indicators);
    return indicators;
}

}  // namespace

void ApplyMarcRule(MarcBuildState& state, const MarcRule& rule, const FieldRows& rows, bool full) {
    std::optional<std::string> tag = MarcTag(rule.tag);
    if (!tag) {
        LogMessage("Error in MARC tag definition");
        return;
    }
    const bool continues = rule.label == kConcatenateLabel;
    if (!state.fieldText.empty() && !continues) AddMarcField(state.parts, state.fieldText, state.currentTag);

    const FieldRow* row = rule.conditions.empty() ? firstRow(rows) : FirstMatchingRow(rows, rule.conditions);
    if (row == nullptr) return;
    std::optional<std::string> value;
    if (rule.fieldFromColumn) {
        const RecordField* field = FindRowField(*row, rule.field);
        if (field == nullptr) return;
        value = field->value;
    } else if (full) {
        value = rule.field;
    } else {
        return;
    }
    value = ApplyFieldRoutine(value, rule.routine, state.imageLocation);

    std::optional<std::string> indicators = indicatorsOf(rule, rows, row);
    if (!value) {
        if (indicators) {
            state.rememberedIndicators = indicators;
            state.usedMark = false;
        }
        return;
    }
    if (continues && !indicators && !state.usedMark) indicators = state.rememberedIndicators;
    state.usedMark = true;

    AppendMarcSubfield(state.fieldText, value, rule.subfieldCode, indicators, !continues, state.charset);
    state.currentTag = *tag;
}

std::string MarcLeaderTypeLetters(const MarcBlock& block, const FieldRows& rows) {
    if (!block.leader) return std::string(kDefaultTypeLetters);
    if (!block.leader->fromColumn) return block.leader->field;
    return ApplyLeaderRoutine(columnValue(firstRow(rows), block.leader->field), block.leader->routine);
}
