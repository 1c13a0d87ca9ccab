#include "Quorvane/records/element_definitions.h"

#include <optional>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/records/marc_definition_file.h"
#include "toolkit/util/str_case.h"
#include "toolkit/util/table_file.h"

namespace {

void freeElementBlock(void* datum) {
    delete static_cast<ElementBlock*>(datum);
}

void reportFileError(const std::string& path) {
    ReportControlFileProblem("Error in file " + path);
}

// The rest of a header record: its database names.
std::vector<std::string> readDatabases(TblFile* file, const ElementFileMessages& messages) {
    std::vector<std::string> names;
    while (std::optional<std::string> name = ReadControlToken(file, messages.missingDatabases, false)) {
        StrUpper(*name);
        names.push_back(std::move(*name));
    }
    if (names.empty()) ReportControlFileProblem(messages.missingDatabases);
    return names;
}

// The rest of an element record after its label.
ElementDefinition readElement(TblFile* file, std::string label, const ElementFileMessages& messages) {
    ElementDefinition element;
    element.label = std::move(label);
    element.field = *ReadControlToken(file, messages.missingField, true);
    element.fromColumn = ReadMarcFlag(file, messages.missingBool);
    element.routine = *ReadControlToken(file, messages.missingField, true);
    while (std::optional<std::string> column = ReadControlToken(file, messages.missingValue, false)) {
        element.conditions.push_back(
            {std::move(*column), *ReadControlToken(file, messages.missingValue, true)});
    }
    return element;
}

}  // namespace

OwnedDblList ReadElementDefinitions(const std::string& path, const ElementFileMessages& messages) {
    OwnedTblFile file = OpenControlFile(path);
    if (file == nullptr) return nullptr;
    ConfigProblemWatch watch;
    OwnedDblList blocks(ListCreate(freeElementBlock));
    ElementBlock* block = nullptr;
    bool headerOpen = false;  // a header waits for its first element
    ControlRecordRead read;
    while ((read = ReadMarcDefinitionRecord(file.get(), path)) == ControlRecordRead::Record) {
        const std::string first =
            *ReadControlToken(file.get(), headerOpen ? messages.firstLabel : messages.recordLabel, true);
        if (first == kDatabasesMarker) {
            if (headerOpen) reportFileError(path);
            block = new ElementBlock;
            ListInsert(blocks.get(), block);
            block->databases = readDatabases(file.get(), messages);
            headerOpen = true;
        } else if (block == nullptr) {
            reportFileError(path);
        } else {
            block->elements.push_back(readElement(file.get(), first, messages));
            block->hasConditions = block->hasConditions || !block->elements.back().conditions.empty();
            headerOpen = false;
        }
        TblClearRecord(file.get());
    }
    if (headerOpen && read == ControlRecordRead::End) reportFileError(path);
    return FinishMarcDefinitions(std::move(blocks), watch);
}
