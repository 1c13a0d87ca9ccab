#pragma once
// The bib-1 conditions (diagnostic set 1.2.840.10003.4.1) that the server raises, the marker of a search
// that ends in an empty answer, and the result types that carry a condition back to the caller.

#include <cstdint>
#include <optional>
#include <utility>

using Bib1Condition = std::uint32_t;

inline constexpr Bib1Condition kConditionConfigurationFailure = 1;  // a configuration error stopped a Present
inline constexpr Bib1Condition kConditionTemporarySystemError = 2;  // a database failure, a failed request
inline constexpr Bib1Condition kConditionTooManyWords = 5;          // no alternative for the term's words
inline constexpr Bib1Condition kConditionTooManyBooleanOperators = 6;  // the query's depth or operand count
inline constexpr Bib1Condition kConditionUnknownElementSetName = 10;   // matches no record format
inline constexpr Bib1Condition kConditionTermTooLong = 11;
inline constexpr Bib1Condition kConditionStartPointOutOfRange = 13;  // outside the result set
inline constexpr Bib1Condition kConditionMalformedRecord = 14;       // a stored record that is not ISO 2709
inline constexpr Bib1Condition kConditionPreferredSizeExceeded = 16;
inline constexpr Bib1Condition kConditionExceptionalSizeExceeded = 17;
inline constexpr Bib1Condition kConditionNoResultSet = 30;  // a Present without a result set
inline constexpr Bib1Condition kConditionResourcesExhausted = 31;  // no results available: the memory budget
inline constexpr Bib1Condition kConditionUnspecified = 100;
inline constexpr Bib1Condition kConditionNotTypeOne = 107;  // query type not supported
inline constexpr Bib1Condition kConditionDatabaseUnavailable = 109;
inline constexpr Bib1Condition kConditionUnsupportedAttributeType = 113;
inline constexpr Bib1Condition kConditionUnsupportedUseAttribute = 114;
inline constexpr Bib1Condition kConditionUnsupportedAttributeSet = 123;
inline constexpr Bib1Condition kConditionUnsupportedTermType = 124;
inline constexpr Bib1Condition kConditionMalformedTerm = 125;
inline constexpr Bib1Condition kConditionUnsupportedOperator = 201;
inline constexpr Bib1Condition kConditionStepSizeUnsupported = 206;
inline constexpr Bib1Condition kConditionNoDataInSyntax = 227;  // no definition or no data for the syntax
inline constexpr Bib1Condition kConditionUnsupportedOperand = 229;
inline constexpr Bib1Condition kConditionDatabaseUnknown = 235;
inline constexpr Bib1Condition kConditionRecordTooLong = 238;  // beyond ISO 2709's 99,999 octets
inline constexpr Bib1Condition kConditionScanResourcesExhausted = 240;

// Not a bib-1 condition: a search that ends with it answers successfully with no records.
inline constexpr Bib1Condition kConditionEmptyAnswer = 9999;

// What a step that may fail with a bib-1 condition gives back: success (true), or the condition it failed
// with.
class [[nodiscard]] Bib1Outcome {
  public:
    constexpr Bib1Outcome() = default;
    static constexpr Bib1Outcome failure(Bib1Condition condition) { return Bib1Outcome(condition); }

    constexpr explicit operator bool() const { return condition_ == 0; }
    // 0 for a success.
    constexpr Bib1Condition condition() const { return condition_; }
    // Keeps a later failure in place of this outcome; a later success changes nothing.
    constexpr void keepFailure(Bib1Outcome later) {
        if (!later) *this = later;
    }

  private:
    constexpr explicit Bib1Outcome(Bib1Condition condition) : condition_(condition) {}
    Bib1Condition condition_ = 0;
};

// A value, or the bib-1 condition that stopped its making.
template <class T>
class [[nodiscard]] Bib1Result {
  public:
    Bib1Result(T value) : value_(std::move(value)) {}
    // outcome must be a failure.
    Bib1Result(Bib1Outcome outcome) : outcome_(outcome) {}

    explicit operator bool() const { return static_cast<bool>(outcome_); }
    Bib1Outcome outcome() const { return outcome_; }
    T& operator*() { return *value_; }
    T* operator->() { return &*value_; }

  private:
    std::optional<T> value_;
    Bib1Outcome outcome_;
};
