#pragma once
// The pool of worker threads that run received requests. Requests of one association run one after
// another, in the order they arrived; requests of different associations run at the same time, up to the
// number of threads. An association's requests wait in its own queue, and an association with requests
// waits its turn in the ready queue, so a thread never sits idle behind a busy association and a client
// that sends many requests takes no more than one thread. Safe from any thread.
//
// A request that finds a thread idle is handed to that thread directly and wakes only it; a thread that
// ends a request takes the next ready association itself. An association's queue is kept for reuse
// after its last request, so a request costs no allocation of the pool's own.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <semaphore>
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
    using Task = std::function<void()>;

    struct Association {
        std::deque<Task> waiting;
        bool running = false;
    };
    using Associations = std::unordered_map<KivAssocId, Association>;

    // One thread's hand-over point: an idle thread sleeps on `wake` until it is given a task or told to end.
    struct Worker {
        std::binary_semaphore wake{0};
        std::optional<KivAssocId> assocId;  // the association whose task it was given
        Task task;
    };

    void work(Worker& worker);
    // With the mutex held: the association's entry, made or taken from the spare ones.
    Associations::iterator enter(KivAssocId assocId);
    // With the mutex held: the next ready association's first task, taken for the worker; false when none.
    bool takeReady(Worker& worker);
    // With the mutex held: the association's request has ended; its entry is kept for reuse when idle.
    void finish(KivAssocId assocId);
    void forget(Associations::iterator association);

    mutable std::mutex mutex_;
    std::condition_variable idle_;
    // Every association with a task waiting or running.
    Associations associations_;
    // Entries of associations without tasks, kept with their queue's storage for the next association.
    std::vector<Associations::node_type> spare_;
    // Associations with a task waiting and none running, in the order they became ready.
    std::deque<KivAssocId> readyQueue_;
    // Threads waiting for a task, the most recently idle last (its cache is the warmest).
    std::vector<Worker*> idleWorkers_;
    bool stopping_ = false;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<std::thread> threads_;
};
