#pragma once
// Threads that work for the server in the background (request workers, the log flusher). SIGTERM and
// SIGINT are blocked in them, so the kernel hands those signals to the event loop's thread, which catches
// them (event_loop.h); a signal taken by a thread that never returns to the loop could otherwise stay
// unhandled where the signal's delivery is deferred, as under ThreadSanitizer.

#include <signal.h>

#include <thread>
#include <utility>

namespace platform {

// Blocks SIGTERM and SIGINT in the calling thread for its lifetime; threads started meanwhile inherit that.
class TerminationSignalsBlocked {
  public:
    TerminationSignalsBlocked();
    ~TerminationSignalsBlocked();
    TerminationSignalsBlocked(const TerminationSignalsBlocked&) = delete;
    TerminationSignalsBlocked& operator=(const TerminationSignalsBlocked&) = delete;

  private:
    sigset_t previous_;
};

// A thread running body with the termination signals blocked. Throws std::system_error like std::thread.
template <class Body>
std::thread StartServiceThread(Body&& body) {
    TerminationSignalsBlocked blocked;
    return std::thread(std::forward<Body>(body));
}

}  // namespace platform
