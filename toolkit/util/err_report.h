#pragma once
// Counted allocation and module-tagged reporting for the older utility routines (tables, lists, strings).
// Counted allocators never return null: exhaustion is reported in mode 2, which ends the process.

#include <atomic>
#include <cstdint>

// Bytes handed out by ErrAlloc and ErrAllocString since start; freeing never lowers it.
extern std::atomic<int64_t> ErrMemoryUsed;

// How ErrReport goes on after writing its line.
enum ErrReportMode : int {
    ErrReportContinue = 0,  // report and return
    ErrReportAsk = 1,       // report, ask the operator; "N" ends the process
    ErrReportFatal = 2,     // report and end the process with status -1
};

// A zero-filled block of size bytes (1 byte when size is 0), counted; never null.
void* ErrAlloc(int32_t size, const char* tag);
// The same as ErrAlloc, the entry point for string buffers.
void* ErrAllocString(int32_t size, const char* tag);
// Frees a block from any of the allocators; null does nothing. The counter is not changed.
void ErrFree(void* block);
// Writes bell, tag, ':' and message to standard output; see ErrReportMode for what follows.
// Any other mode writes nothing and returns.
void ErrReport(int mode, const char* message, const char* tag);
// Writes "Memory used <n> \n" to standard output.
void ErrPrintMemoryUsed();
