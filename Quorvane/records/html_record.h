#pragma once
// The HTML/XML record builder: the text of one fetched record laid out by its htmldef.tblx block. The text
// is the same for the three markup syntaxes; the packaging labels it with the one the client asked for.

#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/record_field.h"
#include "Quorvane/records/field_value_conversion.h"
#include "Quorvane/records/html_definitions.h"

// The record text of the fields (the record's field list, grouped into rows by row number) by the block's
// elements, in order:
// - a column element takes the first row, or with conditions the first row that meets them, and the first
//   field of that row with its column name (exact); the value goes through the routine and the conversion
//   and is escaped (EscapeMarkup). No row, field or value: the element writes nothing.
// - a literal element (only when full) takes the literal as written: like the templates, it is markup.
// A template other than "XXCONCATENATEXX" is written filled with the value, followed by a line end.
// "XXCONCATENATEXX" puts a blank and the value right after the last value written by a template (inside
// that template), where a further concatenation continues; before any such value it writes nothing. A
// literal written by a template leaves the place of the last column value as it was.
std::string BuildHtmlText(const HtmlBlock& block, RecordFields& fields, bool full,
                          const FieldValueConversion& conversion);

// Builds the record text of the cache entry for the session's current database (the association's
// full/brief choice and the configured conversion). False when htmldef.tblx has no block for it.
bool BuildHtmlRecord(PresentCacheEntry& entry, std::string& text, SessionRecord& session);
