#pragma once
// The worker threads that run received requests. Requests of one association run one after another, in
// the order they arrived, on a worker thread of that association; requests of different associations run
// at the same time. A worker thread lives while its association has requests waiting, so there are never
// more threads than associations with work. Safe from any thread.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include "toolkit/api/kiv_owning.h"

class RequestWorkers {
  public:
    // Requests of one association that may wait behind the one being handled.
    static constexpr std::size_t kMaxWaiting = 32;

    RequestWorkers() = default;
    // Waits for every request taken.
    ~RequestWorkers();
    RequestWorkers(const RequestWorkers&) = delete;
    RequestWorkers& operator=(const RequestWorkers&) = delete;

    // Runs the task on a worker after the association's earlier ones. false, with the task not taken, when
    // kMaxWaiting tasks of the association already wait or no thread can be started. A task must not throw.
    bool submit(KivAssocId assocId, std::function<void()> task);
    // Whether a task of the association is waiting or running.
    bool active(KivAssocId assocId) const;
    // Waits until every task taken so far has run.
    void waitIdle();

  private:
    void drain(KivAssocId assocId);
    // Joins the threads that have finished; the mutex is held.
    void reapFinished(std::unique_lock<std::mutex>& lock);

    mutable std::mutex mutex_;
    std::condition_variable idle_;
    // The waiting tasks of each association that has a worker (the running task is no longer here).
    std::unordered_map<KivAssocId, std::deque<std::function<void()>>> queues_;
    std::unordered_map<KivAssocId, std::thread> threads_;
    std::vector<std::thread> finished_;
};
