#include "toolkit/util/memory.h"

#include <cstdlib>

void* MemAlloc(int32_t size) {
    if (size < 0) return nullptr;
    return std::calloc(size == 0 ? 1 : static_cast<size_t>(size), 1);
}

void* MemRealloc(void* block, int32_t size) {
    if (size < 0) return nullptr;
    return std::realloc(block, size == 0 ? 1 : static_cast<size_t>(size));
}

void MemFree(void* block) { std::free(block); }
