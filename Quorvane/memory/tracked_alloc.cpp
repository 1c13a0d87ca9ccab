#include "Quorvane/memory/tracked_alloc.h"

#include <cstdint>
#include <cstring>
#include <limits>

#include "toolkit/util/memory.h"

namespace {

bool fitsAllocator(std::size_t size) {
    return size <= static_cast<std::size_t>(std::numeric_limits<int32_t>::max());
}

}  // namespace

void* TrackedAlloc(std::size_t size) {
    if (!fitsAllocator(size)) return nullptr;
    return MemAlloc(static_cast<int32_t>(size));
}

void* TrackedRealloc(void* block, std::size_t size) {
    if (!fitsAllocator(size)) return nullptr;
    return MemRealloc(block, static_cast<int32_t>(size));
}

void TrackedFree(void* block) {
    MemFree(block);
}

char* TrackedStrDup(const char* text) {
    if (text == nullptr) return nullptr;
    std::size_t length = std::strlen(text);
    auto* copy = static_cast<char*>(TrackedAlloc(length + 1));
    if (copy != nullptr) std::memcpy(copy, text, length);
    return copy;
}

void TrackedShrink(char** text) {
    if (text == nullptr || *text == nullptr) return;
    char* copy = TrackedStrDup(*text);
    if (copy == nullptr) return;
    TrackedFree(*text);
    *text = copy;
}
