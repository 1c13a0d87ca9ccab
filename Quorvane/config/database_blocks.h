#pragma once
// Finding the block of a control file that serves a database: each block lists the database names it
// serves, and the block listing kDefaultDatabase serves every database without a block of its own.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Quorvane/config/control_file.h"

// The database name of the block that serves every database without a block of its own.
inline constexpr std::string_view kDefaultDatabase = "DEFAULT";

// The first block whose names (the block's field `names`) hold the database (exact comparison), else the
// first holding kDefaultDatabase; nullptr when neither exists or the blocks are absent. Without a database
// only kDefaultDatabase is looked for.
template <typename Block>
const Block* FindDatabaseBlock(const DefinitionBlocks<Block>& blocks, std::vector<std::string> Block::*names,
                               std::optional<std::string_view> database) {
    if (!blocks) return nullptr;
    const auto find = [&blocks, names](std::string_view name) -> const Block* {
        const auto found = std::find_if(blocks->begin(), blocks->end(), [names, name](const Block& block) {
            const std::vector<std::string>& listed = block.*names;
            return std::find(listed.begin(), listed.end(), name) != listed.end();
        });
        return found != blocks->end() ? &*found : nullptr;
    };
    const Block* block = database ? find(*database) : nullptr;
    return block != nullptr ? block : find(kDefaultDatabase);
}
