#include "toolkit/api/kiv_memory_request.h"

#include "toolkit/util/memory.h"

namespace {

constexpr long kMemoryRequestFailedCode = 120;

}  // namespace

void* KivAllocOrReport(int32_t size, SIError** out) {
    void* block = MemAlloc(size);
    if (block == nullptr) {
        SIReportError(0, SI_OperatingSystem_Error, 0, kMemoryRequestFailedCode,
                      "A request for memory failed: ", 0, Association_Open, out);
    }
    return block;
}

int KivIsNull(const void* block) {
    return block == nullptr ? 1 : 0;
}

void KivFreeBlock(void* block) {
    MemFree(block);
}
