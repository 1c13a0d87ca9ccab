#include "Quorvane/records/sutrs_definitions.h"

#include "Quorvane/records/definition_blocks.h"

namespace {

constexpr ElementFileMessages kSutrsMessages{
    "Missing label",
    "Missing label in file sutrsdef.tblx",
    "Missing database in file sutrsdef.tblx",
    "Missing field in file sutrsdef.tblx",
    "Missing bool in file sutrsdef.tblx",
    "Missing value in file sutrsdef.tblx",
};

}  // namespace

DefinitionBlocks<SutrsBlock> ReadSutrsDefinitions(const std::string& path) {
    return ReadElementDefinitions(path, kSutrsMessages);
}

const SutrsBlock* FindSutrsBlock(SessionRecord& session) {
    if (!session.sutrsDefinitions) {
        session.sutrsDefinitions = ReadSutrsDefinitions(ControlFilePath(session, kSutrsDefinitionsFile));
    }
    return FindDatabaseBlock(session.sutrsDefinitions, &ElementBlock::databases, session.currentDatabase);
}
