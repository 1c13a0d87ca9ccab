#include "Quorvane/memory/memory_budget.h"

#include <algorithm>
#include <utility>

ProcessMemoryBudget& ProcessMemoryBudget::instance() {
    static ProcessMemoryBudget budget;
    return budget;
}

bool ProcessMemoryBudget::tryReserve(std::size_t bytes) {
    std::size_t reserved = reserved_.load(std::memory_order_relaxed);
    do {
        const std::size_t limit = limit_.load(std::memory_order_relaxed);
        if (limit != 0 && (bytes > limit || reserved > limit - bytes)) return false;
    } while (!reserved_.compare_exchange_weak(reserved, reserved + bytes, std::memory_order_relaxed));
    return true;
}

MemoryReservation::MemoryReservation(MemoryReservation&& other) noexcept
    : budget_(std::exchange(other.budget_, nullptr)), bytes_(std::exchange(other.bytes_, 0)) {}

MemoryReservation& MemoryReservation::operator=(MemoryReservation&& other) noexcept {
    if (this != &other) {
        reset();
        budget_ = std::exchange(other.budget_, nullptr);
        bytes_ = std::exchange(other.bytes_, 0);
    }
    return *this;
}

void MemoryReservation::reset() {
    if (budget_ != nullptr) budget_->release(bytes_);
    budget_ = nullptr;
    bytes_ = 0;
}

bool RequestMemory::reserve(std::size_t bytes) {
    const bool withinRequest =
        requestLimit_ == 0 || (bytes <= requestLimit_ && used_ <= requestLimit_ - bytes);
    if (!withinRequest || !process_.tryReserve(bytes)) {
        refused_ = true;
        return false;
    }
    used_ += bytes;
    held_ += bytes;
    return true;
}

void RequestMemory::release(std::size_t bytes) {
    bytes = std::min(bytes, held_);
    held_ -= bytes;
    used_ -= bytes;
    process_.release(bytes);
}

MemoryReservation RequestMemory::take(std::size_t bytes) {
    bytes = std::min(bytes, held_);
    held_ -= bytes;
    return MemoryReservation(&process_, bytes);
}
