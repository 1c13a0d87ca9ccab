#include "toolkit/session/poll_wait.h"

#include <algorithm>
#include <cerrno>

std::chrono::milliseconds siWaitSeconds(KivSecs secs) {
    return std::chrono::seconds(std::clamp<KivSecs>(secs, 0, INT_MAX));
}

int siPollWithin(pollfd* entries, nfds_t count, std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    const bool unlimited = limit.count() < 0;
    const Clock::time_point deadline = Clock::now() + std::clamp(limit, limit.zero(), kSILongestWait);
    for (;;) {
        int timeout = -1;
        if (!unlimited) {
            // Rounded up, not to end before the deadline; one poll waits at most INT_MAX ms.
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            timeout = static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
        }
        const int ready = poll(entries, count, timeout);
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0 && !unlimited && Clock::now() < deadline) continue;
        return ready;
    }
}
