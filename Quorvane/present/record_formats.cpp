#include "Quorvane/present/record_formats.h"

#include <memory>
#include <optional>
#include <string_view>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/program_dir.h"
#include "Quorvane/present/present_definitions.h"
#include "toolkit/util/table_file.h"

namespace {

constexpr const char* kMissingFileName = "Missing Record Type File Name in file recordformats.tblx";

std::string inControlFilesDir(const SessionRecord& session, std::string_view name) {
    if (session.controlFilesDir.empty()) return std::string(name);
    return platform::joinPath(session.controlFilesDir, name);
}

// A name holding a backslash is a path of its own; any other is looked up in the control-files directory
// (an absolute name stays as it is).
std::string formatFilePath(const SessionRecord& session, const std::string& name) {
    if (name.find('\\') != std::string::npos) return name;
    return inControlFilesDir(session, name);
}

std::unique_ptr<RecordFormat> readRecordFormat(TblFile* table, const SessionRecord& session) {
    auto format = std::make_unique<RecordFormat>();
    format->name = ReadControlToken(table, kMissingFileName, true).value_or(" ");
    const std::string path =
        formatFilePath(session, ReadControlToken(table, kMissingFileName, true).value_or(" "));
    format->definitions = LoadPresentFile(path);
    if (!format->definitions) {
        LogAndDiagnose("Could not open file " + path);
        noteConfigProblem();
    }
    return format;
}

}  // namespace

void LoadPresentDefinitions(SessionRecord& session) {
    const OwnedTblFile table = OpenControlFile(inControlFilesDir(session, kRecordFormatsFile));
    if (!table) {
        session.fullDefinitions = LoadPresentFile(inControlFilesDir(session, kPresentFullFile));
        session.briefDefinitions = LoadPresentFile(inControlFilesDir(session, kPresentBriefFile));
        return;
    }
    session.recordFormats = std::make_unique<RecordFormats>();
    while (ReadControlRecord(table.get()) == ControlRecordRead::Record) {
        session.recordFormats->append(readRecordFormat(table.get(), session));
    }
}
