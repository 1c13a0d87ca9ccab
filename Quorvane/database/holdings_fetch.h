#pragma once
// OPAC holdings rows from the library source, turned into MARC holdings fields.

#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/holdings_columns.h"
#include "Quorvane/lists/dbl_list.h"

// Holdings items are numbered from this value on.
inline constexpr long kFirstHoldingsItem = 10000;

// Runs the statement template with every "XXXXX" standing for the key (SessionStatement::prepareKeyed)
// on the library connection. An item counter starts at kFirstHoldingsItem; each row's
// item text is the counter's value at the row's start. Every column of the row, in select-list order,
// that the holdings columns name for a keyword (the first keyword naming it) and whose text is not empty
// appends four fields, all numbered with the counter: {tagNo, "HLD"}, {subfield, the keyword's letter},
// {data, the text}, {sameField, the item text}; the counter then goes up by one.
void FetchHoldingsRows(SessionRecord& session, DblList* fields, std::string_view statementTemplate,
                       std::string_view key, const HoldingsColumns& holdings);
