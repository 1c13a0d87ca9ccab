#include "Quorvane/records/marc_row_mapping.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/log/operations_log.h"
#include "Quorvane/records/marc_rows.h"
#include "toolkit/util/str_text.h"

namespace {

constexpr std::string_view kHoldingsTag = "HLD";
constexpr int kHoldingsTagNumber = 999;
constexpr int kFirstDataFieldTag = 10;

// The value of the row's field of the column, read in place: the row's fields outlive the row's placing.
std::optional<std::string_view> columnValue(const FieldRow& row, const std::optional<std::string>& column) {
    if (!column) return std::nullopt;
    const RecordField* field = FindRowField(row, *column);
    if (field == nullptr || !field->value) return std::nullopt;
    return std::string_view(*field->value);
}

// The tag read as a decimal number from its start (0 when it begins with no digit).
int tagNumber(std::string_view tag) {
    if (tag == kHoldingsTag) return kHoldingsTagNumber;
    int number = 0;
    for (std::size_t i = 0; i < tag.size() && octet::isDigit(tag[i]) && number < 1000; ++i) {
        number = number * 10 + (tag[i] - '0');
    }
    return number;
}

std::string indicatorsOf(const MarcBlock2& block, const FieldRow& row,
                         const ImageLocationReader& imageLocation) {
    std::string indicators = "00";
    const std::optional<std::string_view> first = columnValue(row, block.indice1);
    const std::optional<std::string_view> second = columnValue(row, block.indice2);
    if (first && !first->empty()) indicators[0] = first->front();
    if (second && !second->empty()) indicators[1] = second->front();
    std::optional<std::string> both =
        ApplyFieldRoutine(columnValue(row, block.indice), block.indiceRoutine, imageLocation);
    if (both) indicators.replace(0, std::min<std::size_t>(both->size(), 2), both->substr(0, 2));
    return indicators;
}

bool continuesField(const MarcBuildState& state, const MarcBlock2& block, const std::string& tag,
                    const std::optional<std::string_view>& sameFieldKey,
                    const std::optional<std::string>& code) {
    if (state.fieldText.empty()) return false;
    const bool sameTag = state.previousTag == tag;
    if (sameFieldKey) return sameTag && state.previousSameFieldKey == sameFieldKey;
    return !block.sameField && sameTag && code && !code->empty() &&
           state.openFieldCodes.find(*code) == std::string::npos;
}

// The row's data as the stored leader (tag number 0), or as a subfield or field of the tag.
void placeRow(MarcBuildState& state, const MarcBlock2& block, const FieldRow& row, int number,
              const std::optional<std::string>& tag) {
    const std::optional<std::string_view> sameFieldKey = columnValue(row, block.sameField);
    std::optional<std::string> data =
        ApplyFieldRoutine(columnValue(row, block.data), block.dataRoutine, state.imageLocation);
    std::optional<std::string> code;
    if (block.subfield) {
        code =
            ApplyFieldRoutine(columnValue(row, block.subfield), block.subfieldRoutine, state.imageLocation);
    }
    if (number == 0) {
        state.storedLeader = data;
        state.openFieldCodes.clear();
        return;
    }

    const bool newField = !continuesField(state, block, *tag, sameFieldKey, code);
    if (newField) {
        AddMarcField(state.parts, state.fieldText, state.currentTag);
        state.openFieldCodes.clear();
    }
    state.currentTag = *tag;
    if (newField && number < kFirstDataFieldTag) {
        AppendMarcSubfield(state.fieldText, data, std::nullopt, std::nullopt, true, state.charset);
    } else {
        std::optional<std::string> indicators;
        if (newField) indicators = indicatorsOf(block, row, state.imageLocation);
        AppendMarcSubfield(state.fieldText, data, code, indicators, newField, state.charset);
        if (code && data) state.openFieldCodes += *code;
    }
    state.previousTag = *tag;
    if (sameFieldKey) state.previousSameFieldKey = std::string(*sameFieldKey);
}

}  // namespace

Bib1Outcome ApplyMarcRow(MarcBuildState& state, const MarcBlock2& block, const FieldRow& row,
                         const SpillOverColumns* spillOver, const SessionRecord& session) {
    const std::optional<std::string_view> tagText = columnValue(row, block.tagNo);
    if (!tagText) return {};
    const int number = tagNumber(*tagText);
    std::optional<std::string> tag = MarcTag(*tagText);
    if (number != 0 && !tag) {
        LogMessage("Error in MARC tag definition");
        return {};
    }
    const Bib1Outcome extended =
        spillOver != nullptr ? ExtendFieldValue(row, *spillOver, session) : Bib1Outcome();
    placeRow(state, block, row, number, tag);
    return extended;
}

std::vector<std::string> MarcRowColumns(const MarcBlock2& block) {
    std::vector<std::string> columns;
    for (const std::optional<std::string>* column :
         {&block.tagNo, &block.indice, &block.indice1, &block.indice2, &block.subfield, &block.data,
          &block.sameField, &block.extraNo}) {
        if (*column) columns.push_back(**column);
    }
    for (const std::optional<std::string>& column : block.holdings) {
        if (column) columns.push_back(*column);
    }
    return columns;
}
