#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/protocol/record_size_check.h"

#include <limits>

namespace {

}  // namespace

int CheckRecordSize(SessionRecord& session, std::uint32_t length) {
    if (session.recordsPlaced == 0) {
        if (length > session.maximumMessageSize) {
            session.sizeDiagnostic = kConditionExceptionalSizeExceeded;
            return 0;
        }
    } else if (session.octetsPlaced > session.preferredMessageSize) {
        session.sizeDiagnostic = kConditionPreferredSizeExceeded;
        return 0;
    }
    // Saturates rather than wrapping round to a small total.
    const std::uint32_t room = std::numeric_limits<std::uint32_t>::max() - session.octetsPlaced;
    session.octetsPlaced += length < room ? length : room;
    return 1;
}
