#pragma once
// Explain octets nested as deep as a test asks, for the nesting limit.

#include <cstdint>
#include <vector>

// An ElementInfo (30 ...) whose data type is structured, holding one ElementInfo of the same kind, `levels`
// deep; the innermost one has a primitive data type.
std::vector<uint8_t> nestedElementInfo(int levels);
