#pragma once
// The result-set positions one Present returns.

#include <cstdint>

#include "toolkit/api/kiv_present.h"

// True when the start point names a position of a result set of resultCount positions (1 to resultCount).
bool StartPointInResultSet(std::uint32_t startPoint, std::uint32_t resultCount);

// The requested number of records, cut to maximumRecords when that is above 0. When it exceeds the
// positions from the start point to the end of the result set, number is the positions that remain (none
// for a start point beyond the end), nextPosition 0 (the end is reached) and the answer 0. Otherwise
// number is that count, nextPosition the position after the last one (0 when it lies beyond the result
// set), and the answer 1. Counts are taken as unsigned 32-bit values and never wrap.
int ComputePresentRange(const KivPresentReq& request, std::uint32_t resultCount, std::uint32_t maximumRecords,
                        std::uint32_t& number, std::uint32_t& nextPosition);
