#pragma once
// Scan definitions: the blocks of scan.tblx. Each block names, for a group of databases and attribute
// sets, one statement per use attribute that returns the index terms between two bounds, with the number
// of records of each. The reader is scan_definitions_reader.h.
//
// The definitions of a session are not changed after reading, so pointers into them stay valid while the
// session holds them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Quorvane/config/control_file.h"

// Placeholders of a scan statement: the low bound (inclusive) and the high bound of the term window.
inline constexpr const char* kScanLowBoundPlaceholder = "XXTERM1XX";
inline constexpr const char* kScanHighBoundPlaceholder = "XXTERM2XX";

struct ScanMapping {
    int32_t useValue = 0;
    // Columns of the statement's rows, counting from 1: the index term, the term shown to the client, and
    // the number of records holding the term.
    int32_t termColumn = 0;
    int32_t returnTermColumn = 0;
    int32_t hitsColumn = 0;
    std::string statement;  // with kScanLowBoundPlaceholder and kScanHighBoundPlaceholder
};

struct ScanDefinition {
    std::vector<std::string> databaseNames;  // upper case
    std::vector<std::string> attributeSetIds;
    std::vector<ScanMapping> mappings;
};

// The first definition that lists the database name exactly (names are kept upper case, so a name in
// another case matches none), else the first that lists "DEFAULT"; null when there is neither.
const ScanDefinition* FindScanDefinition(const DefinitionBlocks<ScanDefinition>& definitions,
                                         std::string_view databaseName);
// Whether the definition lists the attribute-set identifier (exact comparison).
bool ScanDefinitionHoldsAttributeSet(const ScanDefinition& definition, std::string_view attributeSetId);
// The definition's first mapping for the use value; null when none has it.
const ScanMapping* FindScanMapping(const ScanDefinition& definition, int32_t useValue);
