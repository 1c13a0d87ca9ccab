#include "Quorvane/records/grs1_statement_columns.h"

#include "Quorvane/database/select_list.h"
#include "Quorvane/present/present_definitions.h"
#include "Quorvane/present/record_formats.h"

namespace {

void addColumns(const DefinitionBlocks<PresentBlock>& blocks, std::set<std::string>& columns) {
    if (!blocks) return;
    for (const PresentBlock& block : *blocks) {
        for (const std::string& statement : block.statements) {
            for (std::string& column : SplitSelectList(statement, true)) columns.insert(std::move(column));
        }
    }
}

}  // namespace

std::set<std::string> PresentStatementColumns(const SessionRecord& session) {
    std::set<std::string> columns;
    if (const RecordFormats* formats = session.recordFormats.get()) {
        for (const RecordFormat& format : *formats) addColumns(format.definitions, columns);
    }
    addColumns(session.fullDefinitions, columns);
    addColumns(session.briefDefinitions, columns);
    return columns;
}
