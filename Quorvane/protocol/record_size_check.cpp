#include "Quorvane/protocol/record_size_check.h"

#include <limits>

int CheckRecordSize(const SessionRecord& session, RecordPlacement& placement, std::uint32_t length) {
    if (placement.recordsPlaced == 0) {
        if (length > session.maximumMessageSize) {
            placement.sizeDiagnostic = kConditionExceptionalSizeExceeded;
            return 0;
        }
    } else if (placement.octetsPlaced > session.preferredMessageSize) {
        placement.sizeDiagnostic = kConditionPreferredSizeExceeded;
        return 0;
    }
    // Saturates rather than wrapping round to a small total.
    const std::uint32_t room = std::numeric_limits<std::uint32_t>::max() - placement.octetsPlaced;
    placement.octetsPlaced += length < room ? length : room;
    return 1;
}
