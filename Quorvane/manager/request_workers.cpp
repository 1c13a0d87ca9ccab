#include "Quorvane/manager/request_workers.h"

#include <algorithm>
#include <system_error>
#include <utility>

std::size_t RequestWorkers::defaultThreadCount() {
    return std::max<std::size_t>(4, 2 * std::thread::hardware_concurrency());
}

RequestWorkers::RequestWorkers(std::size_t threads) {
    for (std::size_t i = 0; i < std::max<std::size_t>(1, threads); ++i) {
        try {
            threads_.emplace_back([this] { work(); });
        } catch (const std::system_error&) {
            if (threads_.empty()) throw;
            break;  // fewer threads serve as well, only slower
        }
    }
}

RequestWorkers::~RequestWorkers() {
    waitIdle();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    ready_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

bool RequestWorkers::submit(KivAssocId assocId, std::function<void()> task) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Association& association = associations_[assocId];
        if (association.waiting.size() >= kMaxWaiting) return false;
        association.waiting.push_back(std::move(task));
        // Ready unless it is running (its thread queues it again) or already waiting its turn.
        if (association.running || association.waiting.size() > 1) return true;
        readyQueue_.push_back(assocId);
    }
    ready_.notify_one();
    return true;
}

bool RequestWorkers::active(KivAssocId assocId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return associations_.count(assocId) != 0;
}

void RequestWorkers::drop(KivAssocId assocId) {
    std::deque<std::function<void()>> dropped;  // destroyed after the lock is let go
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = associations_.find(assocId);
    if (found == associations_.end()) return;
    dropped.swap(found->second.waiting);
    if (found->second.running) return;
    associations_.erase(found);
    readyQueue_.erase(std::remove(readyQueue_.begin(), readyQueue_.end(), assocId), readyQueue_.end());
    if (associations_.empty()) idle_.notify_all();
}

void RequestWorkers::waitIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return associations_.empty(); });
}

void RequestWorkers::work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        ready_.wait(lock, [this] { return stopping_ || !readyQueue_.empty(); });
        if (readyQueue_.empty()) return;  // stopping, with nothing left
        const KivAssocId assocId = readyQueue_.front();
        readyQueue_.pop_front();
        Association& association = associations_.at(assocId);
        std::function<void()> task = std::move(association.waiting.front());
        association.waiting.pop_front();
        association.running = true;
        lock.unlock();
        task();
        task = nullptr;  // what the task holds goes before the association can be reused
        lock.lock();
        Association& after = associations_.at(assocId);
        after.running = false;
        if (!after.waiting.empty()) {
            readyQueue_.push_back(assocId);  // behind the associations already waiting: turns are fair
            ready_.notify_one();
        } else {
            associations_.erase(assocId);
            if (associations_.empty()) idle_.notify_all();
        }
    }
}
