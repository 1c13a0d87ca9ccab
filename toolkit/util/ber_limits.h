#pragma once
// Limits shared by every reader of received BER octets.

#include <cstdint>

// Deepest nesting of BER elements (constructed values, indefinite lengths) any reader follows.
inline constexpr int kBerMaxNesting = 256;
