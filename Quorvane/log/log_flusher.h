#pragma once
// Flushes the server's text logs (log_files.h) once a second on a thread of its own, and once more when
// it is destroyed, so that lines reach the files soon after they were written and none is lost at
// shutdown.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class LogFlusher {
  public:
    static constexpr std::chrono::seconds kInterval{1};

    LogFlusher();
    ~LogFlusher();
    LogFlusher(const LogFlusher&) = delete;
    LogFlusher& operator=(const LogFlusher&) = delete;

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};
