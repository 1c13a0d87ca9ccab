#pragma once
// The reader of search.tblx. A block is, record by record: a word and the quoted database names; a word
// and the quoted attribute-set identifiers; INDIVIDUAL (or another word for a collective block); a word
// and the maximum number of coded items; a word and the key entries; a word and the quoted stop words; the
// attribute marker word; then one record per attribute mapping, up to a record that begins with a word
// (the next block's database record) or the end of the file. Records that begin with a real or '*' are
// skipped.
//
// Missing or mistyped values are reported by the control-value readers (control_values.h), which answer a
// stand-in so that reading goes on; every report notes a configuration problem (config_problems.h) for
// the caller to act on.

#include <string>

#include "Quorvane/config/control_file.h"
#include "Quorvane/search/search_definitions.h"

inline constexpr const char* kSearchFileName = "search.tblx";

// The definitions of the file at path, in file order (none for an empty file); absent, after
// logging the message and noting a configuration problem, when the file cannot be opened ("Could not open
// file <path>") or a fault ends the reading: an empty or unfinished record among the attribute records
// ("Error in search.tblx"), an attribute record that ends before its term word ("Missing truncation
// specification in file search.tblx") or holds another kind of value there ("Wrong table field in file
// search.tblx").
DefinitionBlocks<SearchDefinition> LoadSearchDefinitions(const std::string& path);

// Classifies an attribute record's SQL text into the mapping's sqlText, fromPart, column, alternatives and
// complex flag: a text holding SELECT and FROM (any case) is a complete statement; else a text holding
// "||" is the split form FROM-PART||WHERE-PART, whose where-part is cut at every "~~" into alternatives
// when it holds one; else it is the simple form TABLE.COLUMN.
void ClassifyAttributeSql(const std::string& text, AttributeMapping& mapping);
