#pragma once
// Bounds the recursion of the trace printers.
//
// Printing recurses wherever a structure can hold one of its own kind: an RPN node inside an RPN node, and an
// EXTERNAL inside the content of an EXTERNAL (records, diagnostics, terms, OtherInformation). Each such level
// is at least one nested BER value, so a received structure never has more than kBerMaxNesting of them; only
// a structure an application builds can be deeper. Past that depth a printer writes kTooDeepLine in place of
// the value and does not descend.

#include <cstdio>

#include "toolkit/util/ber_limits.h"

namespace trace {

inline constexpr int kMaxPrintDepth = kBerMaxNesting;
inline constexpr const char* kTooDeepLine = "NESTING TOO DEEP FOR PRINT OPERATION!\n";

// Counts one recursive level for the lifetime of a scope, per thread; the count is back at zero whenever no
// printer is running on the thread.
class PrintDepthGuard {
  public:
    PrintDepthGuard();
    ~PrintDepthGuard();
    PrintDepthGuard(const PrintDepthGuard&) = delete;
    PrintDepthGuard& operator=(const PrintDepthGuard&) = delete;

    // True when this level lies past kMaxPrintDepth: the caller writes kTooDeepLine and stops.
    bool tooDeep() const;
};

}  // namespace trace
