#pragma once
// The translation of a type-1 (RPN) query into SQL: a plan with one statement per operand and the Boolean
// operators that combine their result sets, or the bib-1 condition that stops the search. It reads only the
// definitions, the query and the settings, so it needs no database; the caller runs the plan (appending
// each statement to newdiag.txt, building relevance statements from their keyword frequencies), combines
// the result sets, and keeps `currentDefinition` as the session's current search definition.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "Quorvane/config/control_file.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/search/rpn_to_sql_term.h"
#include "Quorvane/search/search_definitions.h"
#include "toolkit/api/kiv_query.h"

// The walk answers kConditionTooManyBooleanOperators past these: operator levels on one path, and operands in
// the whole query.
inline constexpr int32_t kMaxRpnDepth = 64;
inline constexpr int32_t kMaxRpnOperands = 64;
// A general term longer than this answers kConditionTermTooLong.
inline constexpr size_t kMaxTermOctets = 1000;

// One operand's statement; its rows are record keys of `key`.
struct OperandQuery {
    const AttributeMapping* mapping = nullptr;
    const KeyDefinition* key = nullptr;
    OperandTerm term;  // the term the statement was written from
    // The statement; empty for a mapping with a relevance reference, whose statement the caller builds
    // from the term (relrank.tblx).
    std::string statement;
};

enum class PlanOperator : int32_t { Or = 1, And = 2, AndNot = 3 };

// A leaf holds an operand; any other node combines its two sides' key lists.
struct PlanNode {
    std::optional<OperandQuery> operand;
    PlanOperator combination = PlanOperator::Or;
    std::unique_ptr<PlanNode> left;
    std::unique_ptr<PlanNode> right;
};

struct SearchPlan {
    // Success, or the condition of the failed search: that of the definition's look-up
    // (FindSearchDefinition), of an operand's attributes (FindAttributeMapping), of its term
    // (kConditionTooManyWords, kConditionTermTooLong, kConditionMalformedTerm), kConditionUnsupportedOperand
    // for an operand or term type, kConditionUnsupportedOperator, kConditionTooManyBooleanOperators for a
    // query too large, kConditionTemporarySystemError for a definition without keys, kConditionUnspecified
    // for a definition that is not INDIVIDUAL or no operand to search.
    Bib1Outcome outcome;
    const SearchDefinition* definition = nullptr;         // the definition searched
    const SearchDefinition* currentDefinition = nullptr;  // the session's current definition afterwards
    std::unique_ptr<PlanNode> root;                       // set exactly on success
};

// The plan for the query against the database (upper case) under the query's attribute set (bib-1 when
// it names none). The walk goes left side first; each fault sets the condition, the last one set is
// answered, and an operand that gives no statement ends its operator node's walk. An operand maps its
// attributes with FindAttributeMapping; its term text is the general term (stop words removed for
// WORDLIST mappings, upper-cased, a date literal for the date uses 30, 31, 32, 1011 and 1012), the numeric
// term in decimal, or the date literal of a date-time term.
SearchPlan PlanSearch(const DefinitionBlocks<SearchDefinition>& definitions, const KivRPNQuery& query,
                      const std::string& databaseName, const SearchSettings& settings);
