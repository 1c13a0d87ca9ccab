#include "Quorvane/scan/scan_definitions_reader.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/program_dir.h"
#include "Quorvane/scan/scan_definitions.h"
#include "toolkit/util/str_case.h"
#include "toolkit/util/table_file.h"

namespace {

constexpr std::string_view kBlockMarker = "XXDATABASESXX";

constexpr const char* kMissingDatabase = "Missing database in file scandef.tblx";
constexpr const char* kMissingOidRecord = "Missing attribute oids in file scandef.tblx";
constexpr const char* kMissingOidMarker = "Missing attribute oid marker in file scandef.tblx";
constexpr const char* kMissingOids = "Missing attribute OIDs in file scandef.tblx";
constexpr const char* kErrorInDatabaseField = "Error in database field in file scandef.tblx";
constexpr const char* kMissingUseValue = "Missing use value in file scan.tblx";
constexpr const char* kMissingTermColumn = "Missing term column number in file scan.tblx";
constexpr const char* kMissingHitsColumn = "Missing hits column number in file scan.tblx";
constexpr const char* kMissingReturnColumn = "Missing return term column number in file scan.tblx";
constexpr const char* kMalformedRecord = "Malformed record in file scan.tblx";
constexpr const char* kMappingOutsideBlock = "Scan mapping before any XXDATABASESXX block in file scan.tblx";

struct ListDestroyer {
    void operator()(DblList* list) const { ListDestroy(list); }
};

// A fault that ends the reading.
void reportFault(std::string_view message) {
    noteConfigProblem();
    LogConfigError(message);
}

OwnedTblFile openScanFile(const std::string& controlFilesDir) {
    if (!controlFilesDir.empty()) {
        OwnedTblFile file = OpenControlFile(platform::joinPath(controlFilesDir, kScanFileName));
        if (file) return file;
    }
    return OpenControlFile(kScanFileName);
}

// The type and, for a quoted string, the text of the record's first value, which stays queued.
struct FirstValue {
    int32_t type;
    std::string_view text;
};

FirstValue firstValue(const TblFile* file) {
    const auto* token = static_cast<const TblToken*>(file->tokens->head->datum);
    if (token->type == TblTokenString) return {token->type, token->value.text};
    return {token->type, {}};
}

// The quoted texts up to the end of the record.
std::vector<std::string> readTexts(TblFile* file, const char* message) {
    std::vector<std::string> texts;
    while (std::optional<std::string> text = ReadControlToken(file, message, false)) {
        texts.push_back(std::move(*text));
    }
    return texts;
}

// The database record (already read) and the attribute-set record of a block; false after a fault.
bool readBlockHead(TblFile* file, ScanDefinition& definition) {
    ReadControlToken(file, kMissingDatabase, true);
    definition.databaseNames = readTexts(file, kMissingDatabase);
    if (definition.databaseNames.empty()) {
        reportFault(kMissingDatabase);
        return false;
    }
    for (std::string& name : definition.databaseNames) StrUpper(name);

    if (ReadControlRecord(file) != ControlRecordRead::Record) {
        reportFault(kMissingOidRecord);
        return false;
    }
    ReadControlToken(file, kMissingOidMarker, true);
    definition.attributeSetIds = readTexts(file, kMissingOids);
    if (definition.attributeSetIds.empty()) {
        reportFault(kMissingOids);
        return false;
    }
    return true;
}

ScanMapping readMapping(TblFile* file) {
    ScanMapping mapping;
    mapping.useValue = ReadControlInteger(file, kMissingUseValue, true);
    mapping.statement = ReadControlToken(file, kMissingDatabase, false).value_or("");
    mapping.termColumn = ReadControlInteger(file, kMissingTermColumn, true);
    mapping.hitsColumn = ReadControlInteger(file, kMissingHitsColumn, true);
    mapping.returnTermColumn = ReadControlInteger(file, kMissingReturnColumn, true);
    return mapping;
}

}  // namespace

DblList* LoadScanDefinitions(const std::string& controlFilesDir) {
    OwnedTblFile file = openScanFile(controlFilesDir);
    if (!file) return nullptr;
    std::unique_ptr<DblList, ListDestroyer> definitions(ListCreate(FreeScanDefinition));
    ScanDefinition* block = nullptr;
    for (;;) {
        ControlRecordRead read = ReadControlRecord(file.get());
        if (read == ControlRecordRead::End) return definitions.release();
        if (read == ControlRecordRead::Faulty) {
            reportFault(kMalformedRecord);
            return nullptr;
        }
        FirstValue first = firstValue(file.get());
        if (first.type == TblTokenString) {
            if (first.text != kBlockMarker) {
                reportFault(kErrorInDatabaseField);
                return nullptr;
            }
            auto definition = std::make_unique<ScanDefinition>();
            if (!readBlockHead(file.get(), *definition)) return nullptr;
            block = definition.get();
            ListLast(definitions.get());
            ListInsert(definitions.get(), definition.release());
        } else if (first.type == TblTokenInteger) {
            if (block == nullptr) {
                ReportControlFileProblem(kMappingOutsideBlock);
                continue;
            }
            block->mappings.push_back(readMapping(file.get()));
        }
    }
}
