#pragma once
// A budget of memory for the records requests build: fetched fields, column areas and packaged records.
// Every byte a request builds is reserved first, against the request's own limit and the limit of the
// whole process, so that a request that would pass either is refused before the allocator (or the ODBC
// driver underneath) runs out.

#include <atomic>
#include <cstddef>

// The process-wide budget: the bytes reserved by every request and every present cache together.
class ProcessMemoryBudget {
  public:
    static ProcessMemoryBudget& instance();

    // 0 for no limit.
    void setLimit(std::size_t bytes) { limit_.store(bytes, std::memory_order_relaxed); }
    std::size_t reserved() const { return reserved_.load(std::memory_order_relaxed); }
    // Reserves the bytes unless the limit would be passed.
    bool tryReserve(std::size_t bytes);
    void release(std::size_t bytes) { reserved_.fetch_sub(bytes, std::memory_order_relaxed); }

  private:
    std::atomic<std::size_t> limit_{0};
    std::atomic<std::size_t> reserved_{0};
};

// Bytes held against the process-wide budget, given back when the object goes.
class MemoryReservation {
  public:
    MemoryReservation() = default;
    ~MemoryReservation() { reset(); }
    MemoryReservation(MemoryReservation&& other) noexcept;
    MemoryReservation& operator=(MemoryReservation&& other) noexcept;
    MemoryReservation(const MemoryReservation&) = delete;
    MemoryReservation& operator=(const MemoryReservation&) = delete;

    std::size_t bytes() const { return bytes_; }
    // Gives every byte back.
    void reset();

  private:
    friend class RequestMemory;
    MemoryReservation(ProcessMemoryBudget* budget, std::size_t bytes) : budget_(budget), bytes_(bytes) {}

    ProcessMemoryBudget* budget_ = nullptr;
    std::size_t bytes_ = 0;
};

// What one request builds: each reservation counts against the request's limit and the process-wide
// budget. What the request still holds when it ends is given back; a part handed over with take() lives
// on in its own reservation (a present cache entry) and stays counted against the process.
class RequestMemory {
  public:
    // requestLimit 0: no limit of the request's own.
    explicit RequestMemory(std::size_t requestLimit,
                           ProcessMemoryBudget& process = ProcessMemoryBudget::instance())
        : process_(process), requestLimit_(requestLimit) {}
    ~RequestMemory() { process_.release(held_); }
    RequestMemory(const RequestMemory&) = delete;
    RequestMemory& operator=(const RequestMemory&) = delete;

    // Reserves the bytes; false (nothing reserved) when the request's limit or the process's would be
    // passed.
    bool reserve(std::size_t bytes);
    // Gives back bytes reserved by this request that it no longer needs (at most what it holds).
    void release(std::size_t bytes);
    // Hands bytes held by the request (at most what it holds) over to a reservation of their own.
    MemoryReservation take(std::size_t bytes);
    // A reservation of the request has been refused.
    bool refused() const { return refused_; }
    // The request's own limit; 0 for none.
    std::size_t limit() const { return requestLimit_; }
    // Bytes the request holds now.
    std::size_t held() const { return held_; }

  private:
    ProcessMemoryBudget& process_;
    std::size_t requestLimit_;
    std::size_t used_ = 0;  // every byte reserved by the request, also those handed over
    std::size_t held_ = 0;
    bool refused_ = false;
};
