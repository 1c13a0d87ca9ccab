#pragma once
// Running the type-1 query of a Search request: the query's plan (rpn_to_sql.h) is run one statement per
// operand on the session's catalogue connection, the operands' key lists are combined, and the final list
// becomes the session's result set.

#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/search/rpn_to_sql_settings.h"
#include "toolkit/api/kiv_query.h"

inline constexpr const char* kKeysLogName = "keys.txt";

// The settings of Quorvane.INI ([SQL] pcDateLiteral and ulDefaultUseAttribute, [Present]
// pcSourceCharacterSet) and the phrase stop words of the session's control-files directory.
SearchSettings SearchSettingsFor(const SessionRecord& session);

// Searches the database (upper case) under the query's attribute set (bib-1 when it names none). The
// session's current search definition becomes the one the look-up found. Success when the session holds
// the new result set: the key list (keys.txt gets "Combined key list", one line per key and "Number of
// items in list <n>") with its sub-keys expanded; otherwise the condition the search failed with: the
// plan's, or that of the last database failure of its statements, else of its sub-key expansion. A failed
// search leaves the previous result set in place.
Bib1Outcome RunSearch(SessionRecord& session, const KivRPNQuery& query, const std::string& databaseName);
