#include "toolkit/session/session_registry.h"

#include <algorithm>
#include <string>

#include "toolkit/session/si_error_trace.h"

SISessionRegistry::SISessionRegistry() {
    siSetErrorTraceWriter(siTraceReportedError);
}

SISessionRegistry& siSessionRegistry() {
    static SISessionRegistry registry;
    return registry;
}

SIAssociation* SISessionRegistry::findAssociation(KivAssocId assocId) {
    auto found = std::find_if(
        associations.begin(), associations.end(),
        [assocId](const SIAssociation& record) { return SIMatchAssociationId(record, assocId); });
    return found != associations.end() ? &*found : nullptr;
}

bool SISessionRegistry::removeAssociation(KivAssocId assocId) {
    SIAssociation* record = findAssociation(assocId);
    if (record == nullptr) return false;
    associations.erase(associations.begin() + (record - associations.data()));
    return true;
}

std::shared_ptr<SITraceSlot> SISessionRegistry::findTrace(KivAssocId assocId) {
    // Entry fields other than the id are guarded by the slot, but the id never changes once listed.
    auto found =
        std::find_if(traces.begin(), traces.end(), [assocId](const std::shared_ptr<SITraceSlot>& slot) {
            return SIMatchTraceEntry(slot->entry, assocId);
        });
    return found != traces.end() ? *found : nullptr;
}

std::shared_ptr<SITraceSlot> SISessionRegistry::detachTrace(KivAssocId assocId) {
    std::shared_ptr<SITraceSlot> slot = findTrace(assocId);
    if (slot != nullptr) traces.erase(std::find(traces.begin(), traces.end(), slot));
    return slot;
}

void siEndTraceSlot(const std::shared_ptr<SITraceSlot>& slot) {
    if (slot == nullptr) return;
    std::lock_guard<std::mutex> writing(slot->writing);
    slot->ended = true;
}

SICheckOutcome siCheckRecord(const SIAssociation* record) {
    if (record == nullptr) return SICheckOutcome::Unknown;
    if (record->stackFlag != kSIStackTcp && record->stackFlag != kSIStackOsi)
        return SICheckOutcome::InvalidStack;
    return SICheckOutcome::Known;
}

SIResult siReportCheck(KivAssocId assocId, SICheckOutcome outcome, SIError** error) {
    constexpr long kInvalidAssociationCode = 3;
    constexpr long kInvalidStackCode = 4;
    const std::string id = std::to_string(assocId);
    switch (outcome) {
        case SICheckOutcome::Known:
            return SI_OK;
        case SICheckOutcome::Unknown:
            SIReportError(assocId, SI_Communication_Error, 0, kInvalidAssociationCode,
                          ("The association " + id + " is invalid").c_str(), 0, Association_Closed, error);
            break;
        case SICheckOutcome::InvalidStack:
            SIReportError(assocId, SI_OperatingSystem_Error, 0, kInvalidStackCode,
                          ("Association " + id + " has an invalid stack type").c_str(), 0, Association_Closed,
                          error);
            break;
    }
    return SI_NOTOK;
}

KivProtocolStack siRecordStack(const SIAssociation& record) {
    return record.stackFlag == kSIStackTcp ? TCP_Stack : OSI_Stack;
}
