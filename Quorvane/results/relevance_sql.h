#pragma once
// The relevance-ranked statement of an attribute mapping that carries a relevance reference.

#include <string>
#include <string_view>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

// Each keyword's frequency is fetched into 300 octets.
inline constexpr std::size_t kFrequencySize = 300;

// The reference number is read from the relevance reference's eighth character on ("RELRANK1" names 1);
// its relrank.tblx record gives the statements. The term's keywords (RelevanceKeywords) each run the
// frequency statement, "XXKEYWORDXX" replaced by the keyword (quotes doubled), on the catalogue
// connection, connecting first; a first row holding a number adds a frequency. With at least one
// frequency the answer is the main statement with every "XXNORMXX" replaced by RelevanceFactor and every
// "XXKEYWORDSXX" by RelevanceKeywordList; otherwise, and whenever the mapping is missing or a frequency
// statement fails, the empty text. Binding and execution failures go to the log ("Sarvik Error SO: Failed
// to do SQL BindCol (2)", "Sarvik Error SO: Failed to do SQL Execute (3)") and give the empty text; a
// failure to connect or prepare gives its condition.
Bib1Result<std::string> BuildRelevanceSql(SessionRecord& session, std::string_view relevanceReference,
                                          std::string_view term);
