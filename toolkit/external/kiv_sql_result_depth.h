#pragma once
// How deep the toolkit follows an SQL result set.
//
// Data types nest through row, collection, user-defined and reference types and abstract data types through
// their subtypes; rows nest through collection values. A received result is never deeper than kBerMaxNesting
// levels, since each level is at least one nested BER value that the decoder counts; one that an application
// builds can be deeper. Validation refuses such a result, the conversions give up on it and the trace stops
// printing at the bound, rather than recurse without bound.

#include "toolkit/util/ber_limits.h"

// Levels of data types, abstract data types and rows, the result's own lists being level 1.
inline constexpr int kKivMaxSQLResultDepth = kBerMaxNesting;

// Counts one level for the lifetime of a scope, per thread; the count is back at zero whenever no
// validation, conversion or trace of a result is running on the thread.
class KivSQLResultLevel {
  public:
    KivSQLResultLevel();
    ~KivSQLResultLevel();
    KivSQLResultLevel(const KivSQLResultLevel&) = delete;
    KivSQLResultLevel& operator=(const KivSQLResultLevel&) = delete;

    // True when this level lies past kKivMaxSQLResultDepth.
    bool tooDeep() const;
};
