#pragma once
// The statement of one operand: its key column first, then the key's secondary columns, selected from the
// mapping's table with the operand's condition.

#include <cstdint>
#include <string>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/search/rpn_to_sql_term.h"
#include "Quorvane/search/search_definitions.h"
#include "toolkit/api/kiv_attributes.h"

// The statement, by the first that applies ("K" the key text and its secondary columns):
// - the term "*": SELECT K FROM <from-part>;
// - a SQL text holding ".*": SELECT K FROM <from-part> WHERE, then the block's any-OR text with each
//   XXTERMXX replaced by the operator-and-value text;
// - a simple mapping: SELECT K FROM <table> WHERE <TABLE.COLUMN> <operator and value>;
// - a complete statement or split form: its template (the alternative with as many XXTERMXX placeholders
//   as the term has words, when it has alternatives) with XXTERMXX1, XXTERMXX2 ... replaced by the words,
//   with a word chain's column substituted for XXCOMPLEXSUBSTITUTEXX, or with XXTERMXX replaced by the
//   operator-and-value text; a split form's after SELECT K FROM <from-part> WHERE.
// A mapping with a relevance reference is not built here: its statement needs the keyword frequencies
// of the database.
// The statement fails with kConditionMalformedTerm when the term cannot be written (TermToSqlCondition) or
// its text would not stay inside the statement's quoted literals; with kConditionTooManyWords when no
// alternative of the mapping has as many placeholders as the term has words.
Bib1Result<std::string> BuildOperandSql(const SearchDefinition& definition, const AttributeMapping& mapping,
                                        const KeyDefinition& key, const OperandTerm& term,
                                        const KivArray<KivAttributeElement>& elements,
                                        const SearchSettings& settings);
