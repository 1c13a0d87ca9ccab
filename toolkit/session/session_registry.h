#pragma once
// The process-wide association and trace registries, guarded by one mutex. Internal to the session layer:
// callers go through association_registry.h and trace_registry.h.
//
// The registry mutex is never held while waiting for a trace slot's mutex (only a slot that is not listed yet
// may be taken under it), nor is it taken by a writer holding a slot. Neither is held while an error is
// reported or a socket is written.

#include <memory>
#include <mutex>
#include <vector>

#include "toolkit/session/association.h"
#include "toolkit/session/trace_registry.h"
#include "toolkit/util/si_error.h"

// A trace entry and what keeps its file safe. Writers hold `writing` while they write; an entry that has
// been ended or dropped is marked `ended` under it, after which nothing writes to its file.
struct SITraceSlot {
    explicit SITraceSlot(const SITraceEntry& traceEntry) : entry(traceEntry) {}
    std::mutex writing;
    SITraceEntry entry;  // guarded by writing
    bool ended = false;  // guarded by writing
};

struct SISessionRegistry {
    // Installs the trace writer of reported errors: an association can be traced only once this exists.
    SISessionRegistry();

    std::mutex mutex;
    std::vector<SIAssociation> associations;
    std::vector<std::shared_ptr<SITraceSlot>> traces;

    // With mutex held: the association's record or trace slot; null when there is none.
    SIAssociation* findAssociation(KivAssocId assocId);
    std::shared_ptr<SITraceSlot> findTrace(KivAssocId assocId);
    // With mutex held: removes the association's record; false when there is none.
    bool removeAssociation(KivAssocId assocId);
    // With mutex held: unlinks the association's trace slot and gives it (null when there is none). The
    // caller ends it with siEndTraceSlot after letting go of the mutex.
    std::shared_ptr<SITraceSlot> detachTrace(KivAssocId assocId);
};

SISessionRegistry& siSessionRegistry();

// The association check over a record found with the mutex held (null when there is none), and its errors
// (3 and 4), reported after letting go of the mutex. SI_OK for a known record.
enum class SICheckOutcome { Known, Unknown, InvalidStack };
SICheckOutcome siCheckRecord(const SIAssociation* record);
SIResult siReportCheck(KivAssocId assocId, SICheckOutcome outcome, SIError** error);
// The stack that the check reports for a known record.
KivProtocolStack siRecordStack(const SIAssociation& record);

// Marks a detached slot ended, waiting for a writer that holds it; null does nothing.
void siEndTraceSlot(const std::shared_ptr<SITraceSlot>& slot);
