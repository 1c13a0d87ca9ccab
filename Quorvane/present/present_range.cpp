#include "Quorvane/present/present_range.h"

bool StartPointInResultSet(std::uint32_t startPoint, std::uint32_t resultCount) {
    return startPoint >= 1 && startPoint <= resultCount;
}

int ComputePresentRange(const KivPresentReq& request, std::uint32_t resultCount, std::uint32_t maximumRecords,
                        std::uint32_t& number, std::uint32_t& nextPosition) {
    std::uint64_t requested = request.ulNumberOfRecordsRequested;
    if (maximumRecords > 0 && requested > maximumRecords) requested = maximumRecords;
    const std::uint64_t start = request.ulResultSetStartPoint;
    const std::uint64_t count = resultCount;
    if (start > count + 1) {
        number = 0;
        nextPosition = 0;
        return 0;
    }
    if (requested > count + 1 - start) {
        number = static_cast<std::uint32_t>(count + 1 - start);
        nextPosition = 0;
        return 0;
    }
    number = static_cast<std::uint32_t>(requested);
    const std::uint64_t next = start + requested;
    nextPosition = next > count ? 0 : static_cast<std::uint32_t>(next);
    return 1;
}
