#include "Quorvane/association/session_lock.h"

#include <memory>
#include <mutex>

#include "Quorvane/association/session_table.h"
#include "Quorvane/database/connection.h"
#include "toolkit/session/trace_parameter.h"

namespace {

// The toolkit stops writing to the trace file before it is closed.
void closeTraceFile(SessionRecord& record) {
    if (record.traceFile == nullptr) return;
    SIError* error = nullptr;
    SISetTraceParameter(record.assocId, record.traceFile.get(), Trace_None, &error);
    SIFreeError(&error);
    record.traceFile.reset();
}

void releaseContents(SessionRecord& record) {
    record.resultSet = ResultSet();
    record.resultSetDatabase.reset();
    record.fullDefinitions.reset();
    record.briefDefinitions.reset();
    record.currentSearchDefinition = nullptr;
    record.searchDefinitions.reset();
    record.presentCache.reset();
    DisconnectDatabase(record);
    record.protocolVersion.clear();
    record.options.clear();
    record.implementationId.clear();
    record.implementationName.clear();
    record.implementationVersion.clear();
    record.connectionString.reset();
    record.currentDatabase.reset();
    record.controlFilesDir.clear();
    record.sutrsDefinitions.reset();
    record.marcDefinitions.reset();
    record.marcHoldingsDefinitions.reset();
    record.grs1Definitions.reset();
    record.htmlDefinitions.reset();
    record.currentScanDefinition = nullptr;
    record.scanDefinitions.reset();
    closeTraceFile(record);
    record.cacheFormatName = nullptr;
    record.recordFormats.reset();
    record.anyOrText.reset();
    record.clientProtocolVersion.reset();
}

// The record has been marked released, so no one else can hold or free it.
void freeSession(const std::shared_ptr<SessionRecord>& record) {
    RemoveSession(record->assocId);
    releaseContents(*record);
    RunSessionFreedHook(record->assocId);
}

}  // namespace

int LockSession(KivAssocId assocId) {
    std::shared_ptr<SessionRecord> record = FindSession(assocId);
    if (record == nullptr) return 0;
    std::unique_lock<std::mutex> lock(record->busyMutex);
    record->busyChanged.wait(lock, [&record] { return !record->busy || record->released; });
    if (record->released) return 0;
    record->busy = true;
    record->idleMinutes = 0;
    return 1;
}

void UnlockSession(KivAssocId assocId) {
    std::shared_ptr<SessionRecord> record = FindSession(assocId);
    if (record == nullptr) return;
    bool release = false;
    {
        std::lock_guard<std::mutex> lock(record->busyMutex);
        if (record->released) return;
        if (record->releasePending) {
            record->released = true;
            release = true;
        } else {
            record->busy = false;
        }
    }
    record->busyChanged.notify_all();
    if (release) freeSession(record);
}

void ReleaseSession(KivAssocId assocId) {
    std::shared_ptr<SessionRecord> record = FindSession(assocId);
    if (record == nullptr) return;
    {
        std::lock_guard<std::mutex> lock(record->busyMutex);
        if (record->released) return;
        if (record->busy) {
            record->releasePending = true;
            return;
        }
        record->released = true;
    }
    record->busyChanged.notify_all();
    freeSession(record);
}

std::int32_t CountIdleMinute(SessionRecord& record) {
    std::lock_guard<std::mutex> lock(record.busyMutex);
    if (record.busy || record.released) return -1;
    return ++record.idleMinutes;
}
