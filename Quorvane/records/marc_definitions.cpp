#include "Quorvane/records/marc_definitions.h"

#include <algorithm>

#include "toolkit/util/str_case.h"

namespace {

template <typename Block>
bool lists(const Block& block, std::string_view database) {
    return std::any_of(block.databases.begin(), block.databases.end(),
                       [&](const std::string& name) { return StrCaseCompare(name, database) == 0; });
}

template <typename Block>
const Block* findBlock(const DefinitionBlocks<Block>& blocks, std::string_view database) {
    if (!blocks) return nullptr;
    for (std::string_view name : {database, kDefaultDatabase}) {
        for (const Block& block : *blocks) {
            if (lists(block, name)) return &block;
        }
    }
    return nullptr;
}

}  // namespace

const MarcBlock* FindMarcBlock(const DefinitionBlocks<MarcBlock>& blocks, std::string_view database) {
    return findBlock(blocks, database);
}

const MarcBlock2* FindMarcBlock2(const DefinitionBlocks<MarcBlock2>& blocks, std::string_view database) {
    return findBlock(blocks, database);
}

HoldingsColumns MarcHoldingsColumns(const MarcBlock2& block) {
    HoldingsColumns columns;
    columns.tagNo = block.tagNo.value_or("");
    columns.subfield = block.subfield.value_or("");
    columns.data = block.data.value_or("");
    columns.sameField = block.sameField.value_or("");
    for (std::size_t k = 0; k < kHoldingsKeywordCount; ++k)
        columns.holdings[k] = block.holdings[k].value_or("");
    return columns;
}

std::optional<SpillOverColumns> MarcSpillOverColumns(const MarcBlock2& block) {
    if (!block.extraNo || !block.spillOver) return std::nullopt;
    return SpillOverColumns{*block.extraNo, block.data.value_or(""), *block.spillOver};
}
