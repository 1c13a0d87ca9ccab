#pragma once
// State of one decode: what a decoder needs beyond its buffer, and how it abandons a malformed value.
//
// A decoder that meets a fault throws BerDecodeError carrying a negative code. Nothing is unwound: what was
// allocated stays linked to the value being filled, and the caller releases it with the type's free routine.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/util/ber_limits.h"

// Runtime codes shared by every codec; each routine's own codes are documented where it raises them.
inline constexpr int kBerNoMemory = -27;          // allocation failed or the decode's budget is spent
inline constexpr int kBerBadEndOfContents = -28;  // first end-of-contents octet not followed by a 0
inline constexpr int kBerNestingTooDeep = -29;    // more than kBerMaxNesting nested values
inline constexpr int kBerAnyNotBound = -44;       // ANY value of no registered type
inline constexpr int kBerUnknownPdu = -266;       // identifier that is no APDU of the module

struct BerDecodeError {
    int code;
};

// One primitive segment of a constructed string, where it lies in the decode buffer.
struct BerSegment {
    const uint8_t* octets;
    uint32_t count;
};

class BerDecodeContext {
public:
    // inputSize bounds what the decode may allocate (a fixed multiple of it, with a floor).
    explicit BerDecodeContext(size_t inputSize);

    [[noreturn]] static void raise(int code) { throw BerDecodeError{code}; }

    // A zero-filled block of size octets charged to the budget; raises -27 when it cannot be had.
    void* alloc(size_t size);
    // Same as alloc, typed.
    template <typename T>
    T* allocRecord() {
        return static_cast<T*>(alloc(sizeof(T)));
    }

    // Nesting of the value being decoded; enter raises -29 past kBerMaxNesting.
    void enter() {
        if (depth_ == kBerMaxNesting) raise(kBerNestingTooDeep);
        ++depth_;
    }
    void leave() { --depth_; }
    int depth() const { return depth_; }

    // Constructed-string gathering: the segments met so far and their octet total.
    std::vector<BerSegment> segments;
    uint32_t segmentTotal = 0;
    // Constructed BIT STRING: unused-bits octet of the previous primitive segment.
    int rememberedUnusedBits = 0;

private:
    int depth_ = 0;
    size_t budget_;
    size_t allocated_ = 0;
};

// Counts one level of nesting for the lifetime of a scope.
class BerNestingGuard {
public:
    explicit BerNestingGuard(BerDecodeContext& ctx) : ctx_(ctx) { ctx_.enter(); }
    ~BerNestingGuard() { ctx_.leave(); }
    BerNestingGuard(const BerNestingGuard&) = delete;
    BerNestingGuard& operator=(const BerNestingGuard&) = delete;

private:
    BerDecodeContext& ctx_;
};
