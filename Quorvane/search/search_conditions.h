#pragma once
// The bib-1 conditions with which the search engine ends a search.

#include <cstdint>

inline constexpr int32_t kConditionTemporarySystemError = 2;
inline constexpr int32_t kConditionTooManyWords = 5;             // no alternative for the term's words
inline constexpr int32_t kConditionTooManyBooleanOperators = 6;  // the query's depth or operand count
inline constexpr int32_t kConditionTermTooLong = 11;
inline constexpr int32_t kConditionUnspecified = 100;
inline constexpr int32_t kConditionUnsupportedAttributeType = 113;
inline constexpr int32_t kConditionUnsupportedUseAttribute = 114;
inline constexpr int32_t kConditionUnsupportedAttributeSet = 123;
inline constexpr int32_t kConditionMalformedTerm = 125;
inline constexpr int32_t kConditionUnsupportedOperator = 201;
inline constexpr int32_t kConditionUnsupportedOperand = 229;
inline constexpr int32_t kConditionDatabaseUnknown = 235;
