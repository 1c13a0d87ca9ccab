#pragma once
// How deep EXTERNAL values may nest inside one another: a record in an OPAC holdings item, a task package's
// parameters, a diagnostic defined externally, each of which may carry further EXTERNALs. Every recursion of
// conversion and validation through carried content passes through an EXTERNAL, so counting EXTERNAL levels
// bounds it. A received value never reaches the bound: each EXTERNAL level is at least two nested BER values
// (the EXTERNAL and its encoding), and the decoder refuses more than kBerMaxNesting of them. A structure an
// application builds can be deeper; validation refuses it and the conversions give up on it.

#include "toolkit/util/ber_limits.h"

inline constexpr int kKivMaxExternalDepth = kBerMaxNesting;

// One EXTERNAL level of the conversion or validation running on this thread, counted while it lives.
class KivExternalLevel {
  public:
    KivExternalLevel();
    ~KivExternalLevel();
    KivExternalLevel(const KivExternalLevel&) = delete;
    KivExternalLevel& operator=(const KivExternalLevel&) = delete;

    // False when this level lies deeper than kKivMaxExternalDepth.
    bool withinBound() const { return depth_ <= kKivMaxExternalDepth; }

  private:
    int depth_;
};
