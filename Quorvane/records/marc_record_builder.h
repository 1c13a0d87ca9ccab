#pragma once
// Building one MARC record (ISO 2709) from the fetched fields of one record, with the association's
// marcdef.tblx block for its current database (tag rules, or a column holding a whole record) or, when
// marcdef.tblx has none, its marcdef2.tblx block (row mapping, with OPAC holdings as HLD fields).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

// The record and the record syntax it was built for, or the bib-1 surrogate diagnostic that stands in for it.
struct MarcBuildResult {
    std::string record;  // empty when refused
    Bib1Outcome refusal;  // success when built
    std::string refusalInfo;
    std::optional<std::string> syntax;  // the marcdef2.tblx block's MARCOID; none for any other block
    Bib1Outcome spillOver;  // the last failure of a spill-over statement (the record lacks its text)
};

// Builds the record from the entry's fields, grouped into rows, with the definitions the session has
// read (SessionRecord::marcDefinitions, marcHoldingsDefinitions), the block being the one of the current
// database or else of DEFAULT (names compared ignoring case):
// - a marcdef.tblx raw block: the raw column's value in the first row, checked as ISO 2709 (absent: 227;
//   malformed: 14), sent as it is;
// - a marcdef.tblx block of tag rules: the rules in order (literal fields only when the session's cache
//   format is full), the leader's type letters from its leader definition;
// - else a marcdef2.tblx block: every row in order, the result's syntax being the block's MARCOID (none
//   without one); spill-over text is fetched on the catalogue connection (spillOver).
// No block: 227. A record beyond 99,999 octets: 238. Values are converted from the character set of
// [Present] pcSourceCharacterSet to UTF-8. Spill-over text is appended to the entry's fields.
MarcBuildResult BuildMarcRecord(PresentCacheEntry& entry, SessionRecord& session);

// The columns BuildMarcRecord reads for the session's current database when it maps rows with a
// marcdef2.tblx block (MarcRowColumns): a field of any other column never reaches the record, so a Present
// needs no statement that selects none of them. None when it builds with a marcdef.tblx block (a literal
// rule takes any first row) or has no block.
std::optional<std::vector<std::string>> MarcColumnsRead(const SessionRecord& session);
