#pragma once
// The blocks of the record-syntax control files: finding the block that serves the association's
// database, and where such a file is read from.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/records/marc_definitions.h"

// The first block (each with a `databases` vector of names) whose names hold the database (exact
// comparison), else the first holding "DEFAULT"; nullptr when neither exists or the blocks are absent.
template <typename Block>
const Block* FindDatabaseBlock(const DefinitionBlocks<Block>& blocks,
                               const std::optional<std::string>& database) {
    if (!blocks) return nullptr;
    const auto find = [&blocks](std::string_view name) -> const Block* {
        const auto found = std::find_if(blocks->begin(), blocks->end(), [name](const Block& block) {
            return std::find(block.databases.begin(), block.databases.end(), name) != block.databases.end();
        });
        return found != blocks->end() ? &*found : nullptr;
    };
    const Block* block = database ? find(*database) : nullptr;
    return block != nullptr ? block : find(kDefaultDatabase);
}

// The path of a control file: the name in the session's control-files directory, or the bare name when no
// directory is configured.
std::string ControlFilePath(const SessionRecord& session, std::string_view name);
