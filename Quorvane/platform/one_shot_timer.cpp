#include "Quorvane/platform/one_shot_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

namespace platform {

OneShotTimer::OneShotTimer() : fd_(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "timerfd_create");
}

OneShotTimer::~OneShotTimer() {
    ::close(fd_);
}

void OneShotTimer::armAt(std::chrono::steady_clock::time_point when) {
    using namespace std::chrono;
    // A zero it_value would disarm: a time that has passed expires after one nanosecond instead.
    const long long left =
        std::max<long long>(1, duration_cast<nanoseconds>(when - steady_clock::now()).count());
    itimerspec spec{};
    spec.it_value.tv_sec = static_cast<time_t>(left / 1000000000LL);
    spec.it_value.tv_nsec = static_cast<long>(left % 1000000000LL);
    ::timerfd_settime(fd_, 0, &spec, nullptr);
}

void OneShotTimer::disarm() {
    const itimerspec none{};
    ::timerfd_settime(fd_, 0, &none, nullptr);
}

void OneShotTimer::acknowledge() {
    std::uint64_t expirations = 0;
    [[maybe_unused]] const ssize_t got = ::read(fd_, &expirations, sizeof expirations);
}

}  // namespace platform
