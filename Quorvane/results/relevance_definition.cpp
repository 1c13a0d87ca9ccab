#include "Quorvane/results/relevance_definition.h"

#include <memory>

#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/program_dir.h"
#include "toolkit/util/table_file.h"

std::optional<RelevanceDefinition> FindRelevanceDefinition(const std::string& controlFilesDir,
                                                           std::int32_t reference) {
    const std::string path = controlFilesDir.empty()
                                 ? kRelevanceFileName
                                 : platform::joinPath(controlFilesDir, kRelevanceFileName);
    const OwnedTblFile table = OpenControlFile(path);
    if (table == nullptr) {
        LogMessage("Could not open file " + path);
        return std::nullopt;
    }
    while (ReadControlRecord(table.get()) == ControlRecordRead::Record) {
        RelevanceDefinition definition;
        definition.reference = ReadControlInteger(table.get(), "No relevance rank ref in relrank.tblx", true);
        definition.frequencyStatement =
            *ReadControlToken(table.get(), "No relevance frequency query in relrank.tblx", true);
        definition.mainStatement =
            *ReadControlToken(table.get(), "No main relevance query in relrank.tblx", true);
        TblClearRecord(table.get());
        if (definition.reference == reference) return definition;
    }
    LogMessage("Relevance rank mapping missing");
    return std::nullopt;
}
