#pragma once
// Preparing a block's GRS-1 definitions for one record: each element definition gets its value from the
// record's row, and what has no value is dropped.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "Quorvane/records/field_value_conversion.h"
#include "Quorvane/records/grs1_definitions.h"
#include "Quorvane/records/marc_rows.h"

inline constexpr const char* kNotAvailable = "Not available";

struct PreparedGenericDefinitions {
    // Copies of the surviving definitions; the content of each element definition holds its value.
    std::vector<GenericDefinition> definitions;
    // The length for the size check: the values put in, and 13 for each column without a value.
    std::uint32_t length = 0;
};

// For each definition, in order (the row may be nullptr for a record without fields):
// - SUBTREE definitions stay;
// - a definition whose column (its content) is in the row with a value gets the value (through its routine
//   and the conversion) as its content; only the content field is replaced, whatever the value holds;
// - a column in the row without a value, or whose routine gives none, drops the definition; the first such
//   one is remembered with the content "Not available" (a STRING element unless it is STRING or OCTETS);
// - a content not in the row drops the definition when it is one of the statement columns (a column the
//   present statements select, PresentStatementColumns), or when brief; otherwise, in a full record, it
//   stays as literal text.
// Then empty subtrees are pruned (PruneEmptySubtrees); when nothing is left, the remembered definition is
// the only one.
PreparedGenericDefinitions PrepareGenericDefinitions(const std::vector<GenericDefinition>& definitions,
                                                     const FieldRow* row, bool full,
                                                     const std::set<std::string>& statementColumns,
                                                     const FieldValueConversion& conversion);

// Drops every SUBTREE definition that is the last one or whose next definition's parent id is not the
// subtree's id, until none is left to drop.
void PruneEmptySubtrees(std::vector<GenericDefinition>& definitions);
