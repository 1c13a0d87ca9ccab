#include "Quorvane/records/marc_row_definitions_reader.h"

#include <optional>
#include <string_view>
#include <vector>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/config/white_space.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/records/marc_definition_file.h"
#include "toolkit/util/str_case.h"

namespace {

constexpr std::string_view kFile = kMarcRowDefinitionsFile;
constexpr std::string_view kMarcOidKeyword = "MARCOID";

using Column = std::optional<std::string> MarcBlock2::*;
using Routine = std::string MarcBlock2::*;

struct Keyword {
    std::string_view name;
    Column column;
    bool keepsWhiteSpace;
    bool keepsCase;
    Routine routine;  // nullptr: the keyword takes no routine
};

constexpr Keyword kKeywords[] = {
    {"TAGNO", &MarcBlock2::tagNo, false, false, nullptr},
    {"INDICE", &MarcBlock2::indice, false, false, &MarcBlock2::indiceRoutine},
    {"INDICE1", &MarcBlock2::indice1, false, false, nullptr},
    {"INDICE2", &MarcBlock2::indice2, false, false, nullptr},
    {"SUBFIELD", &MarcBlock2::subfield, false, false, &MarcBlock2::subfieldRoutine},
    {"DATA", &MarcBlock2::data, false, false, &MarcBlock2::dataRoutine},
    {"COMPLETE", &MarcBlock2::complete, false, false, nullptr},
    {"EXTRANO", &MarcBlock2::extraNo, false, false, nullptr},
    {"SAMEFIELD", &MarcBlock2::sameField, false, false, nullptr},
    {"SPILLOVER", &MarcBlock2::spillOver, true, true, nullptr},
    {"CHARCONV", &MarcBlock2::charConv, true, false, nullptr},
};

std::string missingLabel() {
    return MissingMessage("label", kFile);
}

void checkComplete(const MarcBlock2* block) {
    if (block != nullptr && (!block->tagNo || !block->data))
        LogMessage("Error in file " + std::string(kFile));
}

// The column of a keyword record, as the keyword keeps it.
std::string columnText(TblFile* file, bool keepsWhiteSpace, bool keepsCase) {
    std::string column = ReadControlToken(file, missingLabel(), true).value_or("");
    if (!keepsCase) StrUpper(column);
    if (!keepsWhiteSpace) RemoveWhiteSpace(column);
    return column;
}

void readKeyword(TblFile* file, MarcBlock2& block, const std::string& keyword) {
    for (const Keyword& entry : kKeywords) {
        if (entry.name != keyword) continue;
        block.*entry.column = columnText(file, entry.keepsWhiteSpace, entry.keepsCase);
        if (entry.routine != nullptr) {
            std::optional<std::string> routine = ReadControlToken(file, missingLabel(), false);
            if (routine) block.*entry.routine = std::move(*routine);
        }
        return;
    }
    for (std::size_t k = 0; k < kHoldingsKeywordCount; ++k) {
        if (kHoldingsKeywords[k] != keyword) continue;
        block.holdings[k] = columnText(file, false, false);
        return;
    }
    noteConfigProblem();
    LogMessage("Unknown MARC definition in file " + std::string(kFile));
}

// Reads one record into the blocks, the last of which is the open one.
void readRecord(TblFile* file, std::vector<MarcBlock2>& blocks) {
    MarcBlock2* block = blocks.empty() ? nullptr : &blocks.back();
    std::string first =
        ReadControlToken(file, block != nullptr ? missingLabel() : MissingMessage("tag", kFile), true)
            .value_or("");
    StrUpper(first);
    if (first == kDatabasesMarker) {
        checkComplete(block);
        blocks.emplace_back().databases =
            ReadControlDatabaseNames(file, MissingMessage("database", kFile), true);
        return;
    }
    if (block == nullptr) {
        LogMessage("Error in file " + std::string(kFile));
        return;
    }
    if (first == kMarcOidKeyword) {
        block->marcOid = ReadControlToken(file, MissingMessage("MARC OID", kFile), true).value_or("");
    } else if (first == kRawMarker) {
        block->kind = MarcBlockKind::Raw;
        block->rawColumn = ReadMarcRawColumn(file, kFile);
    } else if (first == kLeaderMarker) {
        block->leader = ReadMarcLeaderDef(file, kFile);
    } else {
        readKeyword(file, *block, first);
    }
}

}  // namespace

DefinitionBlocks<MarcBlock2> ReadMarcDefinitions2(const std::string& path) {
    ConfigProblemWatch watch;
    OwnedTblFile file = OpenControlFileOrLocal(path);
    if (!file) return std::nullopt;
    std::vector<MarcBlock2> blocks;
    ReadEveryDefinitionRecord(file.get(), kFile, [&] { readRecord(file.get(), blocks); });
    checkComplete(blocks.empty() ? nullptr : &blocks.back());
    return FinishDefinitionBlocks(std::move(blocks), watch);
}
