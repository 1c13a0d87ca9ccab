#include "Quorvane/manager/request_workers.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "Quorvane/platform/service_thread.h"

namespace {

// Idle associations' entries kept for reuse; beyond this many they are freed.
constexpr std::size_t kSpareEntries = 64;

}  // namespace

std::size_t RequestWorkers::defaultThreadCount() {
    return std::max<std::size_t>(4, 2 * std::thread::hardware_concurrency());
}

RequestWorkers::RequestWorkers(std::size_t threads) {
    const std::size_t count = std::max<std::size_t>(1, threads);
    workers_.reserve(count);
    threads_.reserve(count);
    idleWorkers_.reserve(count);
    spare_.reserve(kSpareEntries);  // a thread that ends a request keeps an entry without allocating
    for (std::size_t i = 0; i < count; ++i) {
        workers_.push_back(std::make_unique<Worker>());
        Worker& worker = *workers_.back();
        try {
            threads_.push_back(platform::StartServiceThread([this, &worker] { work(worker); }));
        } catch (const std::system_error&) {
            workers_.pop_back();
            if (threads_.empty()) throw;
            break;  // fewer threads serve as well, only slower
        }
        idleWorkers_.push_back(&worker);
    }
}

RequestWorkers::~RequestWorkers() {
    waitIdle();
    std::vector<Worker*> sleeping;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        sleeping.swap(idleWorkers_);
    }
    for (Worker* worker : sleeping) worker->wake.release();  // woken without a task: it ends
    for (std::thread& thread : threads_) thread.join();
}

bool RequestWorkers::submit(KivAssocId assocId, Task task) {
    Worker* handedTo = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = associations_.find(assocId);
        if (found == associations_.end()) found = enter(assocId);
        Association& association = found->second;
        if (association.waiting.size() >= kMaxWaiting) return false;
        // It waits when it is running (its thread queues it again) or already waiting its turn, and when
        // no thread is idle (a thread takes it from the ready queue when it ends a request).
        if (association.running || !association.waiting.empty() || idleWorkers_.empty()) {
            association.waiting.push_back(std::move(task));
            if (!association.running && association.waiting.size() == 1) readyQueue_.push_back(assocId);
            return true;
        }
        handedTo = idleWorkers_.back();
        idleWorkers_.pop_back();
        association.running = true;
        handedTo->assocId = assocId;
        handedTo->task = std::move(task);
    }
    handedTo->wake.release();
    return true;
}

bool RequestWorkers::active(KivAssocId assocId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return associations_.count(assocId) != 0;
}

void RequestWorkers::drop(KivAssocId assocId) {
    std::deque<Task> dropped;  // destroyed after the lock is let go
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = associations_.find(assocId);
    if (found == associations_.end()) return;
    dropped.swap(found->second.waiting);
    if (found->second.running) return;
    readyQueue_.erase(std::remove(readyQueue_.begin(), readyQueue_.end(), assocId), readyQueue_.end());
    forget(found);
}

void RequestWorkers::waitIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return associations_.empty(); });
}

void RequestWorkers::work(Worker& worker) {
    for (;;) {
        worker.wake.acquire();
        if (!worker.assocId) return;  // woken to end
        for (;;) {
            const KivAssocId assocId = *worker.assocId;
            Task task = std::move(worker.task);
            task();
            task = nullptr;  // what the task holds goes before the association can be reused
            std::lock_guard<std::mutex> lock(mutex_);
            finish(assocId);
            if (takeReady(worker)) continue;
            worker.assocId.reset();
            if (stopping_) return;
            idleWorkers_.push_back(&worker);
            break;
        }
    }
}

RequestWorkers::Associations::iterator RequestWorkers::enter(KivAssocId assocId) {
    if (spare_.empty()) return associations_.try_emplace(assocId).first;
    Associations::node_type entry = std::move(spare_.back());
    spare_.pop_back();
    entry.key() = assocId;
    return associations_.insert(std::move(entry)).position;
}

bool RequestWorkers::takeReady(Worker& worker) {
    if (readyQueue_.empty()) return false;
    const KivAssocId assocId = readyQueue_.front();
    readyQueue_.pop_front();
    Association& association = associations_.at(assocId);
    worker.task = std::move(association.waiting.front());
    association.waiting.pop_front();
    association.running = true;
    worker.assocId = assocId;
    return true;
}

void RequestWorkers::finish(KivAssocId assocId) {
    const auto found = associations_.find(assocId);
    found->second.running = false;
    if (found->second.waiting.empty()) {
        forget(found);
    } else {
        readyQueue_.push_back(assocId);  // behind the associations already waiting: turns are fair
    }
}

void RequestWorkers::forget(Associations::iterator association) {
    if (spare_.size() < kSpareEntries) {
        spare_.push_back(associations_.extract(association));
    } else {
        associations_.erase(association);
    }
    if (associations_.empty()) idle_.notify_all();
}
