#pragma once
// The column names of a statement's select list.

#include <string>
#include <string_view>
#include <vector>

// The text between the first "SELECT" and the first following "FROM" that stands as a word followed by
// white space (both found in any letter case), cut at every ',' outside parentheses, with all white space
// removed from each name; upper-cased when upperCase is set. Empty without such a SELECT and FROM.
std::vector<std::string> SplitSelectList(std::string_view statement, bool upperCase);
