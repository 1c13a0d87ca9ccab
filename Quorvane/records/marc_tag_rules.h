#pragma once
// Building a MARC record with the tag rules of a marcdef.tblx block.

#include <string>

#include "Quorvane/records/marc_build_state.h"
#include "Quorvane/records/marc_definitions.h"
#include "Quorvane/records/marc_rows.h"

// Applies one rule, in file order:
// 1. A rule that does not continue the open field (label other than XXCONCATENATEXX) closes it.
// 2. The row: with conditions the first row that meets them (none: the rule is skipped), else the first.
// 3. The value: the row's value of the field column (no such field: skipped), or the literal field, used
//    only for full records (brief: skipped); then the field routine.
// 4. Indicators: from the column (its value in the first row, else in the condition row, else "00") or
//    the literal (none for "NULL"), through NormaliseIndicatorText.
// 5. No value: indicators given are remembered for a rule that continues the field, and it is skipped.
// 6. A continuing rule without indicators of its own takes remembered indicators once.
// 7. AppendMarcSubfield; the rule's tag becomes the current tag.
// A tag of more than three characters logs "Error in MARC tag definition" and skips the rule.
void ApplyMarcRule(MarcBuildState& state, const MarcRule& rule, const FieldRows& rows, bool full);

// The leader's type letters: "nam" without a leader definition; from a column, its value in the first
// row through the leader routine (an absent value gives "nam"); a literal as written.
std::string MarcLeaderTypeLetters(const MarcBlock& block, const FieldRows& rows);
