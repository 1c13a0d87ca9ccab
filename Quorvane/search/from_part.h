#pragma once
// The tables a split form's statement reads: a from-part lists every table that any of its alternatives
// joins, and a table that the chosen alternative never names would multiply each row by that table's
// size (and give no rows at all when it is empty).

#include <string>
#include <string_view>

// The entries of a from-part written as a plain comma list of "TABLE" or "TABLE ALIAS" that the text (the
// statement's select list and condition) names as "NAME." outside its quoted literals (NAME the alias,
// else the table; case ignored), the first entry always kept; any other from-part (one entry,
// JOIN ... ON, parentheses) as it is.
std::string FromPartNamedBy(std::string_view fromPart, std::string_view naming);
