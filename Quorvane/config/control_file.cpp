#include "Quorvane/config/control_file.h"

#include <cstdio>
#include <filesystem>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/log/operations_log.h"
#include "toolkit/util/str_case.h"

OwnedTblFile OpenControlFile(const std::string& path) {
    return OwnedTblFile(TblOpen(path.c_str(), TblRead));
}

OwnedTblFile OpenControlFileOrLocal(const std::string& path) {
    OwnedTblFile file = OpenControlFile(path);
    if (file) return file;
    std::string bareName = std::filesystem::path(path).filename().string();
    if (bareName.empty() || bareName == path) return nullptr;
    return OpenControlFile(bareName);
}

ControlRecordRead ReadControlRecord(TblFile* file) {
    if (TblReadRecord(file) != 0) return ControlRecordRead::Record;
    if (SlIsEmpty(file->tokens) != 0 && std::feof(file->file) != 0) return ControlRecordRead::End;
    return ControlRecordRead::Faulty;
}

ControlRecordRead ReadDefinitionRecord(TblFile* file, std::string_view fileName) {
    const ControlRecordRead read = ReadControlRecord(file);
    if (read == ControlRecordRead::Faulty) {
        TblClearRecord(file);
        ReportControlFileProblem("Error in file " + std::string(fileName));
    }
    return read;
}

std::optional<ControlValue> PeekControlValue(const TblFile* file) {
    const SlNode* head = file->tokens->head;
    if (head == nullptr) return std::nullopt;
    const auto* token = static_cast<const TblToken*>(head->datum);
    const bool hasText = token->type == TblTokenString || token->type == TblTokenWord;
    return ControlValue{token->type, hasText ? std::string_view(token->value.text) : std::string_view()};
}

std::vector<std::string> ReadControlTexts(TblFile* file, std::string_view message, bool firstRequired) {
    std::vector<std::string> texts;
    for (std::optional<std::string> text = ReadControlToken(file, message, firstRequired); text;
         text = ReadControlToken(file, message, false)) {
        texts.push_back(std::move(*text));
    }
    return texts;
}

std::vector<std::string> ReadControlDatabaseNames(TblFile* file, std::string_view message,
                                                  bool firstRequired) {
    std::vector<std::string> names = ReadControlTexts(file, message, firstRequired);
    for (std::string& name : names) StrUpper(name);
    return names;
}

void ReportControlFileProblem(std::string_view message) {
    noteConfigProblem();
    LogMessage(message);
}

void ReportControlFileFault(std::string_view message) {
    noteConfigProblem();
    LogConfigError(message);
}

bool DefinitionsRefused(const ConfigProblemWatch& watch) {
    if (watch.found()) setConfigError();
    return configErrorIsSet();
}
