#pragma once
// The server application's own allocation entry points. Their blocks are those of MemAlloc
// (toolkit/util/memory.h), so TrackedFree, MemFree and the toolkit's free routines release any of them.

#include <cstddef>

// A zero-filled block of size octets (1 octet for 0); NULL when memory is exhausted or size exceeds the
// allocator's range.
void* TrackedAlloc(std::size_t size);
// The block resized (1 octet for 0); added octets are not cleared. NULL on failure, the block kept.
void* TrackedRealloc(void* block, std::size_t size);
// Frees a block; NULL does nothing.
void TrackedFree(void* block);
// A copy of the text; NULL for a NULL text or when memory is exhausted.
char* TrackedStrDup(const char* text);
// Replaces *text by an exact-size copy and frees the old block; when no copy can be made, or *text is
// NULL, the text stays as it is.
void TrackedShrink(char** text);
