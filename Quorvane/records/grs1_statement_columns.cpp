#include "Quorvane/records/grs1_statement_columns.h"

#include "Quorvane/database/select_list.h"
#include "Quorvane/present/present_definitions.h"
#include "Quorvane/present/record_formats.h"

namespace {

void addColumns(const DblList* blocks, std::set<std::string>& columns) {
    if (blocks == nullptr) return;
    for (const DblNode* node = blocks->first; node != nullptr; node = node->next) {
        for (const std::string& statement : static_cast<const PresentBlock*>(node->datum)->statements) {
            for (std::string& column : SplitSelectList(statement, true)) columns.insert(std::move(column));
        }
    }
}

}  // namespace

std::set<std::string> PresentStatementColumns(const SessionRecord& session) {
    std::set<std::string> columns;
    if (const DblList* formats = session.recordFormats.get()) {
        for (const DblNode* node = formats->first; node != nullptr; node = node->next) {
            addColumns(static_cast<const RecordFormat*>(node->datum)->definitions.get(), columns);
        }
    }
    addColumns(session.fullDefinitions.get(), columns);
    addColumns(session.briefDefinitions.get(), columns);
    return columns;
}
