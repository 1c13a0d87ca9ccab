#include "Quorvane/records/element_definitions.h"

#include <optional>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/records/marc_definition_file.h"
#include "toolkit/util/table_file.h"

namespace {

void reportFileError(const std::string& path) {
    ReportControlFileProblem("Error in file " + path);
}

// The rest of a header record: its database names.
std::vector<std::string> readDatabases(TblFile* file, const ElementFileMessages& messages) {
    std::vector<std::string> names = ReadControlDatabaseNames(file, messages.missingDatabases, false);
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

DefinitionBlocks<ElementBlock> ReadElementDefinitions(const std::string& path,
                                                      const ElementFileMessages& messages) {
    OwnedTblFile file = OpenControlFile(path);
    if (file == nullptr) return std::nullopt;
    ConfigProblemWatch watch;
    std::vector<ElementBlock> blocks;  // the last is the block being read
    bool headerOpen = false;           // a header waits for its first element
    ControlRecordRead read;
    while ((read = ReadDefinitionRecord(file.get(), path)) == ControlRecordRead::Record) {
        const std::string first =
            *ReadControlToken(file.get(), headerOpen ? messages.firstLabel : messages.recordLabel, true);
        if (first == kDatabasesMarker) {
            if (headerOpen) reportFileError(path);
            blocks.emplace_back().databases = readDatabases(file.get(), messages);
            headerOpen = true;
        } else if (blocks.empty()) {
            reportFileError(path);
        } else {
            ElementBlock& block = blocks.back();
            block.elements.push_back(readElement(file.get(), first, messages));
            block.hasConditions = block.hasConditions || !block.elements.back().conditions.empty();
            headerOpen = false;
        }
        TblClearRecord(file.get());
    }
    if (headerOpen && read == ControlRecordRead::End) reportFileError(path);
    return FinishDefinitionBlocks(std::move(blocks), watch);
}
