#pragma once
// Runs an event loop with a watchdog: a loop that has not stopped by the deadline is stopped, and the
// caller learns that it had to be.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "Quorvane/platform/event_loop.h"

// True when the loop stopped by itself within the deadline.
inline bool runWithin(platform::EventLoop& loop, std::chrono::seconds deadline = std::chrono::seconds(20)) {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool forced = false;
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!finished.wait_for(lock, deadline, [&] { return done; })) {
            forced = true;
            loop.stop();
        }
    });
    loop.run();
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    finished.notify_one();
    watchdog.join();
    return !forced;
}
