#include "Quorvane/log/log_flusher.h"

#include "Quorvane/log/log_files.h"
#include "Quorvane/platform/service_thread.h"

LogFlusher::LogFlusher() : thread_(platform::StartServiceThread([this] { run(); })) {}

LogFlusher::~LogFlusher() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
    flushLogFiles();
}

void LogFlusher::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_for(lock, kInterval, [this] { return stopping_; })) {
        lock.unlock();
        flushLogFiles();
        lock.lock();
    }
}
