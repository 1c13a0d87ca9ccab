#pragma once
// Memory requests of the session layer that report their failure as an SIError, and the release of such a
// block.

#include <cstdint>

#include "toolkit/util/si_error.h"

// A zero-filled MemAlloc block of size octets (one octet when size is 0). When memory is exhausted it
// reports SI_OperatingSystem_Error 120 "A request for memory failed: " (association id 0, Association_Open)
// through out and returns null.
void* KivAllocOrReport(int32_t size, SIError** out);

// 1 for null, 0 otherwise.
int KivIsNull(const void* block);

// Releases a block of KivAllocOrReport (MemFree); null does nothing.
void KivFreeBlock(void* block);
