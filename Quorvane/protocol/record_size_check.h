#pragma once
// The running size check of one Present response, on the session's preferred and maximum message sizes.
// The Present handler starts each response with a new RecordPlacement, counts each record it places, and
// acts on the size diagnostic of the record refused.

#include <cstdint>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

// What the records of one Present response have taken so far.
struct RecordPlacement {
    std::uint32_t octetsPlaced = 0;
    std::uint32_t recordsPlaced = 0;
    // 16 or 17 once a record was refused (CheckRecordSize), else 0.
    Bib1Condition sizeDiagnostic = 0;
};

// 1 when a built record of length octets may be placed (its length is then added to the octets placed),
// 0 when it is refused with the size diagnostic set: 17 when it is the first record and longer than the
// maximum message size, 16 when records already placed exceed the preferred message size. The record being
// tested does not count against the preferred size, so the last record placed may go beyond it.
int CheckRecordSize(const SessionRecord& session, RecordPlacement& placement, std::uint32_t length);
