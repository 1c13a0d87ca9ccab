#pragma once
// Zero-filling heap primitives shared by every layer. They never report: callers test for null.

#include <cstdint>

// A zero-filled block of size bytes (1 byte when size is 0); null when memory is exhausted.
void* MemAlloc(int32_t size);
// The block resized (1 byte when size is 0); added bytes are not cleared. Null on failure, block kept.
void* MemRealloc(void* block, int32_t size);
// Frees a block of MemAlloc or MemRealloc; null does nothing.
void MemFree(void* block);
