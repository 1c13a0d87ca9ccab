#pragma once
// How deep the toolkit follows an RPN tree. A received tree is never deeper: every operator level is one
// nested BER value, and the decoder refuses more than kBerMaxNesting of them. A tree an application builds
// can be deeper; validation refuses it, and the conversions give up on it rather than recurse without bound.

#include "toolkit/util/ber_limits.h"

// Levels of RPNStructure nodes from the root (the root is level 1) that validation and conversion accept.
inline constexpr int kKivMaxRpnDepth = kBerMaxNesting;
