#include "Quorvane/scan/scan_definitions_reader.h"

#include <optional>
#include <string_view>
#include <vector>

#include "Quorvane/config/control_file.h"
#include "Quorvane/config/control_values.h"
#include "Quorvane/platform/program_dir.h"
#include "Quorvane/scan/scan_definitions.h"
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

// The file in the control-files directory or, when that cannot be opened or no directory is given, in the
// working directory.
OwnedTblFile openScanFile(const std::string& controlFilesDir) {
    if (controlFilesDir.empty()) return OpenControlFile(kScanFileName);
    return OpenControlFileOrLocal(platform::joinPath(controlFilesDir, kScanFileName));
}

// The database record (already read) and the attribute-set record of a block; false after a fault.
bool readBlockHead(TblFile* file, ScanDefinition& definition) {
    ReadControlToken(file, kMissingDatabase, true);
    definition.databaseNames = ReadControlDatabaseNames(file, kMissingDatabase, false);
    if (definition.databaseNames.empty()) {
        ReportControlFileFault(kMissingDatabase);
        return false;
    }

    if (ReadControlRecord(file) != ControlRecordRead::Record) {
        ReportControlFileFault(kMissingOidRecord);
        return false;
    }
    ReadControlToken(file, kMissingOidMarker, true);
    definition.attributeSetIds = ReadControlTexts(file, kMissingOids, false);
    if (definition.attributeSetIds.empty()) {
        ReportControlFileFault(kMissingOids);
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

DefinitionBlocks<ScanDefinition> LoadScanDefinitions(const std::string& controlFilesDir) {
    OwnedTblFile file = openScanFile(controlFilesDir);
    if (!file) return std::nullopt;
    std::vector<ScanDefinition> definitions;  // the last is the block being read
    for (;;) {
        ControlRecordRead read = ReadControlRecord(file.get());
        if (read == ControlRecordRead::End) return definitions;
        if (read == ControlRecordRead::Faulty) {
            ReportControlFileFault(kMalformedRecord);
            return std::nullopt;
        }
        const ControlValue first = *PeekControlValue(file.get());
        if (first.type == TblTokenString) {
            if (first.text != kBlockMarker) {
                ReportControlFileFault(kErrorInDatabaseField);
                return std::nullopt;
            }
            ScanDefinition definition;
            if (!readBlockHead(file.get(), definition)) return std::nullopt;
            definitions.push_back(std::move(definition));
        } else if (first.type == TblTokenInteger) {
            if (definitions.empty()) {
                ReportControlFileProblem(kMappingOutsideBlock);
                continue;
            }
            definitions.back().mappings.push_back(readMapping(file.get()));
        }
    }
}
