#include "toolkit/session/association_registry.h"

#include "toolkit/session/session_registry.h"

bool SIMatchAssociationId(const SIAssociation& record, KivAssocId assocId) {
    return record.lAssocId == assocId;
}

bool siAddAssociation(const SIAssociation& record) {
    SISessionRegistry& registry = siSessionRegistry();
    std::shared_ptr<SITraceSlot> staleTrace;
    {
        std::lock_guard<std::mutex> lock(registry.mutex);
        if (registry.findAssociation(record.lAssocId) != nullptr) return false;
        registry.associations.push_back(record);
        staleTrace = registry.detachTrace(record.lAssocId);
    }
    siEndTraceSlot(staleTrace);
    return true;
}

std::optional<SIAssociation> siFindAssociation(KivAssocId assocId) {
    SISessionRegistry& registry = siSessionRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    const SIAssociation* record = registry.findAssociation(assocId);
    if (record == nullptr) return std::nullopt;
    return *record;
}

bool siRemoveAssociation(KivAssocId assocId) {
    SISessionRegistry& registry = siSessionRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    return registry.removeAssociation(assocId);
}

void siForgetAssociation(KivAssocId assocId) {
    SISessionRegistry& registry = siSessionRegistry();
    std::shared_ptr<SITraceSlot> trace;
    {
        std::lock_guard<std::mutex> lock(registry.mutex);
        trace = registry.detachTrace(assocId);
        registry.removeAssociation(assocId);
    }
    siEndTraceSlot(trace);
}

int SICheckAssociation(KivAssocId assocId, KivProtocolStack* stack, SIError** error) {
    return siUpdateCheckedAssociation(assocId, error, [stack](SIAssociation& record) {
        if (stack != nullptr) *stack = siRecordStack(record);
    });
}

SIResult siUpdateCheckedAssociation(KivAssocId assocId, SIError** error,
                                    const std::function<void(SIAssociation&)>& update) {
    SISessionRegistry& registry = siSessionRegistry();
    SICheckOutcome outcome;
    {
        std::lock_guard<std::mutex> lock(registry.mutex);
        SIAssociation* record = registry.findAssociation(assocId);
        outcome = siCheckRecord(record);
        if (outcome == SICheckOutcome::Known) update(*record);
    }
    return siReportCheck(assocId, outcome, error);
}

bool siUpdateAssociation(KivAssocId assocId, const std::function<void(SIAssociation&)>& update) {
    SISessionRegistry& registry = siSessionRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    SIAssociation* record = registry.findAssociation(assocId);
    if (record == nullptr) return false;
    update(*record);
    return true;
}
