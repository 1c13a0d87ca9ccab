#pragma once
// The running size check of the Present response being built, on the session's preferred and maximum
// message sizes, octets placed and records placed. The Present handler sets octets and records placed to 0
// before the first record, counts each record it places, and clears the size diagnostic after acting on it.

#include <cstdint>

#include "Quorvane/association/session_record.h"

// 1 when a built record of length octets may be placed (its length is then added to the octets placed),
// 0 when it is refused with the size diagnostic set: 17 when it is the first record and longer than the
// maximum message size, 16 when records already placed exceed the preferred message size. The record being
// tested does not count against the preferred size, so the last record placed may go beyond it.
int CheckRecordSize(SessionRecord& session, std::uint32_t length);
