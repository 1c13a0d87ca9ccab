#pragma once
// The SUTRS record builder: the text of one fetched record laid out by its sutrsdef.tblx block.

#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/records/field_value_conversion.h"
#include "Quorvane/records/sutrs_definitions.h"

// The record text of the fields (the record's field list) by the block's elements, in order:
// - a literal element (only when full): its prefix and the literal;
// - a column element: the row is the first one, or with conditions the first one that meets them (rows
//   are grouped by row number only when the block has conditions, otherwise every field is in one row);
//   every field of that row with the element's column name (exact), in order, gives one value through the
//   routine and the conversion, until a field gives no value. The prefix goes before the first value and
//   ", " before each further one.
// The prefix is "label: ", nothing for the label " ", and " " for "XXCONCATENATEXX", which continues the
// line of the element before. The current line is tidied and wrapped (WrapText) after every value, so a
// repeated value reads "first , second" and a concatenated one "first second".
std::string BuildSutrsText(const SutrsBlock& block, RecordFields& fields, bool full,
                           const FieldValueConversion& conversion);

// Builds the record text of the cache entry for the session's current database (the association's
// full/brief choice and the configured conversion). False when sutrsdef.tblx has no block for it.
bool BuildSutrsRecord(PresentCacheEntry& entry, std::string& text, SessionRecord& session);
