#include "Quorvane/manager/request_workers.h"

#include <system_error>
#include <utility>

RequestWorkers::~RequestWorkers() {
    waitIdle();
}

bool RequestWorkers::submit(KivAssocId assocId, std::function<void()> task) {
    std::unique_lock<std::mutex> lock(mutex_);
    reapFinished(lock);
    auto queue = queues_.find(assocId);
    if (queue != queues_.end()) {
        if (queue->second.size() >= kMaxWaiting) return false;
        queue->second.push_back(std::move(task));
        return true;
    }
    queues_[assocId].push_back(std::move(task));
    try {
        threads_.emplace(assocId, std::thread([this, assocId] { drain(assocId); }));
    } catch (const std::system_error&) {
        queues_.erase(assocId);
        return false;
    }
    return true;
}

bool RequestWorkers::active(KivAssocId assocId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return queues_.count(assocId) != 0;
}

void RequestWorkers::waitIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return queues_.empty(); });
    reapFinished(lock);
}

void RequestWorkers::drain(KivAssocId assocId) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        std::deque<std::function<void()>>& queue = queues_.at(assocId);
        if (queue.empty()) break;
        std::function<void()> task = std::move(queue.front());
        queue.pop_front();
        lock.unlock();
        task();
        lock.lock();
    }
    // The last step under the lock: a task submitted from now on starts a new worker.
    queues_.erase(assocId);
    auto self = threads_.find(assocId);
    finished_.push_back(std::move(self->second));
    threads_.erase(self);
    idle_.notify_all();
}

void RequestWorkers::reapFinished(std::unique_lock<std::mutex>& lock) {
    std::vector<std::thread> done;
    done.swap(finished_);
    lock.unlock();
    for (std::thread& thread : done) thread.join();
    lock.lock();
}
