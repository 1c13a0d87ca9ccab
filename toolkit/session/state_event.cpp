#include "toolkit/session/state_event.h"

#include <string>

#include "toolkit/session/association_registry.h"
#include "toolkit/session/state_machine.h"
#include "toolkit/session/trace_registry.h"

int SIStateEvent(KivAssocId assocId, int event, SIError** error) {
    if (SIStateChecking.load() == 0) return 0;
    SIStateTransition transition;
    const SIResult checked = siUpdateCheckedAssociation(assocId, error, [&](SIAssociation& record) {
        transition = siApplyStateEvent(record.machine, siMachineForRole(record.role), event);
    });
    if (checked != SI_OK) return 1;
    const SIResult result = siReportStateEvent(assocId, transition, error);
    for (const std::string& line : siStateEventTraceLines(transition)) SITraceWrite(assocId, Trace_Low, line);
    return result;
}

void SISetState(KivAssocId assocId, int state) {
    siUpdateCheckedAssociation(assocId, nullptr,
                               [state](SIAssociation& record) { record.machine.state = state; });
}

int SIGetState(KivAssocId assocId) {
    int state = KIV_TS_ERROR;
    siUpdateCheckedAssociation(assocId, nullptr,
                               [&state](SIAssociation& record) { state = record.machine.state; });
    return state;
}

void siSetResourceControlResponseRequired(KivAssocId assocId, int responseRequired) {
    siUpdateAssociation(assocId, [responseRequired](SIAssociation& record) {
        record.machine.resourceControlResponseRequired = responseRequired;
    });
}
