#pragma once
// Collecting the index terms of a Scan: the statement of the scan mapping is run over a window of terms
// (scan_window.h) that is widened until it holds enough terms on both sides of the scanned term, and the
// list is cut to the number of terms asked for.

#include <cstdint>
#include <string>
#include <vector>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

// A request for more terms than this is served with this many.
inline constexpr std::uint32_t kMaxScanTerms = 1000;
// Statements run for one Scan before it is given up with kConditionScanResourcesExhausted. Each widening of a
// side of the window takes twice the steps of the one before, so both sides are open within about
// 2 x log2(36 x 26) rounds: the bound only guards the loop.
inline constexpr int kMaxScanRounds = 32;

// One row of a scan statement.
struct ScanTerm {
    std::uint32_t hits = 0;   // the hits column read as a decimal (0 when it is none)
    std::string term;         // the term column
    std::string displayTerm;  // the return-term column
};

struct ScanTermList {
    std::vector<ScanTerm> terms;
    // Where the scanned term stands in the list, counting from 1: 0 just before the first term, one
    // beyond the last just after it.
    std::uint32_t positionOfTerm = 0;
};

// The terms around the scanned term (upper case) from the session's current scan definition: the mapping
// of the use value, its statement run over the window on the session's catalogue connection (the bounds'
// quotes doubled), the window widened round by round until the list is settled. The position p of the
// first term not smaller than the scanned one decides: the list is to start at p - preferredPosition + 1
// (at least 1) and hold count terms; fewer terms up to its end widen the high side, p below
// preferredPosition widens the low side. Without such a term the high side widens (the low side too while
// the window holds fewer than count terms), and once the high side is open the scanned term lies beyond
// the index: the list is the window's last count terms. A side widens by 1, 2, 4 ... steps of the window;
// a side that is open cannot widen, and when no side widens the list is settled. count is served up to
// kMaxScanTerms, preferredPosition up to count + 1. The window's terms and the chosen range are appended
// to diaginfo.txt.
//
// The condition on failure: kConditionUnsupportedUseAttribute when no mapping has the use value; the
// database layer's condition of a statement that fails; kConditionScanResourcesExhausted after
// kMaxScanRounds rounds.
Bib1Result<ScanTermList> CollectScanTerms(SessionRecord& session, std::int32_t useValue,
                                          const std::string& term, std::uint32_t count,
                                          std::uint32_t preferredPosition);
