#pragma once
// The trace registry: which associations are traced, at what level and into which file, and the routines
// that write lines to an association's trace.
//
// A trace file stays the caller's. The toolkit writes to it only while the association's trace entry exists;
// once SISetTraceParameter has ended the trace (or an abort has dropped it) and returned, nothing of the
// toolkit touches the file again, so the caller may close it.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string_view>

#include "toolkit/api/kiv_owning.h"

// The level of a trace entry, and the level of each line written to a trace: Trace_Low entries receive the
// Trace_Low lines only; Trace_High entries, and entries of any other non-zero level, receive every line.
enum SITraceLevel : int32_t {
    Trace_None = 0,
    Trace_Low = 1,
    Trace_High = 2,
};

struct SITraceEntry {
    int32_t level = Trace_None;  // an SITraceLevel; other values are kept as given
    FILE* file = nullptr;        // the caller's open file; never opened or closed here
    KivAssocId lAssocId = 0;
};

// Whether the entry is the trace of this association.
bool SIMatchTraceEntry(const SITraceEntry& entry, KivAssocId assocId);

// The level of the association's trace; 0 when it has none.
int SIGetTraceLevel(KivAssocId assocId);

// Stores the association's trace file through file when it has a trace entry; leaves *file alone otherwise.
// The pointer is valid only until the trace ends: writers inside the toolkit use siWithTrace instead.
void SIGetTraceFile(KivAssocId assocId, FILE** file);

// Writes the text, verbatim and whole, to the association's trace file and flushes it, unless the
// association has no trace, its level is 0, or its level is Trace_Low and the line's is Trace_High.
// Returns 1 in every case.
int SITraceWrite(KivAssocId assocId, int lineLevel, std::string_view text);

// An association's trace while a writer holds it: the file cannot be ended or changed underneath.
class SITraceSink {
  public:
    explicit SITraceSink(const SITraceEntry& entry) : entry_(entry) {}
    int level() const { return entry_.level; }
    FILE* file() const { return entry_.file; }
    // As SITraceWrite.
    void write(int lineLevel, std::string_view text) const;

  private:
    const SITraceEntry& entry_;
};

// Runs write with the association's trace held, so that a block of lines (and a printer writing straight to
// the file) stays whole and never outlives the trace. write must only write: it must not call back into the
// session layer, other than into trace writers, which may hold the same trace again. false, without calling
// write, when the association has no trace entry.
bool siWithTrace(KivAssocId assocId, const std::function<void(const SITraceSink&)>& write);
