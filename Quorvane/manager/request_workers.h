#pragma once
// The pool of worker threads that run received requests. Requests of one association run one after
// another, in the order they arrived; requests of different associations run at the same time, up to the
// number of threads. An association's requests wait in its own queue, and an association with requests
// waits its turn in the ready queue, so a thread never sits idle behind a busy association and a client
// that sends many requests takes no more than one thread. Safe from any thread.

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

    // Twice the hardware threads, at least 4: requests spend much of their time waiting for the database.
    static std::size_t defaultThreadCount();

    // Starts the threads; throws std::system_error when none can be started.
    explicit RequestWorkers(std::size_t threads = defaultThreadCount());
    // Runs every request taken, then ends the threads.
    ~RequestWorkers();
    RequestWorkers(const RequestWorkers&) = delete;
    RequestWorkers& operator=(const RequestWorkers&) = delete;

    // Runs the task after the association's earlier ones. false, with the task not taken, when kMaxWaiting
    // tasks of the association already wait. A task must not throw.
    bool submit(KivAssocId assocId, std::function<void()> task);
    // Whether a task of the association is waiting or running.
    bool active(KivAssocId assocId) const;
    // Forgets the association's waiting tasks (the running one finishes); they are destroyed unrun.
    void drop(KivAssocId assocId);
    // Waits until every task taken so far has run.
    void waitIdle();

  private:
    struct Association {
        std::deque<std::function<void()>> waiting;
        bool running = false;
    };

    void work();

    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::condition_variable idle_;
    // Every association with a task waiting or running.
    std::unordered_map<KivAssocId, Association> associations_;
    // Associations with a task waiting and none running, in the order they became ready.
    std::deque<KivAssocId> readyQueue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};
