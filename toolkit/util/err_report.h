#pragma once
// Counted allocation and module-tagged reporting for the older utility routines (tables, lists, strings).
// Counted allocators never return null: exhaustion throws std::bad_alloc, which the request that ran out
// of memory catches. Mode 2 reports are for programming errors only.

#include <atomic>
#include <cstdint>

// Bytes handed out by ErrAlloc and ErrAllocString since start; freeing never lowers it.
extern std::atomic<int64_t> ErrMemoryUsed;

// How ErrReport goes on after writing its line.
enum ErrReportMode : int {
    ErrReportContinue = 0,  // report and return
    ErrReportAsk = 1,       // report, ask the operator; "N" ends the process
    ErrReportFatal = 2,     // report, hand the line to the fatal sink, end the process with status -1 at once
};

// Where a program keeps fatal reports besides standard output (its error log); called with the report line
// (bell, tag, ':' and message) just before the process ends.
using ErrFatalSink = void (*)(const char* line);
void ErrSetFatalSink(ErrFatalSink sink);

// A zero-filled block of size bytes (1 byte when size is 0), counted; never null: std::bad_alloc when memory
// is exhausted (or size is negative).
void* ErrAlloc(int32_t size, const char* tag);
// The same as ErrAlloc, the entry point for string buffers.
void* ErrAllocString(int32_t size, const char* tag);
// Frees a block from any of the allocators; null does nothing. The counter is not changed.
void ErrFree(void* block);
// Writes bell, tag, ':' and message to standard output (with a line end in modes 0 and 2); see
// ErrReportMode for what follows.
// Any other mode writes nothing and returns.
void ErrReport(int mode, const char* message, const char* tag);
// Writes "Memory used <n> \n" to standard output.
void ErrPrintMemoryUsed();
