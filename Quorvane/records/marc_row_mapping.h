#pragma once
// Building a MARC record row by row with a marcdef2.tblx block: each row holds a tag, indicators, a
// subfield code and data, and becomes one subfield or one field.

#include <string>
#include <vector>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/spill_over.h"
#include "Quorvane/records/marc_build_state.h"
#include "Quorvane/records/marc_definitions.h"
#include "Quorvane/records/marc_rows.h"

// Applies one row:
// - A row without a tag value is skipped; a tag of more than three characters logs "Error in MARC tag
//   definition" and skips the row.
// - Spill-over text (spillOver, when the block names EXTRANO and SPILLOVER) is appended to the row's
//   data first; the answer is its outcome (ExtendFieldValue), success for a row without spill-over.
// - Tag number 0 (000, or letters such as LDR): the data is the record's stored leader.
// - A row continues the open field when its same-field key and tag equal the previous row's; without a
//   key in the row, when the block has no SAMEFIELD column, the tag equals the previous row's and the
//   row's subfield code is not yet in the field. Otherwise it closes the open field and starts one.
// - A new field of tag below 010 holds the data alone; any other new field the indicators ("00", then
//   INDICE1, INDICE2, INDICE) and the code and data; a continued field gets the code and data (a blank
//   and the data without a SUBFIELD column). Tag HLD (holdings) counts as 999.
Bib1Outcome ApplyMarcRow(MarcBuildState& state, const MarcBlock2& block, const FieldRow& row,
                         const SpillOverColumns* spillOver, const SessionRecord& session);

// The columns ApplyMarcRow and the spill-over read from a row with the block (tag, indicators, subfield
// code, data, same-field key, spill-over number), and the holdings columns whose values become HLD rows.
// Columns the block does not name are left out.
std::vector<std::string> MarcRowColumns(const MarcBlock2& block);
