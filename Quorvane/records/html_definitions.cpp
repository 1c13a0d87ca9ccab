#include "Quorvane/records/html_definitions.h"

#include "Quorvane/records/definition_blocks.h"

namespace {

constexpr ElementFileMessages kHtmlMessages{
    "Missing label in file htmldef.tblx",
    "Missing label",
    "Missing databases in file htmldef.tblx",
    "Missing field",
    "Missing bool",
    "Missing value",
};

}  // namespace

DefinitionBlocks<HtmlBlock> ReadHtmlDefinitions(const std::string& path) {
    return ReadElementDefinitions(path, kHtmlMessages);
}

const HtmlBlock* FindHtmlBlock(SessionRecord& session) {
    if (!session.htmlDefinitions) {
        session.htmlDefinitions = ReadHtmlDefinitions(ControlFilePath(session, kHtmlDefinitionsFile));
    }
    return FindDatabaseBlock(session.htmlDefinitions, &ElementBlock::databases, session.currentDatabase);
}
