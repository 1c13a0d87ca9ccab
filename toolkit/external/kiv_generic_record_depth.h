#pragma once
// How deep the toolkit follows the tagged elements of a GRS-1 record.
//
// Subtrees nest elements in elements, and a record can carry further records in EXTERNALs of its elements.
// A received record is never deeper than kBerMaxNesting levels, since each level is at least one nested BER
// value that the decoder counts; one that an application builds can be deeper. Validation refuses such a
// record, and the conversions give up on it rather than recurse without bound.

#include "toolkit/util/ber_limits.h"

// Levels of element lists, the record's own elements being level 1, counted through records nested in
// EXTERNALs as well.
inline constexpr int kKivMaxGenericRecordDepth = kBerMaxNesting;

// Counts one level of element lists for the lifetime of a scope, per thread; the count is back at zero
// whenever no validation or conversion of a record is running on the thread.
class KivGenericRecordLevel {
  public:
    KivGenericRecordLevel();
    ~KivGenericRecordLevel();
    KivGenericRecordLevel(const KivGenericRecordLevel&) = delete;
    KivGenericRecordLevel& operator=(const KivGenericRecordLevel&) = delete;

    // True when this level lies past kKivMaxGenericRecordDepth.
    bool tooDeep() const;
};
