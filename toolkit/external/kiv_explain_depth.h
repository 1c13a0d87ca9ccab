#pragma once
// How deep the toolkit follows the element descriptions of an Explain record: a structured data type holds
// element descriptions, each of which may again have a structured data type. A received record is never
// deeper than kBerMaxNesting levels, since the decoder counts every nested value; one that an application
// builds can be. Validation refuses such a record, and the conversions and printers give up on it rather than
// recurse without bound.

#include "toolkit/util/ber_limits.h"

// Levels of element-description lists, the category's own list being level 1.
inline constexpr int kKivMaxExplainElementDepth = kBerMaxNesting;

// One level of element-description lists for the lifetime of a scope, per thread.
class KivExplainElementLevel {
  public:
    KivExplainElementLevel();
    ~KivExplainElementLevel();
    KivExplainElementLevel(const KivExplainElementLevel&) = delete;
    KivExplainElementLevel& operator=(const KivExplainElementLevel&) = delete;

    // True when this level lies past kKivMaxExplainElementDepth.
    bool tooDeep() const { return depth_ > kKivMaxExplainElementDepth; }

  private:
    int depth_;
};
