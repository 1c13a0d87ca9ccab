#include "Quorvane/scan/scan_definitions_reader.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "Quorvane/common/control_values.h"
#include "Quorvane/config/config_problems.h"
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

struct TableCloser {
    void operator()(TblFile* table) const { TblClose(table); }
};
using Table = std::unique_ptr<TblFile, TableCloser>;

struct ListDestroyer {
    void operator()(DblList* list) const { ListDestroy(list); }
};

void reportProblem(std::string_view message) {
    noteConfigProblem();
    LogMessage(message);
}

// A fault that ends the reading.
void reportFault(std::string_view message) {
    noteConfigProblem();
    LogConfigError(message);
}

Table openScanFile(const std::string& controlFilesDir) {
    if (!controlFilesDir.empty()) {
        Table file(TblOpen(platform::joinPath(controlFilesDir, kScanFileName).c_str(), TblRead));
        if (file) return file;
    }
    return Table(TblOpen(kScanFileName, TblRead));
}

enum class RecordRead { Record, End, Faulty };

// The next record; End only at the end of the file with nothing read.
RecordRead readRecord(TblFile* file) {
    if (TblReadRecord(file) != 0) return RecordRead::Record;
    if (SlIsEmpty(file->tokens) != 0 && std::feof(file->file) != 0) return RecordRead::End;
    return RecordRead::Faulty;
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

    if (readRecord(file) != RecordRead::Record) {
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
    Table file = openScanFile(controlFilesDir);
    if (!file) return nullptr;
    std::unique_ptr<DblList, ListDestroyer> definitions(ListCreate(FreeScanDefinition));
    ScanDefinition* block = nullptr;
    for (;;) {
        RecordRead read = readRecord(file.get());
        if (read == RecordRead::End) return definitions.release();
        if (read == RecordRead::Faulty) {
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
                reportProblem(kMappingOutsideBlock);
                continue;
            }
            block->mappings.push_back(readMapping(file.get()));
        }
    }
}
