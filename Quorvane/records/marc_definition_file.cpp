#include "Quorvane/records/marc_definition_file.h"

#include <filesystem>
#include <optional>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/control_values.h"
#include "toolkit/util/str_case.h"

OwnedTblFile OpenMarcDefinitionFile(const std::string& path) {
    OwnedTblFile file = OpenControlFile(path);
    if (file) return file;
    std::string bareName = std::filesystem::path(path).filename().string();
    if (bareName.empty() || bareName == path) return nullptr;
    return OpenControlFile(bareName);
}

ControlRecordRead ReadMarcDefinitionRecord(TblFile* file, std::string_view fileName) {
    const ControlRecordRead read = ReadControlRecord(file);
    if (read == ControlRecordRead::Faulty) {
        TblClearRecord(file);
        ReportControlFileProblem("Error in file " + std::string(fileName));
    }
    return read;
}

std::string MissingMessage(std::string_view what, std::string_view fileName) {
    return "Missing " + std::string(what) + " in file " + std::string(fileName);
}

std::vector<std::string> ReadMarcDatabaseNames(TblFile* file, std::string_view fileName) {
    const std::string message = MissingMessage("database", fileName);
    std::vector<std::string> names;
    for (std::optional<std::string> name = ReadControlToken(file, message, true); name;
         name = ReadControlToken(file, message, false)) {
        StrUpper(*name);
        names.push_back(std::move(*name));
    }
    return names;
}

std::string ReadMarcRawColumn(TblFile* file, std::string_view fileName) {
    return ReadControlToken(file, MissingMessage("raw field", fileName), true).value_or("");
}

bool ReadMarcFlag(TblFile* file, const std::string& message) {
    return StrCaseCompare(ReadControlWord(file, message, true).value_or(""), "TRUE") == 0;
}

MarcLeaderDef ReadMarcLeaderDef(TblFile* file, std::string_view fileName) {
    MarcLeaderDef leader;
    leader.field = ReadControlToken(file, MissingMessage("leader field", fileName), true).value_or("");
    leader.fromColumn = ReadMarcFlag(file, MissingMessage("bool", fileName));
    leader.routine = ReadControlToken(file, MissingMessage("leader routine", fileName), true).value_or("");
    return leader;
}

OwnedDblList FinishMarcDefinitions(OwnedDblList blocks, const ConfigProblemWatch& watch) {
    if (watch.found()) setConfigError();
    if (configErrorIsSet()) return nullptr;
    return blocks;
}
