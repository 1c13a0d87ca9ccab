#pragma once
// The server's event loop: one thread waits in epoll (level-triggered) on the registered descriptors,
// a periodic tick, tasks posted from other threads and the termination signals SIGTERM and SIGINT.
// Creating a loop ignores SIGPIPE for the whole process, so a write to a closed peer fails instead of
// ending the program.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace platform {

class EventLoop {
  public:
    using Callback = std::function<void()>;

    // Throws std::system_error when the loop's descriptors cannot be created.
    EventLoop();
    ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // The calls below, up to post(), belong to the loop's thread (or to the time before run()).

    // onReadable runs while the descriptor has data or an end of stream to read; onHangup (may be empty)
    // runs when it reports a hang-up or an error with nothing left to read, after which the descriptor
    // is no longer watched. Watching a descriptor again replaces its callbacks. Throws std::system_error
    // when epoll refuses the descriptor (a regular file, for example).
    void watch(int fd, Callback onReadable, Callback onHangup);
    // Stops watching; callbacks already taken from the kernel for it are not run. Unknown descriptors
    // are ignored. Unwatch before the descriptor is closed.
    void unwatch(int fd);
    bool watching(int fd) const;

    // Runs onTick every period from now on; a zero period stops the tick. Expirations missed while a
    // callback ran are folded into one call.
    void setTick(std::chrono::milliseconds period, Callback onTick);

    // SIGTERM and SIGINT stop this loop from then on. One loop at a time may catch them (a second one
    // gets std::logic_error); the previous handling comes back when the loop is destroyed.
    void catchTerminationSignals();
    // The signal that stopped the loop, 0 when none has.
    int terminationSignal() const { return terminationSignal_.load(); }

    // Any thread: runs the task on the loop's thread, in posting order. Tasks still queued when the
    // loop is destroyed are dropped.
    void post(Callback task);
    // Any thread: run() returns after the callback it is running, if any.
    void stop();

    // Dispatches until stop() or a caught termination signal. Exceptions of callbacks leave run().
    void run();

  private:
    struct Watch {
        int fd;
        Callback onReadable;
        Callback onHangup;
    };

    void dispatch(std::uint64_t token, std::uint32_t events);
    void handleWake();
    void handleTick();

    int epollFd_ = -1;
    int wakeFd_ = -1;
    int timerFd_ = -1;
    bool catchesSignals_ = false;
    std::atomic<bool> stopRequested_{false};
    std::atomic<int> terminationSignal_{0};
    Callback onTick_;
    std::uint64_t nextToken_;
    std::unordered_map<std::uint64_t, std::shared_ptr<Watch>> watches_;
    std::unordered_map<int, std::uint64_t> tokenOfFd_;
    std::mutex postedMutex_;
    std::deque<Callback> posted_;
};

}  // namespace platform
