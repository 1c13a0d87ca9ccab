#pragma once
// A one-shot timer on a timerfd (monotonic clock): its descriptor becomes readable when the timer expires
// and stays so until acknowledge(). Watch the descriptor with the event loop.

#include <chrono>

namespace platform {

class OneShotTimer {
  public:
    // Throws std::system_error when the timer cannot be created.
    OneShotTimer();
    ~OneShotTimer();
    OneShotTimer(const OneShotTimer&) = delete;
    OneShotTimer& operator=(const OneShotTimer&) = delete;

    int fd() const { return fd_; }
    // Expires at the time (at once when it has passed), replacing any earlier setting.
    void armAt(std::chrono::steady_clock::time_point when);
    void disarm();
    // Clears the expiry, so the descriptor is no longer readable.
    void acknowledge();

  private:
    int fd_;
};

}  // namespace platform
