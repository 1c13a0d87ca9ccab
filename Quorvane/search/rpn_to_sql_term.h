#pragma once
// The operator-and-value text of one operand: the term treated as its attribute mapping asks (term
// routine, stemming, truncation, word chains, numbers and dates) and written as the SQL condition that
// follows a column or replaces a template's XXTERMXX.

#include <cstdint>
#include <optional>
#include <string>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/search/rpn_to_sql_settings.h"
#include "Quorvane/search/search_definitions.h"
#include "Quorvane/search/sql_date_literal.h"
#include "Quorvane/search/sql_escape.h"
#include "toolkit/api/kiv_attributes.h"

// The kind of an operand's term text.
enum : int32_t {
    kTermKindText = 1,
    kTermKindNumber = 2,
    kTermKindDate = 5,
};

struct OperandTerm {
    std::string text;
    int32_t kind = kTermKindText;
    std::optional<DateParts> date;  // the date a kind 5 text was written from
};

// The value of the first numeric element of the attribute type.
std::optional<int32_t> FirstNumericAttribute(const KivArray<KivAttributeElement>& elements, uint32_t type);

// The relation: the first relation element, else 3 (equal).
int32_t RelationValue(const KivArray<KivAttributeElement>& elements);
// The structure: 1 for WORDLIST; else the first structure element unless the mapping overrides it; else 6
// (word chain) for a mapping that splits phrases, 1 otherwise.
int32_t StructureValue(const KivArray<KivAttributeElement>& elements, const AttributeMapping& mapping);
// The truncation, 1 right, 2 left, 3 both or 100 none: the first truncation element of value 1, 2, 3 or
// 100 unless the mapping overrides it (right or left widened to both where the mapping allows the other
// side); else what the mapping allows.
int32_t TruncationValue(const KivArray<KivAttributeElement>& elements, const AttributeMapping& mapping);

// The term after the mapping's term routine and stemming (STEMO, or relation 101), written as:
// - RAW or WORDLIST: the term itself, for the inside of a template's quoted literal;
// - NUMBER or DATE: the relation's operator (" < ", " <= ", " = ", " >= ", " > ", " != ") and the number
//   parsed from the term, or the date literal of its date;
// - text (use 7: letters and digits only; cut to the maximum term length): a word chain for structure 6
//   (unless the SQL text holds ".*"), else LIKE '%term%' for truncation 2 or 3, LIKE 'term%' for 1, and
//   = 'term' (blank-padded to the padding width) otherwise.
// kConditionMalformedTerm for a NUMBER term that is not a number or a DATE term without a year.
Bib1Result<SqlText> TermToSqlCondition(const OperandTerm& term, const AttributeMapping& mapping,
                                       const KivArray<KivAttributeElement>& elements,
                                       const SearchSettings& settings);
