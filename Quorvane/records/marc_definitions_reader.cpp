#include "Quorvane/records/marc_definitions_reader.h"

#include <optional>
#include <string_view>
#include <vector>

#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/records/marc_definition_file.h"

namespace {

constexpr std::string_view kFile = kMarcDefinitionsFile;
constexpr std::string_view kNone = "NULL";

std::optional<std::string> unlessNull(std::string text) {
    if (text == kNone) return std::nullopt;
    return text;
}

std::string missing(std::string_view what) {
    return MissingMessage(what, kFile);
}

// The values of a tag rule after its tag.
MarcRule readRule(TblFile* file, std::string tag) {
    MarcRule rule;
    rule.tag = std::move(tag);
    rule.order = ReadControlInteger(file, missing("order of concatenation"), true);
    rule.subfieldCode = unlessNull(ReadControlToken(file, missing("sub field"), true).value_or(""));
    rule.indicator = unlessNull(ReadControlToken(file, missing("indicator"), true).value_or(""));
    rule.indicatorFromColumn = ReadMarcFlag(file, missing("table reference indicator boolean"));
    rule.label = ReadControlToken(file, missing("label"), true).value_or("");
    rule.field = ReadControlToken(file, missing("field"), true).value_or("");
    rule.fieldFromColumn = ReadMarcFlag(file, missing("bool"));
    rule.routine = ReadControlToken(file, missing("routine"), true).value_or("");
    for (std::optional<std::string> column = ReadControlToken(file, missing("value"), false); column;
         column = ReadControlToken(file, missing("value"), false)) {
        std::string value = ReadControlToken(file, missing("value"), true).value_or("");
        rule.conditions.push_back({std::move(*column), std::move(value)});
    }
    return rule;
}

// Reads one record into the blocks, the last of which is the open one.
void readRecord(TblFile* file, std::vector<MarcBlock>& blocks) {
    MarcBlock* block = blocks.empty() ? nullptr : &blocks.back();
    const bool blockJustOpened =
        block != nullptr && block->rules.empty() && !block->leader && block->kind == MarcBlockKind::TagRules;
    std::string first = ReadControlToken(file, missing(blockJustOpened ? "label" : "tag"), true).value_or("");
    if (first == kDatabasesMarker) {
        blocks.emplace_back().databases =
            ReadControlDatabaseNames(file, MissingMessage("database", kFile), true);
        return;
    }
    if (block == nullptr) {
        LogMessage("Error in file " + std::string(kFile));
        return;
    }
    if (first == kRawMarker) {
        block->kind = MarcBlockKind::Raw;
        block->rawColumn = ReadMarcRawColumn(file, kFile);
    } else if (first == kLeaderMarker) {
        block->leader = ReadMarcLeaderDef(file, kFile);
    } else {
        block->rules.push_back(readRule(file, std::move(first)));
    }
}

}  // namespace

DefinitionBlocks<MarcBlock> ReadMarcDefinitions(const std::string& path) {
    ConfigProblemWatch watch;
    OwnedTblFile file = OpenControlFileOrLocal(path);
    if (!file) return std::nullopt;
    std::vector<MarcBlock> blocks;
    ReadEveryDefinitionRecord(file.get(), kFile, [&] { readRecord(file.get(), blocks); });
    return FinishDefinitionBlocks(std::move(blocks), watch);
}
